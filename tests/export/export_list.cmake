find_package(Qt6 REQUIRED COMPONENTS Test)
# The export list reads on the store's queue and takes the answer on the main
# thread, so it runs under ThreadSanitizer too.
orvella_add_test(export_list_tests
  SOURCES ExportListTests.cpp
  LIBS orvella_export Qt6::Test
  LABELS threaded)
