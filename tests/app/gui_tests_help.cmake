# GUI tests of this area (see test_gui_* in CMakeLists.txt)
lineato_gui_test(NAME test_help SOURCES test_help.cpp)
