# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).
# The shipped example constructions must be accepted whole and keep their geometry; they are read in place
# from examples/ and compared with example_NAME.out here.
foreach(example umkreis mittelsenkrechte inkreis thaleskreis tangenten sechseck)
  lineato_batch_case(NAME example_${example} NO_FILE ARGS --dump ../../examples/${example}.con)
endforeach()
