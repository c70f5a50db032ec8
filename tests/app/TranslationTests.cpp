// The strings tables as a translator hands them in and as the window shows
// them: each table compiles, has every entry of the English one, finished and
// with the source's placeholders; and in each language no label or button of
// the export window, its completion view, the alerts or About is cut short,
// right-to-left languages laid out from the right.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>
#include <map>

#include "ReaderDatabase.h"
#include "TestSavePanel.h"
#include "TestSupport.h"
#include "about/CXAboutWC.h"
#include "app/CXAppDelegate.h"
#include "export/CXExportListVC.h"
#include "platform/AtomicFile.h"
#include "platform/Localized.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"
#include "store/ReadResult.h"
#include "toolkit/CXAlert.h"
#include "window/CXExportDocumentWC.h"

using testsupport::qpath;
using testsupport::TempDir;
using testsupport::waitUntil;

namespace {

const QStringList kLanguages = {QStringLiteral("uk"), QStringLiteral("de"),    QStringLiteral("fr"),
                                QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("pl"),
                                QStringLiteral("it"), QStringLiteral("ja"),    QStringLiteral("he"),
                                QStringLiteral("ar")};

struct Entry {
  Entry(QString text = {}, bool done = true) : translation(std::move(text)), finished(done) {}
  QString translation;
  bool finished = true;
  // For a text that holds a count: its plural forms, in the order of the
  // language's plural rules (translation is then the last).
  QStringList forms;
};
// (context, source) -> entry.
using Table = std::map<std::pair<QString, QString>, Entry>;

QString tablePath(const QString &language) {
  return QStringLiteral(ORVELLA_TRANSLATIONS "/orvella_%1.ts").arg(language);
}

Table readTable(const QString &path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  Table table;
  QString context, source;
  bool numerus = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    } else if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      Entry entry;
      entry.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      if (numerus) {
        while (xml.readNextStartElement()) entry.forms << xml.readElementText();
        entry.translation = entry.forms.value(entry.forms.size() - 1);
      } else {
        entry.translation = xml.readElementText();
      }
      table[{context, source}] = entry;
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return table;
}

// %1 ... %9 in order of number, each as often as it appears.
QStringList placeholders(const QString &text) {
  QStringList found;
  for (const auto &m : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text))
    found << m.captured();
  found.sort();
  return found;
}

// How many single & (shortcut markers, not a doubled && that shows one &).
qsizetype shortcutMarkers(const QString &text) {
  return QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&'));
}

