orvella_add_test(export_separator_tests
  SOURCES SeparatorCellViewTests.cpp
  LIBS orvella_export orvella_toolkit)
