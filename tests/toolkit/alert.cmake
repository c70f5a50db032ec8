find_package(Qt6 REQUIRED COMPONENTS Test)
# The alert can be asked for from any thread; its completion must still run on
# the main thread, so these run under ThreadSanitizer too.
orvella_add_test(toolkit_alert_tests
  SOURCES AlertTests.cpp
  LIBS orvella_toolkit Qt6::Test
  LABELS threaded)
