# Figures, not a test: how the export table copes with 100,000 feeds.
#   build/tests/toolkit_table_bench [feeds]
add_executable(toolkit_table_bench TableBenchmark.cpp)
set_target_properties(toolkit_table_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
target_include_directories(toolkit_table_bench PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(toolkit_table_bench PRIVATE orvella_toolkit)
