find_package(Qt6 REQUIRED COMPONENTS Test)
# Not labelled "threaded": these tests paint the whole window, and Qt's raster
# engine (not built for ThreadSanitizer) splits antialiased fills across its own
# thread pool, which the sanitizer reports as races inside Qt. The window's one
# hop between threads, the list's feed read, runs under ThreadSanitizer in
# export_list_tests.
orvella_add_test(window_tests
  SOURCES ExportWindowTests.cpp TestSavePanel.h
  LIBS orvella_window orvella_about Qt6::Test)
# A second program holding the database's lock, as the reader does.
add_dependencies(window_tests store_sqlite_writer)
target_include_directories(window_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/store)
target_compile_definitions(window_tests PRIVATE
  ORVELLA_SQLITE_WRITER="$<TARGET_FILE:store_sqlite_writer>")
