#pragma once

#include <QString>
#include <cstddef>

class QTranslator;

// The English strings table, which holds every key.
inline constexpr char kEnglishTable[] = ":/i18n/orvella_en.qm";

// The form of a text that holds a count that table takes for count (Qt's
// plural rules of its language), with each %Ln replaced by number; the key
// itself when the table has no entry.
QString formForCount(const QTranslator &table, const char *context, const char *key,
                     std::size_t count, const QString &number);

// The English form of a text that holds a count, whatever the user's
// language, with %Ln the count as plain digits: for the command line, whose
// sentences scripts may match.
QString englishForCount(const char *context, const char *key, std::size_t count);
