#include "toolkit/CXAlertPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "toolkit/CXAlertButton.h"
#include "toolkit/TextScale.h"
#include "toolkit/WindowAppearance.h"

namespace {

// A centred, wrapped line of plain text at the foot of the column.
QLabel *addLabel(QWidget *panel, QVBoxLayout *column, const QString &text, const char *name,
                 const QFont &font) {
  auto *label = new QLabel(text, panel);
  label->setObjectName(QLatin1String(name));
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  column->addWidget(label);
  return label;
}

}  // namespace

CXAlertPanel::CXAlertPanel(const AlertSettings &settings, const QString &title,
                           const QString &inform, const QStringList &buttons,
                           std::function<void(int)> answered)
    : CXTopLevelWindow(nullptr, Qt::Dialog | Qt::FramelessWindowHint, QAccessible::AlertMessage),
      answered_(std::move(answered)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowModality(Qt::ApplicationModal);
  setWindowTitle(title);
  // Named by its title and nothing more: a screen reader reads the labels
  // inside after the name, so the message as the description too would be
  // heard twice. A stock message box is read the same way.
  setAccessibleName(title);
  // The buttons take the focus; the keys they leave come here.
  setFocusPolicy(Qt::NoFocus);
  WindowAppearance::set(this, settings.scheme);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;

  auto *column = new QVBoxLayout(this);
  column->setContentsMargins(20, 20, 20, 16);
  column->setSpacing(0);

  const QIcon icon = qApp->windowIcon();
  if (!icon.isNull()) {
    auto *iconLabel = new QLabel(this);
    iconLabel->setPixmap(icon.pixmap(QSize(56, 56), devicePixelRatioF()));
    iconLabel->setAlignment(Qt::AlignCenter);
    column->addWidget(iconLabel);
    column->addSpacing(12);
  }

  addLabel(this, column, title, "alertTitle",
           AlertSettings::font(settings.title, QStringLiteral("HelveticaNeue-Medium"), 13,
                               "fontKern", title));
  if (!inform.isEmpty()) {
    column->addSpacing(8);
    QLabel *informLabel =
        addLabel(this, column, inform, "alertInform",
                 AlertSettings::font(settings.inform, QStringLiteral("HelveticaNeue-Light"), 12,
                                     "fontKern", inform));
    QPalette pal = informLabel->palette();
    pal.setColor(QPalette::WindowText, dark ? QColor(0xd2, 0xd2, 0xd6) : QColor(0x3a, 0x3a, 0x3d));
    informLabel->setPalette(pal);
  }
  column->addSpacing(18);

  constexpr int kButtonSpacing = 8;
  // A larger desktop font widens the panel with its text.
  const int width = TextScale::scaled(kWidth);
  int widthSideBySide = kButtonSpacing * int(std::max<qsizetype>(buttons.size() - 1, 0));
  for (int i = 0; i < buttons.size(); ++i) {
    auto *b = new CXAlertButton(buttons.at(i), settings.buttons.value(i).toMap(), this);
    b->setObjectName(QStringLiteral("alertButton%1").arg(i + 1));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const int number = i + 1;
    connect(b, &QAbstractButton::clicked, this, [this, number] { answer(number); });
    buttons_.append(b);
    widthSideBySide += b->sizeHint().width();
  }
  // Two buttons stand side by side where their titles fit so; more, or
  // longer titles (as in many languages), are stacked, each readable whole.
  const QMargins margins = column->contentsMargins();
  const bool sideBySide =
      buttons.size() <= 2 && widthSideBySide <= width - margins.left() - margins.right();
  QBoxLayout *row = sideBySide ? static_cast<QBoxLayout *>(new QHBoxLayout)
                               : static_cast<QBoxLayout *>(new QVBoxLayout);
  row->setSpacing(kButtonSpacing);
  // Side by side, the first (default) button sits on the right, where the
  // eye ends; stacked, it comes first.
  QList<QAbstractButton *> seen = buttons_;
  if (sideBySide) std::reverse(seen.begin(), seen.end());
  for (QAbstractButton *b : seen) row->addWidget(b);
  // Tab goes the way the eye reads them.
  for (qsizetype i = 1; i < seen.size(); ++i) setTabOrder(seen.at(i - 1), seen.at(i));
  column->addLayout(row);

  // Wrapped labels need the width before they can tell their height.
  setFixedWidth(width);
  column->activate();
  setFixedHeight(column->totalHeightForWidth(width));
}

void CXAlertPanel::focusFirstButton() {
  if (!buttons_.isEmpty()) buttons_.first()->setFocus(Qt::ActiveWindowFocusReason);
}

void CXAlertPanel::answer(int number) {
  if (hasAnswered_) return;
  hasAnswered_ = true;
  answered_(number);
}

void CXAlertPanel::placeOnScreen() {
  QRect area;
  if (QWidget *active = QApplication::activeWindow(); active && active != this)
    area = active->frameGeometry();
  else if (QScreen *screen = QGuiApplication::primaryScreen())
    area = screen->availableGeometry();
  if (area.isEmpty()) return;
  move(area.center().x() - width() / 2, area.top() + std::max(0, (area.height() - height()) / 3));
}

void CXAlertPanel::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
  p.fillRect(rect(), dark ? QColor(0x32, 0x32, 0x35) : QColor(0xf0, 0xf0, 0xf0));
  p.setPen(dark ? QColor(0x55, 0x55, 0x5a) : QColor(0xb4, 0xb4, 0xb8));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CXAlertPanel::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (QAbstractButton *focused = focusedButton())
        focused->click();
      else if (!buttons_.isEmpty())
        buttons_.first()->click();
      return;
    case Qt::Key_Escape:
      if (!buttons_.isEmpty()) buttons_.last()->click();
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      moveFocus(event->key());
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// Closing the window through the desktop counts as the last button, the one
// that declines.
void CXAlertPanel::closeEvent(QCloseEvent *event) {
  answer(int(buttons_.size()));
  event->accept();
}

void CXAlertPanel::moveFocus(int key) {
  QAbstractButton *focused = focusedButton();
  if (!focused) {
    focusFirstButton();
    return;
  }
  const int at = int(buttons_.indexOf(focused));
  int step = 0;
  if (buttons_.size() <= 2) {
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    if (key == Qt::Key_Left) step = rtl ? -1 : 1;
    if (key == Qt::Key_Right) step = rtl ? 1 : -1;
  } else {
    if (key == Qt::Key_Up) step = -1;
    if (key == Qt::Key_Down) step = 1;
  }
  const int next = at + step;
  if (step != 0 && next >= 0 && next < buttons_.size())
    buttons_.at(next)->setFocus(Qt::TabFocusReason);
}

QAbstractButton *CXAlertPanel::focusedButton() const {
  for (QAbstractButton *b : buttons_)
    if (b->hasFocus()) return b;
  return nullptr;
}
