# GUI tests of this area (see test_gui_* in CMakeLists.txt)
lineato_gui_test(NAME test_printing SOURCES test_printing.cpp)
lineato_gui_test(NAME test_replay_window SOURCES test_replay_window.cpp)
