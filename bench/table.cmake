# How the export table copes with 100,000 feeds: filling, selecting, scrolling
# and painting, with the test suite's model shaped like the export list.
#   build/bench/table_bench [feeds]
add_executable(table_bench ${CMAKE_CURRENT_LIST_DIR}/TableBenchmark.cpp)
set_target_properties(table_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_include_directories(table_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(table_bench PRIVATE orvella_toolkit)
