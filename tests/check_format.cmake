# Fails when a C++ source of the project deviates from .clang-format.
file(GLOB_RECURSE sources
     ${SOURCE_DIR}/drawing/*.cpp ${SOURCE_DIR}/drawing/*.h
     ${SOURCE_DIR}/geometry/*.cpp ${SOURCE_DIR}/geometry/*.h
     ${SOURCE_DIR}/intersect/*.cpp ${SOURCE_DIR}/intersect/*.h
     ${SOURCE_DIR}/parser/*.cpp ${SOURCE_DIR}/parser/*.h
     ${SOURCE_DIR}/text/*.cpp ${SOURCE_DIR}/text/*.h
     ${SOURCE_DIR}/document/*.cpp ${SOURCE_DIR}/document/*.h
     ${SOURCE_DIR}/describe/*.cpp ${SOURCE_DIR}/describe/*.h
     ${SOURCE_DIR}/export/*.cpp ${SOURCE_DIR}/export/*.h
     ${SOURCE_DIR}/batch/*.cpp ${SOURCE_DIR}/batch/*.h
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/fuzz/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "Sources are not formatted; run: make format")
endif()
