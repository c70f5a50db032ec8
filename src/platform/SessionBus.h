#pragma once

namespace SessionBus {

// False when the session bus certainly cannot be reached: no address in
// DBUS_SESSION_BUS_ADDRESS and no socket at $XDG_RUNTIME_DIR/bus, or an
// address made only of unix:path= sockets that do not exist. Lets the program
// skip Qt's D-Bus machinery (a thread of its own, and attempts to launch a bus)
// where there is nothing to talk to.
bool mayBeReachable();

// Where no session bus can be reached, libdbus starts one of its own for the
// X display (dbus-launch --autolaunch) the first time anything in the process
// asks for the bus, Qt's accessibility bridge among them, and that bus
// outlives the program. Called before the application object is made: the
// address becomes "disabled:" for this process. Programs it starts through
// Task get the environment as it was.
void preventAutolaunch();
// Whether preventAutolaunch() changed the environment.
bool autolaunchPrevented();
inline constexpr char kDisabledAddress[] = "disabled:";

}  // namespace SessionBus
