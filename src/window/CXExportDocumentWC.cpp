#include "window/CXExportDocumentWC.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "export/CXExportListVC.h"
#include "platform/Localized.h"
#include "services/AppearanceNames.h"
#include "services/CXServiceFunctions.h"
#include "store/CXExportStorage.h"
#include "toolkit/CXAlert.h"
#include "toolkit/CXTableViewWithEmptyHolder.h"
#include "toolkit/CXTransition.h"
#include "toolkit/CXVibrance.h"
#include "toolkit/ImageLibrary.h"
#include "toolkit/TextScale.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"
#include "ui_Document.h"
#include "window/CXDocumentWindow.h"
#include "window/CXMenuButton.h"
#include "window/CompletionActions.h"

namespace {

QString text(const char *key) { return localized("CXInterfaceString", key); }

QFont fontOf(const QWidget *widget, qreal pixelSize, QFont::Weight weight) {
  QFont font = TextScale::sized(widget->font(), pixelSize);
  font.setWeight(weight);
  return font;
}

constexpr QSize kWindowSize(420, 520);
constexpr int kCompletionImageSide = 64;
constexpr int kCompletionTextWidth = 340;

}  // namespace

CXExportDocumentWC::CXExportDocumentWC(CXExportStorage *storage, QObject *parent)
    : QObject(parent),
      storage_(storage),
      exportFlow_(new ExportFlow(storage ? *storage : CXExportStorage::defaultManager(), this)) {
  // "Export complete" of an earlier file must not stand as the outcome of a
  // failed one: the list comes back, ready for another try.
  connect(exportFlow_, &ExportFlow::failed, this, [this] {
    if (isExportCompleteViewShown()) showExportListView();
  });
  connect(exportFlow_, &ExportFlow::finished, this, &CXExportDocumentWC::exportDidFinish);
}

CXExportDocumentWC::~CXExportDocumentWC() {
  if (window_) window_->setWillClose(nullptr);
  // The list's view lives in the window; the list controller lets go of it
  // before the window goes.
  exportListVC_.reset();
  window_.reset();
}

void CXExportDocumentWC::setSavePanelFactory(ExportFlow::SavePanelFactory factory) {
  exportFlow_->setSavePanelFactory(std::move(factory));
}

QWidget *CXExportDocumentWC::window() {
  if (!window_) loadWindow();
  return window_.get();
}

void CXExportDocumentWC::showWindow(QObject *) {
  QWidget *w = window();
  w->show();
  w->raise();
  w->activateWindow();
}

void CXExportDocumentWC::loadWindow() {
  window_ = std::make_unique<CXDocumentWindow>();
  ui_ = std::make_unique<Ui::Document>();
  ui_->setupUi(window_.get());
  // A larger desktop font opens a larger window, as far as the screen has room.
  QSize size = kWindowSize;
  if (TextScale::current() > 1.0) {
    size = (QSizeF(kWindowSize) * TextScale::current()).toSize();
    if (const QScreen *screen = window_->screen())
      size = size.boundedTo(screen->availableGeometry().size()).expandedTo(kWindowSize);
  }
  window_->resize(size);
  // The background fills the window; the completion view waits outside any
  // layout, hidden, until an export has succeeded.
  auto *rootLayout = new QVBoxLayout(window_.get());
  rootLayout->setContentsMargins(0, 0, 0, 0);
  rootLayout->setSpacing(0);
  rootLayout->addWidget(ui_->vibrancyView);
  ui_->exportCompleteView->hide();
  window_->setWillClose([this] { windowWillClose(); });
  window_->setTitleStrip(ui_->titleStrip);

  doneViewConstraintWidth_ = CXLayoutConstraint(ui_->exportCompleteContent);
  const CXImage done = imageNamed(QStringLiteral("ExportComplete"));
  ui_->exportStatusOmageView->setPixmap(
      done.pixmap(QSize(kCompletionImageSide, kCompletionImageSide), window_->devicePixelRatioF()));
  ui_->windowTitleLabel->setText(localized("InfoPlist", "App Name"));
  window_->setWindowTitle(localized("InfoPlist", "App Name"));
  ui_->exportStatusLabel->setText(text("Export complete"));
  ui_->doneButton->setText(text("Done"));
  connect(ui_->doneButton, &QAbstractButton::clicked, this,
          [this] { closeExporter(ui_->doneButton); });
  // Above Done, the way back to the file.
  completionActions_ = new CompletionActions(ui_->exportCompleteView);
  auto *completeLayout = static_cast<QBoxLayout *>(ui_->exportCompleteView->layout());
  completeLayout->insertWidget(completeLayout->indexOf(ui_->doneButton), completionActions_, 0,
                               Qt::AlignHCenter);
  completeLayout->insertSpacing(completeLayout->indexOf(ui_->doneButton), 12);
  QWidget::setTabOrder(completionActions_->showInFilesButton(), completionActions_->openButton());
  QWidget::setTabOrder(completionActions_->openButton(), ui_->doneButton);
  applyTypography();
  buildMenu();

  awakeFromNib();
  windowDidLoad();
}

