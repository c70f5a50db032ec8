#pragma once

#include <QString>
#include <cstddef>

// The English form of a text that holds a count, whatever the user's
// language, with %Ln the count as plain digits: for the command line, whose
// sentences scripts may match. The form comes from the English strings
// table (the key itself is the form for many).
QString englishForCount(const char *table, const char *key, std::size_t count);
