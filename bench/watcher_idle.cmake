# CPU that the system-appearance watcher costs an otherwise idle process.
add_executable(watcher_idle ${CMAKE_CURRENT_LIST_DIR}/WatcherIdle.cpp)
target_link_libraries(watcher_idle PRIVATE orvella_services)
set_target_properties(watcher_idle PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
