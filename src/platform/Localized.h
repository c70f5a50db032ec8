#pragma once

#include <QString>

// The text shown for key in one of the program's strings tables
// ("CXInterfaceString" for messages, "InfoPlist" for the About window). The
// key is the English text or a short name; a key without an entry is shown
// as it stands. Works with or without an application object and on any
// thread.
QString localized(const char *table, const char *key);
