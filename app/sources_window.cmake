# Sources of lineato_gui for this area: target_sources(lineato_gui PRIVATE ...)
target_sources(lineato_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mainform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainform_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainform_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainform_recovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paintbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editorform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/guimessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commandlistmodel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commandlistdelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainform_manipulation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/placement.cpp)
