#pragma once

#include <QByteArray>

// --check FILE: says how many feeds an OPML file holds and what in it would
// trouble an importer, on standard output. FILE "-" is standard input;
// anything else but a regular file is refused unread. Returns kOk when nothing would,
// kCheckFoundProblems when something would or the file cannot be read.
int runCheck(const QByteArray &file);
