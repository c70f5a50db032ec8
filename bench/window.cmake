# How the export window copes with a reader of 100,000 feeds: filling and
# ticking the table, select all / deselect all, the export text, peak memory.
add_executable(export_window_bench ${CMAKE_CURRENT_LIST_DIR}/window/ExportWindowBench.cpp)
target_link_libraries(export_window_bench PRIVATE orvella_window orvella_feeds_schema SQLite::SQLite3)
set_target_properties(export_window_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
# The start-up comparison runs the command line's export of the same database.
if(TARGET orvella-exporter)
  target_compile_definitions(export_window_bench PRIVATE
    ORVELLA_EXPORTER="$<TARGET_FILE:orvella-exporter>")
  add_dependencies(export_window_bench orvella-exporter)
endif()
