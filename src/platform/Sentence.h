#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A sentence for the user, kept as its English source text and the values
// that fill its placeholders (%1, %2, ...), so that whoever shows it chooses
// the language: the command line prints the English text, which scripts may
// match, and the window looks the source up in the strings table
// "CXInterfaceString" (see localized() in Localized.h). A value may be a
// sentence of its own, e.g. the reason inside "Could not save “%1”: %2.",
// which is then looked up too.
//
// The source must be a string literal (it is kept as a pointer) and is the
// key of the table; mark it with QT_TRANSLATE_NOOP("CXInterfaceString", ...)
// where it is written.
class Sentence {
 public:
  Sentence() = default;
  explicit Sentence(const char *source) : source_(source) {}

  // Fills the next placeholder.
  Sentence &arg(const QString &value);
  Sentence &arg(std::size_t number);
  Sentence &arg(const Sentence &part);
  // The count that the source's %Ln stands for, which picks the form of the
  // text in each language (the English source is the form for many).
  Sentence &count(std::size_t n) {
    count_ = n;
    return *this;
  }

  bool isEmpty() const { return source_ == nullptr; }
  const char *source() const { return source_; }

  // The text with every placeholder filled, each part in English.
  QString english() const;
  // The text with the source and every part looked up through translate,
  // which gets a source and its count (when it has one) and returns its text
  // with %Ln filled (the source itself when it has no entry).
  // Each value given as a string is put in as shown returns it, when given
  // (the whole value itself otherwise).
  using Translate = std::function<QString(const char *source, std::optional<std::size_t> count)>;
  using Shown = std::function<QString(const QString &value)>;
  QString text(const Translate &translate, const Shown &shown = nullptr) const;

 private:
  struct Value {
    QString plain;
    std::shared_ptr<const Sentence> part;
  };
  const char *source_ = nullptr;
  std::vector<Value> values_;
  std::optional<std::size_t> count_;
};

// format with %1 ... %9 replaced by values[0] ... values[8] in one pass, so
// that a value that holds a "%2" of its own is never filled in turn. A
// placeholder without a value stays as it is.
QString fillPlaceholders(const QString &format, const QStringList &values);
