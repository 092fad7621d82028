# Runs FUZZER once over every file in CORPUS; fails when any run fails.
file(GLOB inputs LIST_DIRECTORIES false "${CORPUS}/*")
if(NOT inputs)
    message(FATAL_ERROR "empty corpus: ${CORPUS}")
endif()
execute_process(COMMAND ${FUZZER} ${inputs} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "replay of ${CORPUS} failed: ${rc}")
endif()
