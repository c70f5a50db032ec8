#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "platform/Defaults.h"
#include "services/CXServiceFunctions.h"
#include "services/PlistReader.h"

namespace {

const QString kPairs = QStringLiteral("CXKeyValuePairs");

class SoundSetting : public ::testing::Test {
 protected:
  void SetUp() override { Defaults::standard().remove(AppearanceNames::kSoundSettingsKey); }
  void TearDown() override { SetUp(); }
  static std::optional<QString> soundFor(qint64 index) {
    Defaults::standard().setInteger(AppearanceNames::kSoundSettingsKey, index);
    return CXServiceFunctions::defaultNotificationSound();
  }
};

}  // namespace

TEST_F(SoundSetting, TableEdgesAndOutOfRange) {
  EXPECT_EQ(CXServiceFunctions::defaultNotificationSound(), QStringLiteral("Complete"))
      << "absent reads as index 0";
  EXPECT_EQ(soundFor(0), QStringLiteral("Complete"));
  EXPECT_EQ(soundFor(1), QStringLiteral("Basso"));
  EXPECT_EQ(soundFor(9), QStringLiteral("Ping"));
  EXPECT_EQ(soundFor(13), QStringLiteral("Submarine"));
  EXPECT_EQ(soundFor(14), QStringLiteral("Tink"));
  EXPECT_EQ(soundFor(15), std::nullopt);
  EXPECT_EQ(soundFor(-1), std::nullopt);
  EXPECT_EQ(soundFor(std::numeric_limits<qint64>::min()), std::nullopt);
  EXPECT_EQ(soundFor(qint64(1) << 32), std::nullopt) << "must not wrap into the table";
}

TEST(CreateUUID, CanonicalUpperCaseAndUnique) {
  const QRegularExpression form(
      QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}$"));
  QSet<QString> seen;
  for (int i = 0; i < 1000; ++i) {
    const QString uuid = CXServiceFunctions::createUUID();
    ASSERT_EQ(uuid.size(), 36);
    ASSERT_TRUE(form.match(uuid).hasMatch()) << uuid.toStdString();
    seen.insert(uuid);
  }
  EXPECT_EQ(seen.size(), 1000);
}

TEST(PlistLookup, FirstMatchWinsAndComparisonIsExact) {
  // Two elements carry "RSS Feed"; the earlier one answers.
  EXPECT_EQ(CXServiceFunctions::keyForValueInPlist(QStringLiteral("RSS Feed"), kPairs),
            QStringLiteral("rss"));
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("atom"), kPairs),
            QStringLiteral("Atom Feed"));
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("rss2"), kPairs),
            QStringLiteral("RSS Feed"));
  // Entries of other types between KEY and VALUE are passed over; entities decode.
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("podcast"), kPairs),
            QStringLiteral("Podcast & Audio"));
  EXPECT_EQ(CXServiceFunctions::keyForValueInPlist(QStringLiteral("Podcast & Audio"), kPairs),
            QStringLiteral("podcast"));
  // Letter case matters, and so does every character.
  EXPECT_EQ(CXServiceFunctions::keyForValueInPlist(QStringLiteral("rss feed"), kPairs),
            std::nullopt);
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("ATOM"), kPairs), std::nullopt);
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("atom "), kPairs), std::nullopt);
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QString(), kPairs), std::nullopt);
}

TEST(PlistLookup, AFirstMatchWithoutTheOtherEntryAnswersNothing) {
  // "valueless" matches first in an element without VALUE; the later element
  // with a VALUE is not consulted.
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("valueless"), kPairs),
            std::nullopt);
  EXPECT_EQ(CXServiceFunctions::keyForValueInPlist(QStringLiteral("Keyless Feed"), kPairs),
            std::nullopt);
  EXPECT_EQ(CXServiceFunctions::keyForValueInPlist(QStringLiteral("Second Valueless"), kPairs),
            QStringLiteral("valueless"));
}

TEST(PlistLookup, MissingOrUnsafeResourceNamesFindNothing) {
  EXPECT_EQ(
      CXServiceFunctions::valueForKeyInPlist(QStringLiteral("atom"), QStringLiteral("NoSuchList")),
      std::nullopt);
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("atom"),
                                                   QStringLiteral("cxkeyvaluepairs")),
            std::nullopt);
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("atom"),
                                                   QStringLiteral("../plist/CXKeyValuePairs")),
            std::nullopt);
  EXPECT_EQ(CXServiceFunctions::valueForKeyInPlist(QStringLiteral("atom"), QString()),
            std::nullopt);
}

TEST(PlistReader, ReadsOnlyAnArrayOfDictionariesAndRefusesBrokenDocuments) {
  using PlistReader::readArrayOfStringDictionaries;
  const auto good = readArrayOfStringDictionaries(
      QByteArrayLiteral("<?xml version=\"1.0\"?><plist version=\"1.0\"><array>"
                        "<dict><key>KEY</key><string>a</string><key>VALUE</key><string/></dict>"
                        "<string>not a dictionary</string>"
                        "<dict><key>KEY</key><array><string>nested</string></array>"
                        "<key>VALUE</key><string>b</string></dict>"
                        "</array></plist>"));
  ASSERT_TRUE(good.has_value());
  ASSERT_EQ(good->size(), 3);
  EXPECT_EQ(good->at(0).value(QStringLiteral("KEY")), QStringLiteral("a"));
  EXPECT_TRUE(good->at(0).contains(QStringLiteral("VALUE")));
  EXPECT_EQ(good->at(0).value(QStringLiteral("VALUE")), QString());
  EXPECT_TRUE(good->at(1).isEmpty());
  EXPECT_FALSE(good->at(2).contains(QStringLiteral("KEY"))) << "an array is not a string";
  EXPECT_EQ(good->at(2).value(QStringLiteral("VALUE")), QStringLiteral("b"));

  EXPECT_EQ(readArrayOfStringDictionaries(QByteArrayLiteral("<plist><array/></plist>"))->size(), 0);
  // A dictionary at the root, no plist element, broken XML, nothing at all.
  EXPECT_FALSE(readArrayOfStringDictionaries(
      QByteArrayLiteral("<plist><dict><key>KEY</key><string>a</string></dict></plist>")));
  EXPECT_FALSE(readArrayOfStringDictionaries(QByteArrayLiteral("<array><dict/></array>")));
  EXPECT_FALSE(readArrayOfStringDictionaries(
      QByteArrayLiteral("<plist><array><dict><key>KEY</key><string>a</dict></array></plist>")));
  EXPECT_FALSE(
      readArrayOfStringDictionaries(QByteArrayLiteral("<plist><array></array></plist><junk")));
  EXPECT_FALSE(readArrayOfStringDictionaries(QByteArray()));
}
