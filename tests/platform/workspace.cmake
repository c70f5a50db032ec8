# Running applications and detached programs, with real child processes.
add_executable(orvella_stand_in_reader ${CMAKE_CURRENT_LIST_DIR}/StandInReader.cpp)
set_target_properties(orvella_stand_in_reader PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# A reader that owns its id on the session bus and answers Activate.
add_executable(orvella_bus_reader ${CMAKE_CURRENT_LIST_DIR}/BusReader.cpp)
target_link_libraries(orvella_bus_reader PRIVATE Qt6::DBus)
set_target_properties(orvella_bus_reader PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

add_executable(orvella_workspace_probe ${CMAKE_CURRENT_LIST_DIR}/WorkspaceProbe.cpp)
target_link_libraries(orvella_workspace_probe PRIVATE orvella_desktop)
set_target_properties(orvella_workspace_probe PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

orvella_add_test(workspace_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WorkspaceTests.cpp ${CMAKE_CURRENT_LIST_DIR}/TaskTests.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ProcessHelpers.cpp
  LIBS orvella_platform orvella_desktop)
add_dependencies(workspace_tests orvella_stand_in_reader orvella_workspace_probe)
target_compile_definitions(workspace_tests PRIVATE
  ORVELLA_STAND_IN_READER="$<TARGET_FILE:orvella_stand_in_reader>"
  ORVELLA_WORKSPACE_PROBE="$<TARGET_FILE:orvella_workspace_probe>")

# The desktop's file manager as the session bus offers it.
add_executable(orvella_file_manager_stand_in ${CMAKE_CURRENT_LIST_DIR}/FileManagerStandIn.cpp)
target_link_libraries(orvella_file_manager_stand_in PRIVATE Qt6::DBus)
set_target_properties(orvella_file_manager_stand_in PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
