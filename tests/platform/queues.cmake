orvella_add_test(platform_tests
  SOURCES QueueTests.cpp GroupContainerTests.cpp
  LIBS orvella_platform
  LABELS threaded)
