# Runs lineato-batch for one end-to-end case and compares its output byte for byte with the expectation.
# Input: BATCH (the tool), NAME (the case), MODE (file, stdin or none), ARGS, EXPECTED_EXIT; the working
# directory holds NAME.con, NAME.out and NAME.err.
set(command ${BATCH} ${ARGS})
set(input)
if(MODE STREQUAL "file")
  list(APPEND command ${NAME}.con)
elseif(MODE STREQUAL "stdin")
  list(APPEND command -)
  set(input INPUT_FILE ${NAME}.con)
endif()

execute_process(COMMAND ${command} ${input} OUTPUT_VARIABLE actual_out ERROR_VARIABLE actual_err
                RESULT_VARIABLE actual_exit)

set(failures "")
foreach(stream out err)
  set(expected "")
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${NAME}.${stream})
    file(READ ${NAME}.${stream} expected)
  endif()
  if(NOT actual_${stream} STREQUAL expected)
    string(APPEND failures "std${stream} differs from ${NAME}.${stream}\n--- expected:\n${expected}--- actual:\n${actual_${stream}}---\n")
  endif()
endforeach()
if(NOT actual_exit STREQUAL EXPECTED_EXIT)
  string(APPEND failures "exit status ${actual_exit}, expected ${EXPECTED_EXIT}\n")
endif()
if(failures)
  list(JOIN command " " shown)
  message(FATAL_ERROR "${shown}\n${failures}")
endif()
