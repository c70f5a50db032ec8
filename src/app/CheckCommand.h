#pragma once

#include <QByteArray>

// --check FILE: says how many feeds an OPML file holds and what in it would
// trouble an importer, on standard output. Returns kOk when nothing would,
// kCheckFoundProblems when something would or the file cannot be read.
int runCheck(const QByteArray &file);
