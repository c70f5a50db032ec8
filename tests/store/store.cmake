# Stands in for the reader writing to its database, in store and command-line tests.
add_executable(store_sqlite_writer SqliteWriter.cpp)
target_link_libraries(store_sqlite_writer PRIVATE SQLite::SQLite3)
set_target_properties(store_sqlite_writer PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

orvella_add_test(store_tests
  SOURCES FeedDatabaseTests.cpp ExportStorageTests.cpp
  LIBS orvella_store
  LABELS threaded)
add_dependencies(store_tests store_sqlite_writer orvella_sample_db)
target_include_directories(store_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(store_tests PRIVATE
  ORVELLA_SQLITE_WRITER="$<TARGET_FILE:store_sqlite_writer>"
  ORVELLA_SAMPLE_DATABASE="${ORVELLA_SAMPLE_DB}")
