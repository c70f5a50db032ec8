#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// File names are bytes; most are UTF-8, but not all. A name read from the
// system (an environment variable, a link, a folder listing) must come back
// as the same bytes when it is handed to another program, or that program
// looks for a file that does not exist. decode() keeps each byte that is not
// part of valid UTF-8 as the lone surrogate U+DC80 + (byte - 0x80), as
// Python's "surrogateescape" does, and encode() turns them back; QFile's own
// functions would make U+FFFD of them, and '?' on the way back.
namespace FileNames {

QString decode(QByteArrayView bytes);
QByteArray encode(const QString &name);

// Whether the name is an existing regular file (links followed).
bool isFile(const QString &name);

}  // namespace FileNames
