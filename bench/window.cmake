# How the export window copes with a reader of 100,000 feeds: filling and
# ticking the table, select all / deselect all, the export text, peak memory.
add_executable(export_window_bench ${CMAKE_CURRENT_LIST_DIR}/window/ExportWindowBench.cpp)
target_link_libraries(export_window_bench PRIVATE orvella_window SQLite::SQLite3)
set_target_properties(export_window_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
