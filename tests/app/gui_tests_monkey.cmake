# The monkey test of the main window: random actions for a while, invariants after each. The sanitizer
# build runs it longer; `make fuzz` longer still (test_monkey --seconds S).
if(LINEATO_SANITIZE)
  set(monkey_default_seconds 60)
else()
  set(monkey_default_seconds 10)
endif()
set(LINEATO_MONKEY_SECONDS ${monkey_default_seconds} CACHE STRING "Seconds the monkey test runs in CTest")
add_executable(test_monkey test_monkey.cpp monkey/monkeylines.cpp monkey/monkeychecks.cpp)
target_include_directories(test_monkey PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(test_monkey PRIVATE lineato_gui Qt6::Test)
lineato_warnings(test_monkey)
# Fixed seeds (rounds 1, 2, ...) so that a run of the tests does not depend on the clock; `make fuzz`
# draws its seeds from the time.
add_test(NAME test_monkey COMMAND test_monkey --seed 1 --seconds ${LINEATO_MONKEY_SECONDS})
math(EXPR monkey_timeout "${LINEATO_MONKEY_SECONDS} * 2 + 120")
set_tests_properties(test_monkey PROPERTIES TIMEOUT ${monkey_timeout}
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
