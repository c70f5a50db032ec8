# The relaunch command, run for real through the shell with a recording opener.
# RelaunchCommand.cpp is compiled in directly: it is pure logic over the
# platform layer, and the rest of the app layer is not needed here.
add_executable(orvella_relaunch_probe
  ${CMAKE_CURRENT_LIST_DIR}/RelaunchProbe.cpp ${PROJECT_SOURCE_DIR}/src/app/RelaunchCommand.cpp)
target_link_libraries(orvella_relaunch_probe PRIVATE orvella_platform)
set_target_properties(orvella_relaunch_probe PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

orvella_add_test(relaunch_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RelaunchTests.cpp ${PROJECT_SOURCE_DIR}/src/app/RelaunchCommand.cpp
  LIBS orvella_platform)
add_dependencies(relaunch_tests orvella_relaunch_probe)
target_compile_definitions(relaunch_tests PRIVATE
  ORVELLA_RELAUNCH_PROBE="$<TARGET_FILE:orvella_relaunch_probe>")
