#pragma once

#include <QString>
#include <QWidget>

class CXButton;

// The two buttons of the completion view that find the written file again:
// "Show in Files" selects it in the desktop's file manager (its folder where
// no file manager answers), "Open" opens it in the application the desktop
// opens OPML files with. Where neither works, an alert says so and where the
// file is.
class CompletionActions : public QWidget {
  Q_OBJECT

 public:
  explicit CompletionActions(QWidget *parent = nullptr);

  // The file the buttons act on.
  void setFile(const QString &path) { path_ = path; }
  QString file() const { return path_; }

  CXButton *showInFilesButton() const { return showInFiles_; }
  CXButton *openButton() const { return open_; }

  void showInFiles();
  void openFile();

 private:
  CXButton *showInFiles_;
  CXButton *open_;
  QString path_;
};
