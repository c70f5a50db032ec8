find_package(Qt6 REQUIRED COMPONENTS Test)
orvella_add_test(toolkit_alert_tests
  SOURCES AlertTests.cpp
  LIBS orvella_toolkit Qt6::Test)

# Asked for from a worker thread, the alert still answers on the main thread.
# Run under ThreadSanitizer; it answers through the test seam, so no widget is
# painted (Qt's own painting threads are not instrumented and would only add
# noise there).
orvella_add_test(toolkit_alert_thread_tests
  SOURCES AlertThreadTests.cpp
  LIBS orvella_toolkit
  LABELS threaded)