// How many plural forms Qt's rules give a language: lupdate writes that many
// into a fresh table for a text with a count.
int pluralFormsOf(const QString &language) {
  static std::map<QString, int> known;
  if (const auto found = known.find(language); found != known.end()) return found->second;
  TempDir dir;
  std::filesystem::create_directory(dir / "src");
  QFile source(qpath(dir / "src" / "counted.cpp"));
  EXPECT_TRUE(source.open(QIODevice::WriteOnly));
  source.write(
      "#include <QCoreApplication>\n"
      "QString f(int n) { return QCoreApplication::translate(\"C\", \"%n x\", nullptr, n); "
      "}\n");
  source.close();
  QProcess lupdate;
  lupdate.start(QStringLiteral(ORVELLA_LUPDATE),
                {QStringLiteral("-silent"), qpath(dir / "src"), QStringLiteral("-target-language"),
                 language, QStringLiteral("-ts"), qpath(dir / "fresh.ts")});
  EXPECT_TRUE(lupdate.waitForFinished(60'000));
  EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const Table fresh = readTable(qpath(dir / "fresh.ts"));
  const auto entry = fresh.find({QStringLiteral("C"), QStringLiteral("%n x")});
  const int forms = entry == fresh.end() ? 0 : int(entry->second.forms.size());
  EXPECT_GT(forms, 0) << language.toStdString();
  return known[language] = forms;
}

// French sets : ; ! ? » apart from the word before them and « from the word
// after it, with a space that does not break (U+00A0, or the narrow U+202F):
// an ordinary space lets the sign wrap to a line of its own.
QString frenchSpacingProblem(const QString &text) {
  static const QRegularExpression ordinary(QStringLiteral("( [:;!?»]|« )"));
  static const QRegularExpression none(QStringLiteral(
      "([^\\s\\x{a0}\\x{202f}][;!?»]|[^\\s\\x{a0}\\x{202f}/]:(?!//)|«[^\\x{a0}\\x{202f}])"));
  if (text.contains(ordinary)) return QStringLiteral("ordinary space at punctuation");
  if (text.contains(none)) return QStringLiteral("no space at punctuation");
  return QString();
}

// What is wrong with one text of a translation: the plain one, or one plural
// form of a counted one.
QString problemWithText(const QString &source, const QString &text, const QString &language) {
  if (text.trimmed().isEmpty()) return QStringLiteral("untranslated");
  if (placeholders(text) != placeholders(source)) return QStringLiteral("placeholders differ");
  if (shortcutMarkers(text) != shortcutMarkers(source))
    return QStringLiteral("shortcut markers differ");
  for (const QString &name : {QStringLiteral("Orvella Exporter"), QStringLiteral("Orvella")}) {
    if (source.contains(name) && !text.contains(name))
      return QStringLiteral("product name changed");
  }
  // "Export…" says that a dialog follows; in a right-to-left language the
  // ellipsis, last in reading order, shows at the left.
  if (source.endsWith(QChar(0x2026)) != text.endsWith(QChar(0x2026)))
    return QStringLiteral("ellipsis not at the end");
  if (language == QLatin1String("fr")) return frenchSpacingProblem(text);
  return QString();
}

// What is wrong with one translation of the English text in a language
// with pluralForms forms (0: not checked); empty when nothing is.
QString problemWith(const QString &source, const Entry &entry, const QString &language = {},
                    int pluralForms = 0) {
  if (!entry.finished) return QStringLiteral("unfinished");
  // A count in a plain entry reads "%Ln" in the window, or one form for
  // every count.
  if (source.contains(QLatin1String("%Ln")) && entry.forms.isEmpty())
    return QStringLiteral("not a numerus entry");
  if (pluralForms > 0 && !entry.forms.isEmpty() && entry.forms.size() != pluralForms)
    return QStringLiteral("plural forms: %1 of %2").arg(entry.forms.size()).arg(pluralForms);
  for (const QString &form : entry.forms.isEmpty() ? QStringList{entry.translation} : entry.forms) {
    const QString problem = problemWithText(source, form, language);
    if (!problem.isEmpty()) return problem;
  }
  return QString();
}

TEST(StringsTables, EveryLanguageHasEveryEntryFinishedWithTheSourcesPlaceholders) {
  const Table english = readTable(tablePath(QStringLiteral("en")));
  ASSERT_GT(english.size(), 80u);
  for (const QString &language : kLanguages) {
    SCOPED_TRACE(language.toStdString());
    const Table table = readTable(tablePath(language));
    const int pluralForms = pluralFormsOf(language);
    for (const auto &[key, entry] : english) {
      const auto found = table.find(key);
      if (found == table.end()) {
        ADD_FAILURE() << "no entry for " << key.second.toStdString();
        continue;
      }
      // Some keys are short names ("Version"): the English table holds the text.
      const QString problem = problemWith(entry.translation, found->second, language, pluralForms);
      EXPECT_TRUE(problem.isEmpty()) << problem.toStdString() << ": " << key.second.toStdString()
                                     << " -> " << found->second.translation.toStdString();
    }
    for (const auto &[key, entry] : table)
      EXPECT_TRUE(english.count(key)) << "not in the English table: " << key.second.toStdString();
  }
}

// Every text the code marks for translation, as lupdate finds it in the
// sources and forms, has its entry: a new sentence cannot reach the window
// untranslated.
TEST(StringsTables, EveryTextTheCodeMarksHasAnEntry) {
  TempDir dir;
  const QString extracted = qpath(dir / "extracted.ts");
  QProcess lupdate;
  lupdate.start(
      QStringLiteral(ORVELLA_LUPDATE),
      {QStringLiteral("-silent"), QStringLiteral(ORVELLA_SOURCES "/src"),
       QStringLiteral(ORVELLA_SOURCES "/resources/ui"), QStringLiteral("-ts"), extracted});
  ASSERT_TRUE(lupdate.waitForFinished(120'000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const Table marked = readTable(extracted);
  ASSERT_GT(marked.size(), 30u);
  const Table english = readTable(tablePath(QStringLiteral("en")));
  for (const auto &[key, entry] : marked) {
    EXPECT_TRUE(english.count(key))
        << "no entry for " << key.first.toStdString() << ": " << key.second.toStdString();
  }
}

TEST(StringsTables, TheChecksCatchWhatATranslatorGetsWrong) {
  const QString source = QStringLiteral("Saved as “%1” in %2 &now");
  const std::pair<Entry, const char *> cases[] = {
      {{QStringLiteral("Gespeichert als „%1“ in %2 &jetzt"), true}, ""},
      {{QStringLiteral("Gespeichert als „%1“ in %2 &jetzt"), false}, "unfinished"},
      {{QStringLiteral("  "), true}, "untranslated"},
      {{QStringLiteral("Gespeichert als „%1“ in %1 &jetzt"), true}, "placeholders differ"},
      {{QStringLiteral("Gespeichert als „%1“ in &jetzt"), true}, "placeholders differ"},
      {{QStringLiteral("Gespeichert als „%1“ in %2 jetzt"), true}, "shortcut markers differ"},
      {{QStringLiteral("In %2 als „%1“ gespeichert, &jetzt && dann"), true}, ""},
  };
  for (const auto &[entry, expected] : cases)
    EXPECT_EQ(problemWith(source, entry), QLatin1String(expected))
        << entry.translation.toStdString();
  EXPECT_EQ(problemWith(QStringLiteral("About Orvella Exporter"),
                        {QStringLiteral("Über Orvella-Export"), true}),
            QLatin1String("product name changed"));

  // Counts, French spacing and the ellipsis, each in the language that has it.
  const auto counted = [](std::initializer_list<const char *> forms) {
    Entry entry;
    for (const char *form : forms) entry.forms << QString::fromUtf8(form);
    entry.translation = entry.forms.value(entry.forms.size() - 1);
    return entry;
  };
  const auto plain = [](const char *text) { return Entry(QString::fromUtf8(text)); };
  const struct {
    const char *language, *source;
    Entry entry;
    const char *expected;
  } languageCases[] = {
      {"de", "%Ln of %1 selected", counted({"%Ln von %1 ausgewählt", "%Ln von %1 ausgewählt"}), ""},
      {"de", "%Ln of %1 selected", plain("%Ln von %1 ausgewählt"), "not a numerus entry"},
      {"pl", "%Ln of %1 selected",
       counted({"Zaznaczono %Ln kanał z %1", "Zaznaczono %Ln kanały z %1"}),
       "plural forms: 2 of 3"},
      {"ar", "%Ln of %1 selected",
       counted({"تم تحديد %Ln من %1", "تم تحديد تلقيمة واحدة من %1", "تم تحديد تلقيمتين من %1",
                "تم تحديد %Ln تلقيمات من %1", "تم تحديد %Ln تلقيمة من %1"}),
       "plural forms: 5 of 6"},
      {"ja", "%Ln of %1 selected", counted({"%1 件中 %Ln 件を選択"}), ""},
      {"ja", "%Ln of %1 selected", counted({"%1 件中 %Ln 件を選択", "%1 件中 %Ln 件を選択"}),
       "plural forms: 2 of 1"},
      {"fr", "%Ln of %1 selected", counted({"%Ln sur %1 sélectionné", "%Ln sélectionnés"}),
       "placeholders differ"},
      {"fr", "Export an incomplete list?", plain("Exporter une liste incomplète\u202f?"), ""},
      {"fr", "Export an incomplete list?", plain("Exporter une liste incomplète\u00a0?"), ""},
      {"fr", "Export an incomplete list?", plain("Exporter une liste incomplète ?"),
       "ordinary space at punctuation"},
      {"fr", "Export an incomplete list?", plain("Exporter une liste incomplète?"),
       "no space at punctuation"},
      {"fr", "Could not save \"%1\": %2.",
       plain("Impossible d’enregistrer «\u00a0%1\u00a0»\u00a0: %2."), ""},
      {"fr", "Could not save \"%1\": %2.", plain("Impossible d’enregistrer « %1\u00a0»\u00a0: %2."),
       "ordinary space at punctuation"},
      {"fr", "Could not save \"%1\": %2.", plain("Impossible d’enregistrer «\u00a0%1 »\u00a0: %2."),
       "ordinary space at punctuation"},
      {"fr", "Could not save \"%1\": %2.", plain("Impossible d’enregistrer «\u00a0%1\u00a0»: %2."),
       "no space at punctuation"},
      {"fr", "%Ln feeds written to %1 and checked.",
       counted({"%Ln flux écrit dans %1 et vérifié.", "%Ln flux écrits dans %1 ; vérifiés."}),
       "ordinary space at punctuation"},
      {"fr", "Visit https://example.org/", plain("Consultez https://example.org/"), ""},
      {"de", "Export…", plain("Exportieren…"), ""},
      {"de", "Export…", plain("Exportieren"), "ellipsis not at the end"},
      {"he", "Export…", plain("ייצוא…"), ""},
      {"he", "Export…", plain("…ייצוא"), "ellipsis not at the end"},
      {"ar", "Export…", plain("…تصدير"), "ellipsis not at the end"},
      {"ar", "Export", plain("تصدير…"), "ellipsis not at the end"},
  };
  for (const auto &c : languageCases) {
    const QString language = QString::fromLatin1(c.language);
    EXPECT_EQ(problemWith(QString::fromUtf8(c.source), c.entry, language, pluralFormsOf(language)),
              QString::fromUtf8(c.expected))
        << c.language << ": " << c.entry.translation.toStdString();
  }
}

// Qt's plural rules as lupdate knows them, for the languages whose tables
// hold more or fewer forms than English.
TEST(StringsTables, PluralFormsAreThoseOfQtsRules) {
  const std::pair<const char *, int> languages[] = {{"en", 2}, {"de", 2}, {"fr", 2}, {"ja", 1},
                                                    {"pl", 3}, {"uk", 3}, {"he", 2}, {"ar", 6}};
  for (const auto &[language, forms] : languages)
    EXPECT_EQ(pluralFormsOf(QString::fromLatin1(language)), forms) << language;
}

// lrelease compiles each table as the build does, and the compiled table gives
// back every translation for its source.
TEST(StringsTables, CompileWithLreleaseAndGiveBackEveryTranslation) {
  TempDir dir;
  for (const QString &language : kLanguages + QStringList{QStringLiteral("en")}) {
    SCOPED_TRACE(language.toStdString());
    const QString qm = qpath(dir.path() / ("orvella_" + language.toStdString() + ".qm"));
    QProcess lrelease;
    lrelease.start(QStringLiteral(ORVELLA_LRELEASE),
                   {tablePath(language), QStringLiteral("-qm"), qm});
    ASSERT_TRUE(lrelease.waitForFinished(60000));
    ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();
    QTranslator compiled;
    ASSERT_TRUE(compiled.load(qm));
    for (const auto &[key, entry] : readTable(tablePath(language))) {
      const QByteArray context = key.first.toUtf8(), source = key.second.toUtf8();
      if (entry.forms.isEmpty()) {
        EXPECT_EQ(compiled.translate(context.constData(), source.constData()), entry.translation)
            << key.second.toStdString();
        continue;
      }
      // Each plural form is the one of some count, and every count has one:
      // a table with too few forms for its language leaves counts without.
      QStringList reached;
      for (int n = 0; n <= 200; ++n) {
        const QString form =
            compiled.translate(context.constData(), source.constData(), nullptr, n);
        EXPECT_FALSE(form.isEmpty()) << key.second.toStdString() << " for " << n;
        if (!reached.contains(form)) reached << form;
      }
      QStringList forms = entry.forms;
      forms.removeDuplicates();
      reached.sort();
      forms.sort();
      EXPECT_EQ(reached, forms) << key.second.toStdString();
    }
  }
}

// Every text that holds a count reads right for each count in each
// language: the count in the locale's digits (a singular may say "one" in
// words, and Arabic's dual says "two" in the noun's ending), the language's
// own form, never the English text.
TEST(StringsTables, CountsReadRightInEveryLanguage) {
  const char *const keys[] = {"%Ln of %1 selected",
                              ", %Ln shown",
                              "None of the %Ln feeds is missing from %1.",
                              "%Ln of %1 feeds are missing from %2; they are ticked, to be "
                              "exported and imported again.",
                              "%Ln feeds written to %1 and checked.",
                              "Reading the database \"%1\" was stopped after %Ln feeds.",
                              "The database \"%1\" is damaged: reading stopped after %Ln feeds "
                              "(%2). Let Orvella repair it, or export from a backup copy.",
                              "Reading the database \"%1\" stopped after %Ln feeds (%2). Check "
                              "the file and try again."};
  auto say = [](const char *key, qint64 n) { return localized("CXInterfaceString", key, n); };
  const QLocale saved;
  for (const QString &language : kLanguages + QStringList{QStringLiteral("en")}) {
    SCOPED_TRACE(language.toStdString());
    const QLocale locale(language);
    QLocale::setDefault(QLocale(QLocale::English));
    reloadStringsTables(QLocale(QStringLiteral("en")));
    std::map<std::pair<const char *, qint64>, QString> english;
    for (const char *key : keys)
      for (const qint64 n : {0, 1, 2, 5, 21, 22, 1000000}) english[{key, n}] = say(key, n);
    QLocale::setDefault(locale);
    reloadStringsTables(locale);
    const bool dual = language == QLatin1String("ar");
    for (const char *key : keys) {
      for (const qint64 n : {0, 1, 2, 5, 21, 22, 1000000}) {
        const QString text = say(key, n);
        EXPECT_TRUE(n == 1 || (n == 2 && dual) || text.contains(locale.toString(n)))
            << key << " for " << n << ": " << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String("%Ln"))) << text.toStdString();
        if (language != QLatin1String("en")) {
          const QString inEnglish = english[{key, n}];
          EXPECT_NE(text, inEnglish) << key << " for " << n;
        }
      }
    }
  }
  const struct {
    const char *language, *key;
    qint64 n;
    const char *says;
  } forms[] = {
      {"en", "%Ln feeds written to %1 and checked.", 1, "One feed written to %1 and checked."},
      {"en", "%Ln feeds written to %1 and checked.", 2, "2 feeds written to %1 and checked."},
      {"en",
       "%Ln of %1 feeds are missing from %2; they are ticked, to be exported and imported "
       "again.",
       1, "1 of %1 feeds is missing from %2; it is ticked, to be exported and imported again."},
      {"de", "%Ln of %1 selected", 1, "1 von %1 ausgewählt"},
      {"fr", "%Ln of %1 selected", 0, "0 sur %1 sélectionné"},
      {"fr", "%Ln of %1 selected", 1, "1 sur %1 sélectionné"},
      {"fr", "%Ln of %1 selected", 2, "2 sur %1 sélectionnés"},
      {"fr", ", %Ln shown", 1, ", 1 affiché"},
      {"es", "%Ln of %1 selected", 1, "1 de %1 seleccionada"},
      {"es", ", %Ln shown", 1, ", 1 mostrada"},
      {"pt_BR", "%Ln of %1 selected", 0, "0 de %1 selecionado"},
      {"pt_BR", ", %Ln shown", 1, ", 1 exibido"},
      {"it", "%Ln of %1 selected", 1, "1 di %1 selezionato"},
      {"it", ", %Ln shown", 1, ", 1 mostrato"},
      {"pl", "%Ln of %1 selected", 1, "Zaznaczono 1 kanał z %1"},
      {"pl", "%Ln of %1 selected", 22, "Zaznaczono 22 kanały z %1"},
      {"pl", "%Ln of %1 selected", 21, "Zaznaczono 21 kanałów z %1"},
      {"pl", "%Ln of %1 selected", 5, "Zaznaczono 5 kanałów z %1"},
      {"uk", "%Ln of %1 selected", 21, "Вибрано 21 стрічку з %1"},
      {"uk", "%Ln of %1 selected", 22, "Вибрано 22 стрічки з %1"},
      {"uk", "%Ln of %1 selected", 5, "Вибрано 5 стрічок з %1"},
      {"ja", "%Ln of %1 selected", 1, "%1 件中 1 件を選択"},
      {"he", "%Ln of %1 selected", 1, "נבחר 1 מתוך %1"},
      {"he", "%Ln of %1 selected", 0, "נבחרו 0 מתוך %1"},
      {"he", "%Ln of %1 selected", 2, "נבחרו 2 מתוך %1"},
      {"he", "%Ln feeds written to %1 and checked.", 1, "ערוץ אחד נכתב אל %1 ונבדק."},
      // Arabic's six forms, in the order of Qt's rules, and its own digits.
      {"ar", "%Ln feeds written to %1 and checked.", 0, "كُتبت ٠ تلقيمة في %1 وتم التحقق منها."},
      {"ar", "%Ln feeds written to %1 and checked.", 1, "كُتبت تلقيمة واحدة في %1 وتم التحقق منها."},
      {"ar", "%Ln feeds written to %1 and checked.", 2, "كُتبت تلقيمتان في %1 وتم التحقق منهما."},
      {"ar", "%Ln feeds written to %1 and checked.", 3, "كُتبت ٣ تلقيمات في %1 وتم التحقق منها."},
      {"ar", "%Ln feeds written to %1 and checked.", 110,
       "كُتبت ١١٠ تلقيمات في %1 وتم التحقق منها."},
      {"ar", "%Ln feeds written to %1 and checked.", 11, "كُتبت ١١ تلقيمة في %1 وتم التحقق منها."},
      {"ar", "%Ln feeds written to %1 and checked.", 99, "كُتبت ٩٩ تلقيمة في %1 وتم التحقق منها."},
      {"ar", "%Ln feeds written to %1 and checked.", 102, "كُتبت ١٠٢ تلقيمة في %1 وتم التحقق منها."},
  };
  for (const auto &f : forms) {
    QLocale::setDefault(QLocale(QString::fromLatin1(f.language)));
    reloadStringsTables(QLocale(QString::fromLatin1(f.language)));
    EXPECT_EQ(say(f.key, f.n), QString::fromUtf8(f.says)) << f.language << " " << f.n;
  }
  QLocale::setDefault(saved);
  reloadStringsTables(saved);

  // The command line's English, whatever the user's language: the form for
  // the count, the number as plain digits for scripts.
  QLocale::setDefault(QLocale(QStringLiteral("de")));
  reloadStringsTables(QLocale(QStringLiteral("de")));
  const ReadResult once =
      ReadResult::failed(ReadStatus::Stopped, std::filesystem::path("/x/Feeds"), 0, QString(), 1);
  EXPECT_EQ(once.message.english(), "Reading the database \"/x/Feeds\" was stopped after 1 feed.");
  const ReadResult many = ReadResult::failed(ReadStatus::Stopped, std::filesystem::path("/x/Feeds"),
                                             0, QString(), 1000000);
  EXPECT_EQ(many.message.english(),
            "Reading the database \"/x/Feeds\" was stopped after 1000000 feeds.");
  EXPECT_EQ(localized(many.message),
            QString::fromUtf8("Das Lesen der Datenbank „/x/Feeds“ wurde nach 1.000.000 Feeds "
                              "angehalten."));
  QLocale::setDefault(saved);
  reloadStringsTables(saved);
}

// The store's and the file writer's sentences reach the window in the user's
// language, the parts inside them too; the command line's English stays.
TEST(StringsTables, SentencesOfTheStoreAndTheFileWriterAreTranslated) {
  TempDir dir;
  const ReadResult missing = probeDatabaseAt(dir.path() / "nothing-here");
  const ReadResult folder = probeDatabaseAt(dir.path());
  const auto intoFolder = AtomicFile::write(qpath(dir.path()), "x");
  const auto unnamed = AtomicFile::write(QString(), "x");
  ASSERT_TRUE(intoFolder && unnamed);
  const Sentence sentences[] = {missing.message, folder.message, *intoFolder, *unnamed};
  const QString english[] = {
      QStringLiteral("There is no database file at \"%1\". Check the path, or start Orvella once "
                     "so that it creates its database.")
          .arg(qpath(dir.path() / "nothing-here")),
      QStringLiteral("\"%1\" is a folder, not a database file. Name the Feeds file itself.")
          .arg(qpath(dir.path())),
      QStringLiteral("Could not save \"%1\": it is a folder. Choose a folder you may write to "
                     "that has room for the file, and try again.")
          .arg(qpath(dir.path())),
      QStringLiteral("Could not save the file: no file name was given. Choose a file name and "
                     "try again.")};
  reloadStringsTables(QLocale(QStringLiteral("de_DE")));
  for (std::size_t i = 0; i < std::size(sentences); ++i) {
    EXPECT_EQ(sentences[i].english(), english[i]);
    const QString german = localized(sentences[i]);
    EXPECT_NE(german, english[i]);
    EXPECT_FALSE(german.contains(QLatin1String("folder"))) << german.toStdString();
  }
  EXPECT_TRUE(localized(*intoFolder).contains(QStringLiteral(": es ist ein Ordner.")))
      << localized(*intoFolder).toStdString();
  reloadStringsTables(QLocale());
}

// --- Texts that fit --------------------------------------------------------

// The shown labels and buttons under root whose text needs more room than
// they have, each as "name: text" on a line of its own.
std::string cutShort(QWidget *root) {
  QStringList found;
  const auto describe = [](QWidget *w, const QString &text) {
    return w->objectName() + QStringLiteral(": ") + text;
  };
  for (QLabel *label : root->findChildren<QLabel *>()) {
    if (!label->isVisibleTo(root) || label->text().isEmpty() || !label->pixmap().isNull()) continue;
    const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width() &&
                                              label->sizeHint().height() <= label->height();
    if (!fits) found << describe(label, label->text());
  }
  for (QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
    if (!button->isVisibleTo(root) || button->text().isEmpty()) continue;
    const QFontMetrics metrics(button->font());
    if (metrics.horizontalAdvance(button->text()) > button->contentsRect().width() ||
        button->sizeHint().width() > button->width())
      found << describe(button, button->text());
  }
  return found.join(QLatin1Char('\n')).toStdString();
}

// The shown labels and buttons under root whose text, laid out in the
// widget's font and the fonts Qt falls back to, draws a glyph as a box: a
// font without the script's letters.
std::string drawnAsBoxes(QWidget *root) {
  QStringList found;
  const auto check = [&](QWidget *w, const QString &text) {
    QTextLayout layout(QString(text).remove(QLatin1Char('&')), w->font());
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
      if (run.glyphIndexes().contains(0u)) {
        found << w->objectName() + QStringLiteral(": ") + text + QStringLiteral(" in ") +
                     run.rawFont().familyName() + QLatin1Char(' ') + run.rawFont().styleName();
        return;
      }
    }
  };
  for (QLabel *label : root->findChildren<QLabel *>())
    if (label->isVisibleTo(root) && !label->text().isEmpty() && label->pixmap().isNull())
      check(label, label->text());
  for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
    if (button->isVisibleTo(root) && !button->text().isEmpty()) check(button, button->text());
  return found.join(QLatin1Char('\n')).toStdString();
}

class TextsFit : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    CXAlert::setAnswerForTesting(std::nullopt);
    const QString language = QString::fromStdString(GetParam());
    reloadStringsTables(QLocale(language));
    ASSERT_EQ(stringsTableLanguage().left(2), language.left(2));
    // Widths measured in a fallback font's boxes say nothing: the script
    // needs a font (scripts/install-deps.sh installs them).
    const std::pair<const char *, QFontDatabase::WritingSystem> scripts[] = {
        {"uk", QFontDatabase::Cyrillic},
        {"ja", QFontDatabase::Japanese},
        {"he", QFontDatabase::Hebrew},
        {"ar", QFontDatabase::Arabic}};
    for (const auto &[code, script] : scripts) {
      if (language == QLatin1String(code)) {
        ASSERT_FALSE(QFontDatabase::families(script).isEmpty()) << "no font for " << code;
      }
    }
    // Qt's own table tells that the language reads from the right, and the
    // windows made next are laid out from there. (The first text looked up
    // puts the tables into the application.)
    (void)localized("CXInterfaceString", "Export…");
    QCoreApplication::processEvents();
    const bool rightToLeft = language == QLatin1String("he") || language == QLatin1String("ar");
    ASSERT_EQ(QGuiApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  }
  void TearDown() override {
    closeAlerts();
    reloadStringsTables(QLocale());
  }
  static void closeAlerts() {
    while (CXAlert::sharedAlert().isShowing()) {
      CXAlert::sharedAlert().window()->close();
      testsupport::pump(std::chrono::milliseconds(5));
    }
  }
  // Shows an alert and returns what of it does not fit.
  static std::string alertCutShort(const QString &title, const QString &text,
                                   const QStringList &buttons) {
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(title, text, buttons,
                                                                       [](int) {});
    EXPECT_TRUE(waitUntil([] { return CXAlert::sharedAlert().isShowing(); }));
    testsupport::pump(std::chrono::milliseconds(20));
    const std::string found =
        cutShort(CXAlert::sharedAlert().window()) + drawnAsBoxes(CXAlert::sharedAlert().window());
    closeAlerts();
    return found;
  }
  TempDir dir;
};

