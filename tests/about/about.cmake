find_package(Qt6 REQUIRED COMPONENTS Test)
orvella_add_test(about_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AboutWindowTests.cpp
  LIBS orvella_about Qt6::Test)