void CXExportDocumentWC::applyTypography() {
  ui_->windowTitleLabel->setFont(fontOf(ui_->windowTitleLabel, 13, QFont::DemiBold));
  ui_->exportStatusLabel->setFont(fontOf(ui_->exportStatusLabel, 17, QFont::DemiBold));
  ui_->exportStatusDetailLabel->setFont(fontOf(ui_->exportStatusDetailLabel, 12, QFont::Normal));
  ui_->exportStatusDetailLabel->setTextFormat(Qt::PlainText);
}

void CXExportDocumentWC::buildMenu() {
  menu_ = new QMenu(window_.get());
  menu_->setObjectName(QStringLiteral("documentMenu"));
  auto make = [this](const char *title, const char *name, const QKeySequence &shortcut, auto slot) {
    auto *action = new QAction(text(title), window_.get());
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, action, slot] { (this->*slot)(action); });
    menu_->addAction(action);
    window_->addAction(action);
    return action;
  };
  selectAllAction_ = make("Select All", "selectAllAction", QKeySequence(Qt::CTRL | Qt::Key_A),
                          &CXExportDocumentWC::selectAllFeedsInTable);
  deselectAllAction_ =
      make("Deselect All", "deselectAllAction", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
           &CXExportDocumentWC::deselectAllFeedsInTable);
  exportAction_ = make("Export…", "exportAction", QKeySequence(Qt::CTRL | Qt::Key_E),
                       &CXExportDocumentWC::exportFeedsToOPML);
  compareAction_ = make("Compare with Another Reader's Export…", "compareAction",
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                        &CXExportDocumentWC::compareWithAnotherReadersExport);
  menuSeparator_ = menu_->addSeparator();
  // While Export is off for want of a tick, its keys still answer: with why.
  nothingTickedShortcut_ = new QShortcut(exportAction_->shortcut(), window_.get());
  nothingTickedShortcut_->setContext(Qt::WindowShortcut);
  connect(nothingTickedShortcut_, &QShortcut::activated, this, [this] {
    if (exportListVC_ && !isExportCompleteViewShown()) exportListVC_->tellNothingTicked();
  });

  closeAction_ = new QAction(text("Close"), window_.get());
  closeAction_->setObjectName(QStringLiteral("closeAction"));
  closeAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  connect(closeAction_, &QAction::triggered, window_.get(), &QWidget::close);
  quitAction_ = new QAction(text("Quit"), window_.get());
  quitAction_->setObjectName(QStringLiteral("quitAction"));
  quitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quitAction_, &QAction::triggered, this, [this] { closeExporter(quitAction_); });
  for (QAction *action : {closeAction_, quitAction_}) {
    action->setShortcutContext(Qt::WindowShortcut);
    menu_->addAction(action);
    window_->addAction(action);
  }

  ui_->menuButton->setMenu(menu_);
  ui_->menuButton->setToolTip(text("Menu"));
  ui_->menuButton->setAccessibleName(text("Menu"));
  ui_->menuButton->installKeyboardShortcuts();
  connect(menu_, &QMenu::aboutToShow, this, &CXExportDocumentWC::validateMenuItems);
}

