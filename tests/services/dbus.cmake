# Interface style from the desktop portal and desktop notifications, against a
# private session bus and servers that the tests play.
orvella_add_test(services_dbus_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/DBusTests.cpp
  LIBS orvella_services Qt6::DBus)
# Not labelled "threaded": Qt's D-Bus thread hands messages over through Qt's
# own futex locks, which ThreadSanitizer cannot see, so every exchange would be
# reported. The threading of our own code is covered by the watcher tests.
