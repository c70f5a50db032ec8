#include "PlistReader.h"

#include <QBuffer>
#include <QXmlStreamReader>

namespace PlistReader {
namespace {

// Reads the <dict> the reader stands on, up to its end tag.
StringDictionary readDictionary(QXmlStreamReader &xml) {
  StringDictionary entries;
  QString pendingKey;
  bool haveKey = false;
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("key")) {
      pendingKey = xml.readElementText();
      haveKey = true;
      continue;
    }
    if (haveKey && xml.name() == QLatin1String("string")) {
      entries.insert(pendingKey, xml.readElementText());
    } else {
      xml.skipCurrentElement();  // a value of another type, or a value without a key
    }
    haveKey = false;
  }
  return entries;
}

}  // namespace

std::optional<QList<StringDictionary>> readArrayOfStringDictionaries(QIODevice &device) {
  QXmlStreamReader xml(&device);
  if (!xml.readNextStartElement() || xml.name() != QLatin1String("plist")) {
    return std::nullopt;
  }
  if (!xml.readNextStartElement() || xml.name() != QLatin1String("array")) {
    return std::nullopt;
  }
  QList<StringDictionary> elements;
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("dict")) {
      elements.append(readDictionary(xml));
    } else {
      xml.skipCurrentElement();
      elements.append(StringDictionary{});
    }
  }
  // Read to the end, so that a document broken after the array is refused too.
  while (!xml.atEnd()) {
    xml.readNext();
  }
  if (xml.hasError()) {
    return std::nullopt;
  }
  return elements;
}

std::optional<QList<StringDictionary>> readArrayOfStringDictionaries(const QByteArray &xml) {
  QByteArray copy = xml;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  return readArrayOfStringDictionaries(buffer);
}

}  // namespace PlistReader
