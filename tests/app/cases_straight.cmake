# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).

# STRECKE in its three forms, GERADE, STRAHL, MP/MITTELPUNKT: creation order, the 10-character cut,
# degenerate figures, every message.
lineato_batch_case(NAME straight_figures ARGS --keep-going --dump EXIT 1)
