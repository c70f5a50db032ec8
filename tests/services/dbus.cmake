# Interface style from the desktop portal and desktop notifications, against a
# private session bus and servers that the tests play.
orvella_add_test(services_dbus_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DBusTests.cpp
  LIBS orvella_services Qt6::DBus
  LABELS threaded)
