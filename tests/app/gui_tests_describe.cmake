# GUI tests of the construction description (see test_gui_* in CMakeLists.txt)
lineato_gui_test(NAME test_description_print SOURCES test_description_print.cpp)
lineato_gui_test(NAME test_description_window SOURCES test_description_window.cpp)
target_link_libraries(test_description_window PRIVATE Qt6::Test)
