# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).

# SENKRECHTE on every straight kind (a point on the base, vertical and horizontal bases, the coinciding
# construction point), PARALLELE through a point and at a distance (the erased auxiliary point comes
# first), KREIS by number, peripheral point and segment, zero and negative radii, every message.
lineato_batch_case(NAME construct_figures ARGS --keep-going --dump EXIT 1)
