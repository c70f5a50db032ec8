# Preferences, interface style, notifications, strings tables and the
# main queue's cancellable hop.
orvella_add_test(platform_services_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PlatformServicesTests.cpp
  LIBS orvella_platform orvella_desktop
  LABELS threaded)
# The helper program that plays "another process" lives with the services tests.
target_compile_definitions(platform_services_tests PRIVATE
  SERVICES_PROBE="$<TARGET_FILE:services_probe>")
add_dependencies(platform_services_tests services_probe)