TEST_P(TextsFit, ExportWindowAndItsCompletionView) {
  readerdb::write(dir.path() / "Feeds", readerdb::numbered(3));
  CXExportStorage storage;
  storage.setDatabasePathOverride(dir.path() / "Feeds");
  CXExportDocumentWC wc(&storage);
  wc.showWindow();
  ASSERT_TRUE(waitUntil([&] {
    return wc.exportListVC() && wc.exportListVC()->loadState() == CXExportListVC::LoadState::Loaded;
  }));
  testsupport::pump(std::chrono::milliseconds(20));
  EXPECT_EQ(cutShort(wc.window()), "") << "the list";
  EXPECT_EQ(drawnAsBoxes(wc.window()), "") << "the list";

  const QString target = qpath(dir.path() / "Mes abonnements exportés.opml");
  wc.setSavePanelFactory(
      [target] { return std::make_unique<TestSavePanel>(target, nullptr, nullptr); });
  wc.exportFeedsToOPML();
  QWidget *complete = wc.window()->findChild<QWidget *>(QStringLiteral("exportCompleteView"));
  ASSERT_TRUE(waitUntil([&] { return complete->isVisible(); }));
  testsupport::pump(std::chrono::milliseconds(400));
  EXPECT_EQ(cutShort(wc.window()), "") << "the completion view";
  EXPECT_EQ(drawnAsBoxes(wc.window()), "") << "the completion view";
}

