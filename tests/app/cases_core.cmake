# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).

# PUNKT and the reading routines: names, numbers, blanks, "@", high bytes, the 255-character cut.
lineato_batch_case(NAME core_points ARGS --keep-going --dump EXIT 1)
# A NUL byte ends the file; without --keep-going the run stops at the first rejected line.
lineato_batch_case(NAME core_nul ARGS --dump EXIT 1)
# Coordinates near 1e245: results that would overflow are rejected, no dump value is infinite.
lineato_batch_case(NAME core_huge ARGS --keep-going --dump EXIT 1)

# A megabyte line and a file of 100,000 lines, generated at test time.
add_test(NAME batch_core_generated
         COMMAND ${CMAKE_COMMAND} -DBATCH=$<TARGET_FILE:lineato-batch> -DWORKDIR=${CMAKE_CURRENT_BINARY_DIR}/core_generated
                 -P ${PROJECT_SOURCE_DIR}/tests/data/core_generated.cmake)
set_tests_properties(batch_core_generated PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
# The first object is never examined by the window fitting: the far point A stays outside.
lineato_batch_case(NAME core_first ARGS --dump)
