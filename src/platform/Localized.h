#pragma once

#include <QLocale>
#include <QString>

#include "platform/Sentence.h"

// The text shown for key in one of the program's strings tables
// ("CXInterfaceString" for messages, "InfoPlist" for the About window). The
// key is the English text or a short name; a key without an entry is shown
// as it stands. Works with or without an application object and on any
// thread.
//
// The tables are those of the first of the user's languages
// (QLocale::uiLanguages) that the program has a table for, English when none
// has; Qt's own texts come from the system's Qt translations of the user's
// language, where installed.
QString localized(const char *table, const char *key);

// The text for a count: the plural form of key that the language takes for
// count (its table's forms, as Qt's plural rules pick them; English's "one"
// and "other" when the table has none), with each %Ln the count in the
// locale's digits and grouping.
QString localized(const char *table, const char *key, qint64 count);

// The sentence in the user's language: its source and each of its parts
// looked up in "CXInterfaceString", the values put in. In a language that
// reads right to left each value is an isolate: a path (a value with a "/")
// left to right, anything else in the direction of its first letter.
QString localized(const Sentence &sentence);

// Whether the strings table in use is of a language that reads right to left.
bool stringsTableReadsRightToLeft();

// A path or a file name to be put into a sentence. In a sentence that reads
// right to left the path is a left-to-right isolate (U+2066 ... U+2069), so
// that its leading "/" stays in front and its folders in order, and the name a
// first-strong isolate (U+2068 ... U+2069), which keeps the sentence's order
// around it whatever its letters; in a left-to-right sentence both stay as
// they are.
QString isolatedPath(const QString &path, bool rightToLeft = stringsTableReadsRightToLeft());
QString isolatedName(const QString &name, bool rightToLeft = stringsTableReadsRightToLeft());

// Loads the tables of locale's languages in place of those in use. For a
// language switch before the windows are made, and for tests: main thread
// only, while no other thread looks up texts. Texts already shown stay.
void reloadStringsTables(const QLocale &locale);

// The language of the program's table in use ("de", "pt_BR", "en_GB").
QString stringsTableLanguage();
// Whether Qt's own translations for the language were found.
bool qtTranslationsLoaded();
