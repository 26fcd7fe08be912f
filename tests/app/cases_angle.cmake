# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).

# WINKEL main form and HALB/HALBIERENDE: creation order (auxiliary point, ray, angle), the leg-direction
# rule for either end of the leg, a vertical leg and a vertex off the leg, the 10-character cut, the
# whole-word keyword, an empty first word, degenerate legs, every message.
lineato_batch_case(NAME angle_figures ARGS --keep-going --dump EXIT 1)
