orvella_add_test(atomic_file_tests
  SOURCES AtomicFileTests.cpp
  LIBS orvella_platform)
