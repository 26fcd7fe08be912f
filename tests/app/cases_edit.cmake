# End-to-end cases of lineato-batch for this command family: lineato_batch_case(NAME ... [ARGS ...] [EXIT n]).
# LOESCHE in both forms with the list stopping at the first unknown name.
lineato_batch_case(NAME edit_loesche ARGS --keep-going --dump EXIT 1)
# FARBE words (umlauts as Windows-1252 bytes), WERT texts on stdout, DREHE there and back.
lineato_batch_case(NAME edit_farbe ARGS --keep-going --dump EXIT 1)