void CXExportDocumentWC::addMenuAction(QAction *action) {
  if (!action || !menu_) return;
  menu_->insertAction(menuSeparator_, action);
  window_->addAction(action);
}

void CXExportDocumentWC::awakeFromNib() {
  CXServiceFunctions::sharedService().setLastChoosenAppearance(CXServiceFunctions::appAppearance());
  // The scheme first, so that the title-bar buttons are made in its images.
  applyScheme();
  initializeExportDesignWindow();

  connect(&CXServiceFunctions::sharedService().changes(),
          &AppearanceChanges::systemAppearanceDidChange, this,
          &CXExportDocumentWC::systemAppearanceDidChange);
}

void CXExportDocumentWC::initializeExportDesignWindow() {
  // The window has no platform frame, so its title text and the platform's
  // buttons never show; its content starts at the very top, under the title
  // strip that this window draws itself.
  window_->setWindowFlag(Qt::FramelessWindowHint, true);

  using TitleBarButtons::Kind;
  QWidget *host = ui_->generalControlsView;
  closeWindowButton_ =
      TitleBarButtons::createButton(Kind::Close, window_.get(), host, kGroupIdentifier, {8, 2});
  minimizeWindowButton_ =
      TitleBarButtons::createButton(Kind::Minimize, window_.get(), host, kGroupIdentifier, {28, 2});
  zoomWindowButton_ =
      TitleBarButtons::createButton(Kind::Zoom, window_.get(), host, kGroupIdentifier, {48, 2});
  closeWindowButton_->setObjectName(QStringLiteral("closeWindowButton"));
  minimizeWindowButton_->setObjectName(QStringLiteral("minimizeWindowButton"));
  zoomWindowButton_->setObjectName(QStringLiteral("zoomWindowButton"));
}

void CXExportDocumentWC::windowDidLoad() { loadExportListVC(); }

void CXExportDocumentWC::loadExportListVC() {
  if (!exportListVC_) {
    exportListVC_ = std::make_unique<CXExportListVC>(storage_);
    exportListVC_->loadView();
    CXExportListVC *list = exportListVC_.get();
    connect(list->selectAllButton(), &QAbstractButton::clicked, this,
            [this, list] { selectAllFeedsInTable(list->selectAllButton()); });
    connect(list->deselectAllButton(), &QAbstractButton::clicked, this,
            [this, list] { deselectAllFeedsInTable(list->deselectAllButton()); });
    connect(list->exportButton(), &QAbstractButton::clicked, this,
            [this, list] { exportFeedsToOPML(list->exportButton()); });
    connect(list, &CXExportListVC::selectionDidChange, this,
            &CXExportDocumentWC::validateMenuItems);
    connect(list, &CXExportListVC::loadStateChanged, this, &CXExportDocumentWC::validateMenuItems);
    validateMenuItems();
    // In some languages the buttons under the list need more room than in
    // English: the window then opens wide enough for them and is never made
    // narrower, rather than cutting their titles short.
    const QMargins frame = ui_->vibrancyView->layout()->contentsMargins();
    const int needed = list->view()->minimumSizeHint().width() + frame.left() + frame.right();
    window_->setMinimumWidth(std::max(window_->minimumWidth(), needed));
    if (window_->width() < needed) window_->resize(needed, window_->height());
  }
  QWidget *listView = exportListVC_->view();
  CXVibrance::applyToTextFields(listView, WindowAppearance::scheme(window_.get()));
  QPointer<CXExportDocumentWC> self(this);
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(
      listView, ui_->exportListHolderView, nullptr, false, [self] {
        if (!self) return;
        QWidget *view = self->exportListVC_ ? self->exportListVC_->view() : nullptr;
        const qreal width = view ? view->geometry().width() : 0.0;
        self->doneViewConstraintWidth_.setConstant(static_cast<float>(width + 1.0));
      });
  // Tab runs as the eye reads the window, top to bottom: the title strip, the
  // filter above the list, the list, the buttons below it.
  QWidget *tabOrder[] = {ui_->menuButton,
                         exportListVC_->filterField(),
                         exportListVC_->exportTableView(),
                         exportListVC_->selectAllButton(),
                         exportListVC_->deselectAllButton(),
                         exportListVC_->exportButton()};
  for (size_t i = 1; i < std::size(tabOrder); ++i)
    QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
  // The keyboard starts in the list, where Space ticks.
  exportListVC_->exportTableView()->setFocus(Qt::OtherFocusReason);
}

