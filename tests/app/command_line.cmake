# Runs the built program as a process, the way scripts use it.
orvella_add_test(command_line_tests
  SOURCES CommandLineTests.cpp ExportSafetyTests.cpp
  LIBS orvella_opml)
add_dependencies(command_line_tests orvella-exporter orvella-exporter-window)
add_dependencies(command_line_tests store_sqlite_writer orvella_sample_db)
target_include_directories(command_line_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/store)
target_compile_definitions(command_line_tests PRIVATE
  ORVELLA_SQLITE_WRITER="$<TARGET_FILE:store_sqlite_writer>"
  ORVELLA_SAMPLE_DATABASE="${ORVELLA_SAMPLE_DB}"
  ORVELLA_MANUAL_PAGE_SOURCE="${PROJECT_SOURCE_DIR}/docs/man/orvella-exporter.1.in"
  ORVELLA_EXPECTED_VERSION="${PROJECT_VERSION}" ORVELLA_EXPECTED_BUILD="${ORVELLA_BUILD_NUMBER}")

# --check, --backup and the read-back of written files.
orvella_add_test(check_and_backup_tests SOURCES CheckAndBackupTests.cpp LIBS orvella_store)
add_dependencies(check_and_backup_tests orvella-exporter orvella_sample_db orvella_mangled_write
  store_sqlite_writer)
target_include_directories(check_and_backup_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/store)
# Stands for storage that changes what it is given, preloaded into the program.
add_library(orvella_mangled_write MODULE MangledWrite.c)
set_target_properties(orvella_mangled_write PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_link_libraries(orvella_mangled_write PRIVATE ${CMAKE_DL_LIBS})
# Uninstrumented in sanitizer builds: it must not bring a sanitizer's runtime
# in ahead of the program's (the tests also tell AddressSanitizer not to
# insist on coming first).
target_compile_options(orvella_mangled_write PRIVATE -fno-sanitize=all)
target_link_options(orvella_mangled_write PRIVATE -fno-sanitize=all)
target_compile_definitions(check_and_backup_tests PRIVATE
  ORVELLA_SQLITE_WRITER="$<TARGET_FILE:store_sqlite_writer>"
  ORVELLA_SAMPLE_DATABASE="${ORVELLA_SAMPLE_DB}"
  ORVELLA_MANGLED_WRITE="$<TARGET_FILE:orvella_mangled_write>")
