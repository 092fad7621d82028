# Helpers that keep the declaration of a library, test, fuzz target or benchmark to one call.

# aec_library(NAME SOURCES ... [LIBS ...])
# Include paths are rooted at the project folder: #include "core/scales.h".
function(aec_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# aec_test(NAME SOURCES ... [LIBS ...] [LABELS ...] [QT_GUI] [TIMEOUT s])
# QT_GUI tests run on the offscreen platform, so they need no display.
function(aec_test name)
    if(AEC_FUZZ_ONLY)
        return()  # the fuzz build compiles only the fuzz targets
    endif()
    cmake_parse_arguments(ARG "QT_GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    set(env "")
    if(ARG_QT_GUI)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${env}")
endfunction()

# aec_fuzz(NAME SOURCES ... LIBS ... CORPUS dir)
# With clang this is a libFuzzer binary (ASan + UBSan) that the test fuzzes briefly
# and then replays the corpus; with other compilers a plain driver replays the corpus.
function(aec_fuzz name)
    cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
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
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