// The list's export button follows the ticks on its own.
void CXExportDocumentWC::selectAllFeedsInTable(QObject *) {
  if (!exportListVC_) return;
  if (CXTableViewWithEmptyHolder *table = exportListVC_->exportTableView()) table->selectAll();
}

void CXExportDocumentWC::deselectAllFeedsInTable(QObject *) {
  if (!exportListVC_) return;
  if (CXTableViewWithEmptyHolder *table = exportListVC_->exportTableView()) table->deselectAll();
}

void CXExportDocumentWC::exportFeedsToOPML(QObject *) {
  if (exportListVC_) exportFlow_->start(*exportListVC_, window_.get());
}

void CXExportDocumentWC::compareWithAnotherReadersExport(QObject *) {
  if (!exportListVC_ || !validateMenuItem(compareAction_)) return;
  std::optional<QString> path;
  if (openPanel_) {
    path = openPanel_(window_.get());
  } else {
    const QString chosen = QFileDialog::getOpenFileName(
        window_.get(), text("Compare with Another Reader's Export"), QString(),
        text("OPML files") + QStringLiteral(" (*.opml *.xml);;") + text("All files") +
            QStringLiteral(" (*)"));
    if (!chosen.isEmpty()) path = chosen;
  }
  if (!path) return;
  const FeedListComparison comparison = exportListVC_->tickFeedsMissingFrom(*path);
  if (!comparison.ok()) {
    CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
        text("The export could not be compared"), localized(comparison.problem), {text("OK")},
        [](int) {});
  }
}

void CXExportDocumentWC::exportDidFinish(const std::optional<ExportFlow::Written> &written) {
  if (written) {
    lastExport_ = written;
    showExportCompleteView();
  }
  emit exportFinished(written ? std::optional(written->path) : std::nullopt);
}

void CXExportDocumentWC::showExportListView() {
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(
      exportListVC_->view(), ui_->exportListHolderView, nullptr, false, nullptr);
  validateMenuItems();
}

void CXExportDocumentWC::showExportCompleteView() {
  if (!ui_) return;
  ui_->exportStatusLabel->setText(text("Export complete"));
  if (lastExport_) {
    const QFileInfo file(lastExport_->path);
    // The folder goes on a line of its own, shortened in the middle when long,
    // so the file name always reads whole.
    const QFontMetrics metrics(ui_->exportStatusDetailLabel->font());
    const bool rightToLeft = ui_->exportStatusDetailLabel->isRightToLeft();
    const QString folder =
        isolatedPath(metrics.elidedText(QDir::toNativeSeparators(file.absolutePath()),
                                        Qt::ElideMiddle, TextScale::scaled(kCompletionTextWidth)),
                     rightToLeft);
    const QString name = isolatedName(file.fileName(), rightToLeft);
    // "2,019 feeds written to My Feeds.opml and checked." once it was read
    // back and found as written.
    const std::optional<std::size_t> checked = lastExport_->checkedFeeds;
    const QString saved = !checked
                              ? text("Saved as “%1” in").arg(name)
                              : localized("CXInterfaceString",
                                          "%Ln feeds written to %1 and checked.", qint64(*checked))
                                    .arg(name);
    ui_->exportStatusDetailLabel->setText(saved + QLatin1Char('\n') + folder);
    completionActions_->setFile(file.absoluteFilePath());
    completionActions_->show();
  } else {
    ui_->exportStatusDetailLabel->clear();
    completionActions_->hide();
  }
  // A screen reader hears the outcome with the button that now has the
  // keyboard: the list that had it is gone.
  ui_->doneButton->setAccessibleDescription(ui_->exportStatusLabel->text() + QLatin1Char('\n') +
                                            ui_->exportStatusDetailLabel->text());
  QPointer<QWidget> done = ui_->doneButton;
  CXTransition::changeLayoutSubviewFillingAndInsertedIntoView(
      ui_->exportCompleteView, ui_->exportListHolderView, nullptr, true, [done] {
        if (done && done->isVisible()) done->setFocus(Qt::OtherFocusReason);
      });
  validateMenuItems();
}

