# What a user waits for in the export list with 100,000 feeds: the feeds
# arriving, ticked and painted; a filter key; the filter emptied.
#   build/bench/table_bench [feeds] [runs]
add_executable(table_bench ${CMAKE_CURRENT_LIST_DIR}/TableBenchmark.cpp)
set_target_properties(table_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
target_link_libraries(table_bench PRIVATE orvella_export)
