# The colour-scheme decision and the system-appearance watcher.
add_executable(services_probe ${CMAKE_CURRENT_LIST_DIR}/ServicesProbe.cpp)
target_link_libraries(services_probe PRIVATE orvella_services Qt6::Widgets)
set_target_properties(services_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

orvella_add_test(services_appearance_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AppearanceTests.cpp
  LIBS orvella_services
  LABELS threaded)
target_compile_definitions(services_appearance_tests PRIVATE
  SERVICES_PROBE="$<TARGET_FILE:services_probe>")
add_dependencies(services_appearance_tests services_probe)