TEST_P(TextsFit, Alerts) {
  EXPECT_EQ(alertCutShort(CXAppDelegate::handOffTitle(), CXAppDelegate::handOffInformText(),
                          {localized("CXInterfaceString", "Continue"),
                           localized("CXInterfaceString", "Cancel")}),
            "")
      << "hand-off";
  const ReadResult missing = probeDatabaseAt(dir.path() / "gone" / "Feeds");
  EXPECT_EQ(alertCutShort(localized("CXInterfaceString", "Export an incomplete list?"),
                          localized("CXInterfaceString", "This list is incomplete. %1")
                              .arg(localized(missing.message)),
                          {localized("CXInterfaceString", "Export Anyway"),
                           localized("CXInterfaceString", "Cancel")}),
            "")
      << "incomplete list";
  EXPECT_EQ(alertCutShort(localized("CXInterfaceString", "The export could not be saved"),
                          localized(*AtomicFile::write(qpath(dir.path()), "x")),
                          {localized("CXInterfaceString", "OK")}),
            "")
      << "write failure";
}

TEST_P(TextsFit, AboutWindow) {
  CXAboutWC about;
  about.showWindow(nullptr);
  testsupport::pump(std::chrono::milliseconds(20));
  EXPECT_EQ(cutShort(about.window()), "");
  EXPECT_EQ(drawnAsBoxes(about.window()), "");
  about.window()->close();
}

// A screen reader names About as its menu item reads, in the same words.
class SpokenNames : public TextsFit {};

TEST_P(SpokenNames, AboutIsNamedAsItsMenuItemReads) {
  CXAboutWC about;
  QString item = localized("CXInterfaceString", "About Orvella Exporter…");
  ASSERT_TRUE(item.endsWith(QChar(0x2026))) << item.toStdString();
  item.chop(1);
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(about.window())->text(QAccessible::Name).toStdString(),
      item.toStdString());
}

std::vector<std::string> languageCodes() {
  std::vector<std::string> codes;
  for (const QString &language : kLanguages) codes.push_back(language.toStdString());
  return codes;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextsFit, ::testing::ValuesIn(languageCodes()),
                         [](const auto &info) { return info.param; });
INSTANTIATE_TEST_SUITE_P(EveryLanguage, SpokenNames, ::testing::ValuesIn(languageCodes()),
                         [](const auto &info) { return info.param; });

}  // namespace
