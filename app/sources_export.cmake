# Sources of lineato_gui for this area: target_sources(lineato_gui PRIVATE ...)
target_sources(lineato_gui PRIVATE exportfile.cpp exportdialog.cpp mainform_export.cpp)
