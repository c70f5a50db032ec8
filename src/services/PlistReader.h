#pragma once

#include <QIODevice>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// A reader for the XML property lists the program ships as resources, limited
// to what they hold: an array at the root whose elements are dictionaries.
namespace PlistReader {

// The string entries of one dictionary element, by key. Entries of other types
// (numbers, nested arrays, ...) are left out; an element that is not a
// dictionary reads as an empty one, which matches no lookup.
using StringDictionary = QMap<QString, QString>;

// The elements of the root array, in file order. Absent when the document is
// not well-formed XML, not a property list, or its root is not an array.
std::optional<QList<StringDictionary>> readArrayOfStringDictionaries(QIODevice &device);
std::optional<QList<StringDictionary>> readArrayOfStringDictionaries(const QByteArray &xml);

}  // namespace PlistReader
