# Tests of this area
lineato_gui_test(NAME test_gui_options SOURCES test_optionsdialog.cpp)
