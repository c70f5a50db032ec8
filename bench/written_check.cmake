# The written-file check of a document with one very long title.
add_executable(written_check_bench ${CMAKE_CURRENT_LIST_DIR}/WrittenCheckBenchmark.cpp)
target_link_libraries(written_check_bench PRIVATE orvella_opml Qt6::Core)
set_target_properties(written_check_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
