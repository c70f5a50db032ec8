# The launch sequence and reader hand-off, with stand-in reader processes and a
# recording opener for the relaunch; the built program for the command-line
# modes.
orvella_add_test(app_delegate_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AppDelegateTests.cpp
          ${PROJECT_SOURCE_DIR}/tests/platform/ProcessHelpers.cpp
  LIBS orvella_app)
target_include_directories(app_delegate_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/platform)
add_dependencies(app_delegate_tests orvella_stand_in_reader orvella_bus_reader orvella_sample_db
  orvella_file_manager_stand_in)
add_dependencies(app_delegate_tests orvella-exporter)
target_compile_definitions(app_delegate_tests PRIVATE
  ORVELLA_STAND_IN_READER="$<TARGET_FILE:orvella_stand_in_reader>"
  ORVELLA_BUS_READER="$<TARGET_FILE:orvella_bus_reader>"
  ORVELLA_FILE_MANAGER_STAND_IN="$<TARGET_FILE:orvella_file_manager_stand_in>"
  ORVELLA_SAMPLE_DATABASE="${ORVELLA_SAMPLE_DB}")
