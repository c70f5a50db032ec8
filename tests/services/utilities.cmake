# Notification sounds, UUIDs and the KEY/VALUE property-list lookups.
orvella_add_test(services_utility_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/UtilityTests.cpp
  LIBS orvella_services)
