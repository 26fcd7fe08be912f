# GUI tests of this area (see test_gui_* in CMakeLists.txt)
find_package(Qt6 REQUIRED COMPONENTS Test)
lineato_gui_test(NAME test_mainform SOURCES test_mainform.cpp)
target_link_libraries(test_mainform PRIVATE Qt6::Test)
