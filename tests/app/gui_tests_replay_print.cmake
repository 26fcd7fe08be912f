# GUI tests of this area (see test_gui_* in CMakeLists.txt)
