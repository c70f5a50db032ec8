#include "window/CompletionActions.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QUrl>

#include "platform/Localized.h"
#include "platform/Workspace.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXButton.h"

namespace {

QString text(const char *key) { return localized("CXInterfaceString", key); }

}  // namespace

CompletionActions::CompletionActions(QWidget *parent)
    : QWidget(parent),
      showInFiles_(new CXButton(text("Show in Files"), this)),
      open_(new CXButton(text("Open"), this)) {
  setObjectName(QStringLiteral("completionActions"));
  showInFiles_->setObjectName(QStringLiteral("showInFilesButton"));
  open_->setObjectName(QStringLiteral("openFileButton"));
  auto *row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(8);
  row->addWidget(showInFiles_);
  row->addWidget(open_);
  connect(showInFiles_, &QAbstractButton::clicked, this, &CompletionActions::showInFiles);
  connect(open_, &QAbstractButton::clicked, this, &CompletionActions::openFile);
}

void CompletionActions::showInFiles() {
  if (path_.isEmpty()) return;
  if (Workspace::sharedWorkspace().activateFileViewerSelectingURL(QUrl::fromLocalFile(path_)))
    return;
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      text("The file could not be shown"),
      text("No file manager answered, and no program is set to open folders. The file is in %1.")
          .arg(isolatedPath(QDir::toNativeSeparators(QFileInfo(path_).absolutePath()))),
      {text("OK")}, [](int) {});
}

void CompletionActions::openFile() {
  if (path_.isEmpty()) return;
  if (Workspace::sharedWorkspace().openURL(QUrl::fromLocalFile(path_))) return;
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      text("The file could not be opened"),
      text("No program is set to open OPML files. The file is in %1; open it from there with the "
           "feed reader of your choice.")
          .arg(isolatedPath(QDir::toNativeSeparators(QFileInfo(path_).absolutePath()))),
      {text("OK")}, [](int) {});
}
