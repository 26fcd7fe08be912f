# GUI tests of this area (see test_gui_* in CMakeLists.txt)
lineato_add_test(NAME test_settings_file SOURCES test_inifile.cpp test_settings.cpp LIBS lineato_gui)
lineato_gui_test(NAME test_gui_options SOURCES test_optionsdialog.cpp)
