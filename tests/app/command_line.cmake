# Runs the built program as a process, the way scripts use it.
orvella_add_test(command_line_tests
  SOURCES CommandLineTests.cpp ExportSafetyTests.cpp ${PROJECT_SOURCE_DIR}/src/export/OpmlWriter.cpp
  LIBS orvella_store)
add_dependencies(command_line_tests orvella-exporter orvella-exporter-window)
add_dependencies(command_line_tests store_sqlite_writer orvella_sample_db)
target_include_directories(command_line_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/store)
target_compile_definitions(command_line_tests PRIVATE
  ORVELLA_SQLITE_WRITER="$<TARGET_FILE:store_sqlite_writer>"
  ORVELLA_SAMPLE_DATABASE="${ORVELLA_SAMPLE_DB}"
  ORVELLA_MANUAL_PAGE_SOURCE="${PROJECT_SOURCE_DIR}/docs/man/orvella-exporter.1.in"
  ORVELLA_EXPECTED_VERSION="${PROJECT_VERSION}" ORVELLA_EXPECTED_BUILD="${ORVELLA_BUILD_NUMBER}")
