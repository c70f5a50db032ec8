#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Asks the user where to save a file. The settings are plain values set before
// runModal(); an implementation shows them in whatever panel it has.
class SavePanel {
 public:
  virtual ~SavePanel() = default;

  // The file name offered at first, without its extension ("My Feeds").
  void setProposedName(const QString &name) { proposedName_ = name; }
  QString proposedName() const { return proposedName_; }
  // Extensions without the dot ("opml"); empty allows any. The answer always
  // ends in one of them.
  void setAllowedExtensions(const QStringList &extensions) { allowedExtensions_ = extensions; }
  QStringList allowedExtensions() const { return allowedExtensions_; }
  // The kinds of file offered, as the panel names them ("OPML 1.0 files");
  // empty: one kind, named by the extensions. After runModal(), which of
  // them the user chose (0 when only one was offered).
  void setFileTypes(const QStringList &names) { fileTypes_ = names; }
  QStringList fileTypes() const { return fileTypes_; }
  int chosenFileType() const { return chosenFileType_; }

  // A check box under the file name, off at first (empty: none). After
  // runModal(), whether the user ticked it.
  void setOptionTitle(const QString &title) { optionTitle_ = title; }
  QString optionTitle() const { return optionTitle_; }
  bool optionChecked() const { return optionChecked_; }

  // Whether the user may make a new folder from within the panel.
  void setCanCreateDirectories(bool can) { canCreateDirectories_ = can; }
  bool canCreateDirectories() const { return canCreateDirectories_; }

  // Shows the panel over parent (may be null) and waits for the answer: the
  // chosen file's absolute path, or nothing when the user cancelled.
  virtual std::optional<QString> runModal(QWidget *parent) = 0;

  // path with the first allowed extension appended unless it already ends in
  // one of them (compared without regard to case). "Feeds.txt" becomes
  // "Feeds.txt.opml"; "Feeds.OPML" stays as it is.
  static QString pathWithAllowedExtension(const QString &path, const QStringList &extensions);

 private:
  QString proposedName_;
  QStringList allowedExtensions_;
  QStringList fileTypes_;
  QString optionTitle_;
  bool canCreateDirectories_ = true;

 protected:
  int chosenFileType_ = 0;
  bool optionChecked_ = false;
};
