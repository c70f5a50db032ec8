#pragma once

#include <QIcon>
#include <QString>

// Who the program is on the desktop: the id its desktop entry, icon and
// metadata are installed under, the name people see, and its icon.
namespace DesktopIdentity {

// The desktop entry's name without ".desktop". Wayland's app id and the
// desktop's matching of windows to the entry use it.
inline constexpr char kDesktopFileName[] = "com.Corvanex.OrvellaExporter";

// The program's name as people see it, in window lists and the About window.
QString displayName();

// The installed icon of the desktop's icon theme; the copy built into the
// program when none is installed (run from the build folder).
QIcon applicationIcon();

// Gives the running application its desktop file name, display name and
// window icon. Call it once the application object exists.
void apply();

}  // namespace DesktopIdentity
