# Sources of lineato_gui for this area: target_sources(lineato_gui PRIVATE ...)
