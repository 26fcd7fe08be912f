# Sources of lineato_gui for the construction description: its window and its printing.
target_sources(lineato_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/descriptionwindow.cpp
                                   ${CMAKE_CURRENT_LIST_DIR}/printdescription.cpp)
target_link_libraries(lineato_gui PUBLIC lineato_describe)
