# Helpers that keep the declaration of a library, test, fuzz target or benchmark to one call.

# aec_expose(TARGET SCOPE FOLDER...)
# Each target gets an include folder of its own in the build tree, include/<target>, holding a
# link named after each FOLDER (relative to the project root) to that source folder. Include
# paths stay rooted at the project folder, #include "core/scales.h", but resolve only for the
# folders a target exposes and those of the libraries it links.
function(aec_expose target scope)
    set(dir ${CMAKE_BINARY_DIR}/include/${target})
    # Made afresh, so no link from an earlier configuration outlives a change of folders
    # (removing a link leaves the folder it points to alone).
    file(REMOVE_RECURSE ${dir})
    foreach(folder IN LISTS ARGN)
        if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${folder})
            message(FATAL_ERROR "${target}: no folder ${folder} to expose")
        endif()
        get_filename_component(parent ${dir}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC COPY_ON_ERROR)
    endforeach()
    target_include_directories(${target} ${scope} ${dir})
endfunction()

# The folder of the calling CMakeLists.txt, relative to the project root.
macro(aec_own_folder var)
    file(RELATIVE_PATH ${var} ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
endmacro()

# aec_library(NAME [SOURCES ...] [LIBS ...] [EXPORTS folder...])
# Users of the library see the folders it EXPORTS, by default the folder it is declared in,
# and those of the libraries it links. Without SOURCES it is a header-only library.
function(aec_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;EXPORTS" ${ARGN})
    if(NOT ARG_EXPORTS)
        aec_own_folder(ARG_EXPORTS)
    endif()
    if(ARG_SOURCES)
        add_library(${name} STATIC ${ARG_SOURCES})
        aec_expose(${name} PUBLIC ${ARG_EXPORTS})
        target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    else()
        add_library(${name} INTERFACE)
        aec_expose(${name} INTERFACE ${ARG_EXPORTS})
        target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    endif()
endfunction()

# aec_test(NAME SOURCES ... [LIBS ...] [LABELS ...] [QT_GUI] [TIMEOUT s])
# QT_GUI tests run on the offscreen platform, so they need no display. The target
# <label>-tests builds the tests of a label, e.g. `cmake --build build --target unit-tests`.
function(aec_test name)
    if(AEC_FUZZ_ONLY)
        return()  # the fuzz build compiles only the fuzz targets
    endif()
    cmake_parse_arguments(ARG "QT_GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    aec_own_folder(folder)
    aec_expose(${name} PRIVATE ${folder})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set(env "")
    if(ARG_QT_GUI)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(AEC_SANITIZE)
        # UBSan stops at its first finding like ASan does; leaks that belong to the system
        # libraries are listed in lsan.supp.
        list(APPEND env "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1"
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${env}")
    foreach(label IN LISTS ARG_LABELS)
        if(NOT TARGET ${label}-tests)
            add_custom_target(${label}-tests)
        endif()
        add_dependencies(${label}-tests ${name})
    endforeach()
endfunction()

# aec_fuzz(NAME SOURCES ... LIBS ... CORPUS dir)
# With clang this is a libFuzzer binary (ASan + UBSan) that the test fuzzes briefly
# and then replays the corpus; with other compilers a plain driver replays the corpus.
function(aec_fuzz name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    aec_own_folder(folder)
    aec_expose(${name} PRIVATE ${folder})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        # New inputs go to a scratch folder in the build tree; the checked-in corpus only seeds it.
        set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}_work)
        add_test(NAME ${name}_run COMMAND sh -c
            "mkdir -p '${work}' && exec '$<TARGET_FILE:${name}>' -runs=20000 -max_len=4096 '${work}' '${ARG_CORPUS}'")
        set_tests_properties(${name}_run PROPERTIES LABELS "fuzz" TIMEOUT 300
            ENVIRONMENT "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
    else()
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz_replay_main.cpp)
    endif()
    # Replays every file of the corpus once, including any crash reproducers checked in.
    add_test(NAME ${name}_replay COMMAND ${CMAKE_COMMAND}
        -DFUZZER=$<TARGET_FILE:${name}> -DCORPUS=${ARG_CORPUS}
        -P ${PROJECT_SOURCE_DIR}/cmake/ReplayCorpus.cmake)
    set_tests_properties(${name}_replay PROPERTIES LABELS "fuzz" TIMEOUT 300)
endfunction()

# aec_bench(NAME SOURCES ... LIBS ...): built by default, never run by ctest.
function(aec_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    aec_own_folder(folder)
    aec_expose(${name} PRIVATE ${folder})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
