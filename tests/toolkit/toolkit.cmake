find_package(Qt6 REQUIRED COMPONENTS Test)
orvella_add_test(toolkit_tests
  SOURCES AppearanceAndImageTests.cpp WindowButtonTests.cpp TableViewTests.cpp
          TransitionTests.cpp RowViewTests.cpp TableRowsTests.cpp
  LIBS orvella_toolkit Qt6::Test)
