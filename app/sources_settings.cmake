# Sources of lineato_gui for this area: target_sources(lineato_gui PRIVATE ...)
target_sources(lineato_gui PRIVATE optionsdialog.cpp mainform_options.cpp)
