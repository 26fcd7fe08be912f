# Sources of lineato_gui for this area: target_sources(lineato_gui PRIVATE ...)
target_sources(lineato_gui PRIVATE einzelschritt.cpp printing.cpp mainform_replay.cpp mainform_print.cpp)
