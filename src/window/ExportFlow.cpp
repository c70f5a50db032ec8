#include "window/ExportFlow.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "export/CXExportListVC.h"
#include "export/CXProgressIndicator.h"
#include "export/ReadBackCheck.h"
#include "platform/AtomicFile.h"
#include "platform/Localized.h"
#include "store/CXExportStorage.h"
#include "store/FeedDatabase.h"
#include "toolkit/CXAlert.h"
#include "window/FileDialogSavePanel.h"

namespace {

QString text(const char *key) { return localized("CXInterfaceString", key); }

}  // namespace

ExportFlow::ExportFlow(const CXExportStorage &store, QObject *parent)
    : QObject(parent),
      store_(store),
      savePanelFactory_([] { return std::make_unique<FileDialogSavePanel>(); }) {}

void ExportFlow::start(CXExportListVC &list, QWidget *window) {
  if (running_) return;
  window_ = window;
  if (list.isListComplete()) {
    write(list);
    return;
  }
  // Feeds the read never reached would be missing from the file without a
  // word: the user decides.
  running_ = true;
  QPointer<ExportFlow> self(this);
  QPointer<CXExportListVC> asked(&list);
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      text("Export an incomplete list?"),
      list.readWarning() + QStringLiteral("\n\n") +
          text("Only the feeds in the list can be exported; those that could not be read will "
               "be missing from the file."),
      {text("Export Anyway"), text("Cancel")}, [self, asked](int answer) {
        if (!self) return;
        self->running_ = false;
        if (answer == 1 && asked)
          self->write(*asked);
        else
          emit self->finished(std::nullopt);
      });
}

void ExportFlow::write(CXExportListVC &list) {
  running_ = true;
  CXProgressIndicator *progress = list.exportProgress();
  if (progress) {
    progress->startAnimation();
    progress->show();
  }
  // Fixed before the panel opens: what the user ticked when asking is what
  // gets written. Titles that some readers choke on are made safe where the
  // user asks; only when there are any is the choice offered, and the
  // document without it made too.
  ExportPass safe = list.exportOfTickedFeeds(OpmlFormat{false, {}, true});
  std::optional<ExportPass> plain;
  if (safe.titlesMadeSafe() > 0) plain.emplace(list.exportOfTickedFeeds());

  std::unique_ptr<SavePanel> panel = savePanelFactory_ ? savePanelFactory_() : nullptr;
  std::optional<QString> path;
  if (panel) {
    panel->setAllowedExtensions({QStringLiteral("opml")});
    panel->setFileTypes({text("OPML files"), text("OPML 2.0 files")});
    panel->setCanCreateDirectories(true);
    panel->setProposedName(text("My Feeds"));
    if (plain) panel->setOptionTitle(text("Make titles safe for any reader"));
    path = panel->runModal(window_);
  }
  ExportPass &pass = plain && !(panel && panel->optionChecked()) ? *plain : safe;
  const WrittenFeeds written = pass.written();
  QByteArray document = std::move(pass).finish();
  std::optional<QString> failure;
  std::optional<Written> done;
  // The same outlines under the head of OPML 2.0, where the user chose it.
  if (path && panel->chosenFileType() == 1) document = opml2Document(document);
  if (path) {
    // The same guard as the command line's: never the reader's own files, and
    // never a wait on a pipe that nobody reads.
    AtomicFile::Options options =
        sparingDatabaseFiles(store_.databasePath().value_or(std::filesystem::path()));
    options.mayWait = false;
    // The check reads the document on the second core while it is written.
    ReadBackCheck check;
    AtomicFile::Writer writer(*path, options);
    constexpr qsizetype kPiece = 256 * 1024;
    for (qsizetype at = 0; at < document.size() && writer.open(); at += kPiece) {
      const qsizetype size = std::min(kPiece, document.size() - at);
      check.feed(document.constData() + at, size);
      if (!writer.append(document.constData() + at, size)) break;
    }
    if (const std::optional<Sentence> error = writer.commit()) {
      failure = localized(*error);
    } else {
      // Read back and compared with what was ticked; a device written in
      // place cannot be read back.
      const QFileInfo file(*path);
      if (!file.isFile()) {
        done = Written{file.absoluteFilePath(), std::nullopt};
      } else if (!(failure =
                       check.verify(QFile::encodeName(*path),
                                    text("“%1”").arg(isolatedName(file.fileName())), written))) {
        done = Written{file.absoluteFilePath(), written.feeds()};
      }
    }
  }

  if (progress) {
    progress->hide();
    progress->stopAnimation();
  }
  running_ = false;
  if (failure) {
    emit failed();
    showFailure(*failure);
  }
  emit finished(done);
}

void ExportFlow::showFailure(const QString &reason) {
  CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
      text("The export could not be saved"), reason, {text("OK")}, [](int) {});
}
