# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).
# Side names and order, every message, ten corners as the limit.
lineato_batch_case(NAME polygon_cases ARGS --keep-going --dump EXIT 1)
