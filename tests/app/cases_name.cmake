# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).
# Intersections of every figure pair with their restrictions, the messages, and the partial result of a
# used second name.
lineato_batch_case(NAME name_sp ARGS --keep-going --dump EXIT 1)
lineato_batch_case(NAME name_circle ARGS --keep-going --dump EXIT 1)
# Numerically delicate circles: mirror image of the second point, nearly equal centres, identical circles.
lineato_batch_case(NAME name_numeric ARGS --keep-going --dump EXIT 1)
lineato_batch_case(NAME name_angle ARGS --keep-going --dump EXIT 1)
