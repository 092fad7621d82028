# Installation under GNU folders and the Debian package of the editor, the simulator and the
# tools. Included after every program is declared, so optional programs are found.
include(GNUInstallDirs)

set(AEC_APP_ID org.aec.Editor)
set(AEC_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/app/desktop)

# The programs the package carries, those of them this build makes (the tools can be left out,
# and aec-ctl is packaged once it is part of the build).
set(AEC_INSTALLED_PROGRAMS "")
foreach(program aec-editor aec-sim aec-preset aec-ctl)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        list(APPEND AEC_INSTALLED_PROGRAMS ${program})
    endif()
endforeach()

# The menu entry, its icon and the software centre's description.
configure_file(${AEC_DESKTOP_DIR}/${AEC_APP_ID}.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/${AEC_APP_ID}.metainfo.xml @ONLY)
install(FILES ${AEC_DESKTOP_DIR}/${AEC_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${AEC_DESKTOP_DIR}/${AEC_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/${AEC_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME aec)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The aec developers")
set(CPACK_PACKAGE_CONTACT "The aec developers <aec@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Editor for a karaoke and home-theatre audio effect processor")
set(CPACK_PACKAGE_DESCRIPTION
    "Audio Effect Contrller finds the processor on a serial port, loads its settings, shows \
them on pages of controls with a response graph and a live spectrum, and sends every change \
back. The package also holds aec-sim, a simulated processor on a pseudo-terminal, \
aec-preset, which keeps, shows and plots preset files from the command line, and aec-ctl, \
which reads and sets the processor from the command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY aec)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# The libraries the programs link are found by dpkg-shlibdeps; Chinese and Latin fonts make
# the texts readable on a bare system.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, fonts-liberation")
include(CPack)
