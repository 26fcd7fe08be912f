# GUI tests of this area (see test_gui_* in CMakeLists.txt)
lineato_gui_test(NAME test_export_window SOURCES test_export_window.cpp)
target_link_libraries(test_export_window PRIVATE Qt6::Test)
