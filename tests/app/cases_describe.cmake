# The construction description of lineato-batch --describe, alone and with the dump, after a rejected line.
lineato_batch_case(NAME describe_thaleskreis NO_FILE ARGS --describe ../../examples/thaleskreis.con)
lineato_batch_case(NAME describe_mixed ARGS --keep-going --describe --dump EXIT 1)
