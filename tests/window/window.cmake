find_package(Qt6 REQUIRED COMPONENTS Test)
# The window reads its feeds on the store's queue, so it runs under
# ThreadSanitizer too.
orvella_add_test(window_tests
  SOURCES ExportWindowTests.cpp TestSavePanel.h
  LIBS orvella_window Qt6::Test
  LABELS threaded)
