# cmake -DBUILD_DIR=... -DROOT=... -DPROGRAMS=a;b -DVERSION=x.y.z -DAPP_ID=... -P check_install.cmake
# Installs BUILD_DIR under /usr in the scratch ROOT, as the package does, and checks that every
# program answers --version with the project's version from there, that the menu entry, icon and
# description are in place (validated when the validators are present) and that nothing lands
# outside /usr.
file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${ROOT}
        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "installing into ${ROOT} failed: ${status}")
endif()

set(problems "")
file(GLOB top RELATIVE ${ROOT} ${ROOT}/*)
if(NOT top STREQUAL "usr")
    list(APPEND problems "installed outside /usr: ${top}")
endif()

foreach(program IN LISTS PROGRAMS)
    set(path ${ROOT}/usr/bin/${program})
    if(NOT EXISTS ${path})
        list(APPEND problems "${program} is not installed")
        continue()
    endif()
    # No display is needed: --version is answered before any window exists.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            ${path} --version
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    string(STRIP "${out}" out)
    if(NOT status EQUAL 0 OR NOT out STREQUAL "${program} ${VERSION}")
        list(APPEND problems "${program} --version gave ${status}: '${out}' ${err}")
    endif()
endforeach()

set(desktop ${ROOT}/usr/share/applications/${APP_ID}.desktop)
set(metainfo ${ROOT}/usr/share/metainfo/${APP_ID}.metainfo.xml)
foreach(file ${desktop} ${metainfo} ${ROOT}/usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
        ${ROOT}/usr/share/doc/aec/copyright)
    if(NOT EXISTS ${file})
        list(APPEND problems "missing ${file}")
    endif()
endforeach()
if(EXISTS ${metainfo})
    file(READ ${metainfo} text)
    if(NOT text MATCHES "<release version=\"${VERSION}\"")
        list(APPEND problems "the description does not name release ${VERSION}")
    endif()
endif()

# The validators are optional tools; each runs only where it is installed.
find_program(DESKTOP_VALIDATE desktop-file-validate)
if(DESKTOP_VALIDATE AND EXISTS ${desktop})
    execute_process(COMMAND ${DESKTOP_VALIDATE} ${desktop}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        list(APPEND problems "desktop-file-validate: ${out}")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI AND EXISTS ${metainfo})
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        list(APPEND problems "appstreamcli validate: ${out}")
    endif()
endif()

if(problems)
    list(JOIN problems "\n" text)
    message(FATAL_ERROR "${text}")
endif()
message(STATUS "installed ${PROGRAMS} into ${ROOT}: all answer ${VERSION}")