bool CXExportDocumentWC::isExportCompleteViewShown() const {
  return ui_ && ui_->exportCompleteView->parentWidget() == ui_->exportListHolderView &&
         ui_->exportCompleteView->isVisibleTo(ui_->exportListHolderView);
}

void CXExportDocumentWC::closeExporter(QObject *) { QCoreApplication::quit(); }

void CXExportDocumentWC::windowWillClose() { QCoreApplication::quit(); }

bool CXExportDocumentWC::validateMenuItem(const QAction *item) const {
  if (!item) return false;
  const int feeds = exportListVC_ ? exportListVC_->feedsCount() : 0;
  // The ticks are out of sight behind the completion view: changing them
  // there would go unseen.
  if (item == selectAllAction_ || item == deselectAllAction_)
    return feeds > 0 && !isExportCompleteViewShown();
  if (item == exportAction_) return feeds > 0 && exportListVC_->selectedFeeds().size() != 0;
  if (item == compareAction_) return feeds > 0 && !isExportCompleteViewShown();
  return false;
}

void CXExportDocumentWC::validateMenuItems() {
  for (QAction *action : {selectAllAction_, deselectAllAction_, exportAction_, compareAction_})
    if (action) action->setEnabled(validateMenuItem(action));
  // Never both: two shortcuts for one key would leave it to neither.
  if (nothingTickedShortcut_ && exportAction_)
    nothingTickedShortcut_->setEnabled(!exportAction_->isEnabled());
  // The list decides how the two read ("Select Shown" while a filter hides
  // feeds); the menu says the same as its buttons.
  if (exportListVC_ && exportListVC_->selectAllButton()) {
    if (selectAllAction_) selectAllAction_->setText(exportListVC_->selectAllButton()->text());
    if (deselectAllAction_) deselectAllAction_->setText(exportListVC_->deselectAllButton()->text());
  }
}

void CXExportDocumentWC::systemAppearanceDidChange() { applyScheme(); }

void CXExportDocumentWC::applyScheme() {
  if (!window_) return;
  const ColorScheme scheme = CXServiceFunctions::colorScheme();
  WindowAppearance::set(window_.get(), scheme);
  WindowAppearance::set(ui_->vibrancyView, scheme);
  updateWindowControlsButton();
  CXVibrance::applyToTextFields(window_.get(), scheme);
  // The completion view may still wait outside the window's tree.
  CXVibrance::applyToTextFields(ui_->exportCompleteView, scheme);
  if (menu_) WindowAppearance::set(menu_, scheme);
  window_->update();
  window_->repaint();
}

void CXExportDocumentWC::updateWindowControlsButton() {
  if (!window_) return;
  const ColorScheme scheme = WindowAppearance::scheme(window_.get());
  using TitleBarButtons::Kind;
  TitleBarButtons::reimage(closeWindowButton_, Kind::Close, scheme);
  TitleBarButtons::reimage(minimizeWindowButton_, Kind::Minimize, scheme);
  TitleBarButtons::reimage(zoomWindowButton_, Kind::Zoom, scheme);
}
