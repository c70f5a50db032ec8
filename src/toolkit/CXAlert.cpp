#include "toolkit/CXAlert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "platform/Localized.h"
#include "platform/MainQueue.h"
#include "toolkit/CXTopLevelWindow.h"
#include "toolkit/WindowAppearance.h"

namespace {

std::optional<int> &answerForTesting() {
  static std::optional<int> answer;
  return answer;
}

struct WeightWord {
  const char *word;
  QFont::Weight weight;
};

// Longest words first, so "UltraLight" is not read as "Light".
constexpr WeightWord kWeights[] = {
    {"UltraLight", QFont::ExtraLight},
    {"ExtraLight", QFont::ExtraLight},
    {"SemiBold", QFont::DemiBold},
    {"DemiBold", QFont::DemiBold},
    {"ExtraBold", QFont::ExtraBold},
    {"Regular", QFont::Normal},
    {"Medium", QFont::Medium},
    {"Light", QFont::Light},
    {"Heavy", QFont::Black},
    {"Black", QFont::Black},
    {"Thin", QFont::Thin},
    {"Bold", QFont::Bold},
};

QString firstInstalledFamily(const QStringList &candidates) {
  const QStringList installed = QFontDatabase::families();
  for (const QString &c : candidates)
    for (const QString &f : installed)
      if (f.compare(c, Qt::CaseInsensitive) == 0) return f;
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// A button drawn in the alert's own style: a rounded face in the colours its
// settings give, or in the scheme's plain look when they give none.
class CXAlertButton : public QAbstractButton {
 public:
  CXAlertButton(const QString &title, const QVariantMap &settings, QWidget *parent)
      : QAbstractButton(parent) {
    setText(title);
    // Tab and the arrow keys move between the buttons, Space presses the one
    // with the focus.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    off_ = settings.value(QStringLiteral("offColor")).value<QColor>();
    hover_ = settings.value(QStringLiteral("hoverColor")).value<QColor>();
    pressed_ = settings.value(QStringLiteral("pressedColor")).value<QColor>();
    setFont(CXAlert::fontFromSettings(settings, QStringLiteral("HelveticaNeue-Light"), 13, "kern"));
    setMinimumHeight(26);
  }

  QSize sizeHint() const override {
    const QFontMetrics fm(font());
    return {std::max(80, fm.horizontalAdvance(text()) + 32), 26};
  }

 protected:
  void paintEvent(QPaintEvent *) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
    const bool down = isDown();
    const bool over = underMouse();
    QColor face;
    QColor border = Qt::transparent;
    QColor textColour;
    if (off_.isValid()) {
      face = off_;
      if (down && pressed_.isValid())
        face = pressed_;
      else if (over && hover_.isValid())
        face = hover_;
      textColour = Qt::white;
    } else {
      face = dark ? QColor(0x5c, 0x5c, 0x60) : QColor(0xff, 0xff, 0xff);
      if (down)
        face = dark ? QColor(0x6e, 0x6e, 0x73) : QColor(0xe2, 0xe2, 0xe4);
      else if (over)
        face = dark ? QColor(0x66, 0x66, 0x6a) : QColor(0xf4, 0xf4, 0xf5);
      border = dark ? QColor(255, 255, 255, 28) : QColor(0, 0, 0, 46);
      textColour = palette().color(QPalette::ButtonText);
    }
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(border == Qt::transparent ? Qt::NoPen : QPen(border, 1));
    p.setBrush(face);
    p.drawRoundedRect(r, 6, 6);
    if (hasFocus()) {
      p.setPen(
          QPen(WindowAppearance::accentColor(dark ? ColorScheme::Dark : ColorScheme::Light), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
    p.setPen(textColour);
    p.drawText(rect(), Qt::AlignCenter, text());
  }

  // Return and the arrows are the alert's to handle; Space stays the button's.
  void keyPressEvent(QKeyEvent *event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
        event->ignore();
        return;
      default:
        QAbstractButton::keyPressEvent(event);
    }
  }

  void focusInEvent(QFocusEvent *event) override {
    QAbstractButton::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent *event) override {
    QAbstractButton::focusOutEvent(event);
    update();
  }

 private:
  QColor off_, hover_, pressed_;
};

}  // namespace

// The alert's window: title, message and a row (or, from three buttons on or
// where their titles do not fit in a row, a column) of buttons, on a panel in
// the alert's scheme. To assistive technology it is an alert named by its
// title and described by its message.
class CXAlertPanel : public CXTopLevelWindow {
 public:
  static constexpr int kWidth = 300;

  CXAlertPanel(CXAlert &owner, const QString &title, const QString &inform,
               const QStringList &buttons)
      : CXTopLevelWindow(nullptr, Qt::Dialog | Qt::FramelessWindowHint, QAccessible::AlertMessage),
        owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(title);
    setAccessibleName(title);
    setAccessibleDescription(inform);
    // The buttons take the focus; the keys they leave come here.
    setFocusPolicy(Qt::NoFocus);
    WindowAppearance::set(this, owner.alertScheme());
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

    titleLabel_ = new QLabel(title, this);
    titleLabel_->setObjectName(QStringLiteral("alertTitle"));
    titleLabel_->setFont(CXAlert::fontFromSettings(owner.titleSettings(),
                                                   QStringLiteral("HelveticaNeue-Medium"), 13));
    titleLabel_->setWordWrap(true);
    titleLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    titleLabel_->setTextFormat(Qt::PlainText);
    column->addWidget(titleLabel_);

    if (!inform.isEmpty()) {
      column->addSpacing(8);
      informLabel_ = new QLabel(inform, this);
      informLabel_->setObjectName(QStringLiteral("alertInform"));
      informLabel_->setFont(CXAlert::fontFromSettings(owner.informSettings(),
                                                      QStringLiteral("HelveticaNeue-Light"), 12));
      informLabel_->setWordWrap(true);
      informLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
      informLabel_->setTextFormat(Qt::PlainText);
      QPalette pal = informLabel_->palette();
      pal.setColor(QPalette::WindowText,
                   dark ? QColor(0xd2, 0xd2, 0xd6) : QColor(0x3a, 0x3a, 0x3d));
      informLabel_->setPalette(pal);
      column->addWidget(informLabel_);
    }
    column->addSpacing(18);

    constexpr int kButtonSpacing = 8;
    const QVariantList settings = owner.buttonsSettings();
    int widthSideBySide = kButtonSpacing * int(std::max<qsizetype>(buttons.size() - 1, 0));
    for (int i = 0; i < buttons.size(); ++i) {
      auto *b = new CXAlertButton(buttons.at(i), settings.value(i).toMap(), this);
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
        buttons.size() <= 2 && widthSideBySide <= kWidth - margins.left() - margins.right();
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
    setFixedWidth(kWidth);
    column->activate();
    setFixedHeight(column->totalHeightForWidth(kWidth));
  }

  QAbstractButton *button(int number) const {
    return number >= 1 && number <= buttons_.size() ? buttons_.at(number - 1) : nullptr;
  }
  int buttonCount() const { return int(buttons_.size()); }

  // The keyboard starts on the first button, the one Return presses.
  void focusFirstButton() {
    if (!buttons_.isEmpty()) buttons_.first()->setFocus(Qt::ActiveWindowFocusReason);
  }

  void answer(int number) {
    if (answered_) return;
    answered_ = true;
    owner_.finish(number);
  }

  void placeOnScreen() {
    QRect area;
    if (QWidget *active = QApplication::activeWindow(); active && active != this)
      area = active->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
      area = screen->availableGeometry();
    if (area.isEmpty()) return;
    move(area.center().x() - width() / 2, area.top() + std::max(0, (area.height() - height()) / 3));
  }

 protected:
  void paintEvent(QPaintEvent *) override {
    QPainter p(this);
    const bool dark = WindowAppearance::scheme(this) == ColorScheme::Dark;
    p.fillRect(rect(), dark ? QColor(0x32, 0x32, 0x35) : QColor(0xf0, 0xf0, 0xf0));
    p.setPen(dark ? QColor(0x55, 0x55, 0x5a) : QColor(0xb4, 0xb4, 0xb8));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

  void keyPressEvent(QKeyEvent *event) override {
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

  // Closing the window through the desktop counts as the last button, the
  // one that declines.
  void closeEvent(QCloseEvent *event) override {
    if (!answered_) answer(buttonCount());
    event->accept();
  }

  // Side by side the buttons run right to left in title order (mirrored in a
  // right-to-left layout); stacked they run top to bottom. The arrows follow
  // what the eye sees, and stop at the ends.
  void moveFocus(int key) {
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

  QAbstractButton *focusedButton() const {
    for (QAbstractButton *b : buttons_)
      if (b->hasFocus()) return b;
    return nullptr;
  }

  void mousePressEvent(QMouseEvent *event) override {
    // The alert has no title bar; its whole background moves it.
    if (event->button() == Qt::LeftButton && windowHandle()) windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
  }

 private:
  CXAlert &owner_;
  QLabel *titleLabel_ = nullptr;
  QLabel *informLabel_ = nullptr;
  QList<QAbstractButton *> buttons_;
  bool answered_ = false;
};

CXAlert &CXAlert::sharedAlert() {
  static CXAlert alert;
  return alert;
}

QFont CXAlert::fontFromSettings(const QVariantMap &settings, const QString &defaultName,
                                double defaultSize, const char *kernKey) {
  QString name = settings.value(QStringLiteral("fontName")).toString();
  if (name.isEmpty()) name = defaultName;
  bool ok = false;
  double size = settings.value(QStringLiteral("fontSize")).toDouble(&ok);
  if (!ok || size <= 0) size = defaultSize;
  const double kern = settings.value(QString::fromLatin1(kernKey)).toDouble();

  // "HelveticaNeue-Medium" -> family "HelveticaNeue", style "Medium".
  const qsizetype dash = name.indexOf(QLatin1Char('-'));
  const QString family = dash < 0 ? name : name.left(dash);
  const QString style = dash < 0 ? QString() : name.mid(dash + 1);
  QString spaced = family;
  spaced.replace(QRegularExpression(QStringLiteral("([a-z])([A-Z])")), QStringLiteral("\\1 \\2"));

  QFont font(firstInstalledFamily({family, spaced, QStringLiteral("Inter"),
                                   QStringLiteral("Helvetica Neue"), QStringLiteral("Helvetica"),
                                   QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"),
                                   QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")}));
  QFont::Weight weight = QFont::Normal;
  for (const WeightWord &w : kWeights) {
    if (style.contains(QLatin1String(w.word), Qt::CaseInsensitive)) {
      weight = w.weight;
      break;
    }
  }
  font.setWeight(weight);
  font.setItalic(style.contains(QLatin1String("Italic"), Qt::CaseInsensitive));
  // Sizes are in points of a 72-dpi desktop, i.e. device-independent pixels.
  font.setPixelSize(std::max(1, int(std::lround(size))));
  if (kern != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, kern);
  return font;
}

void CXAlert::showAlertWithTitleInformTextButtonTitlesCompletionHandler(
    const QString &title, const QString &inform, const QStringList &buttonTitles,
    std::function<void(int)> completion) {
  Request request{title, inform, buttonTitles, std::move(completion)};
  if (request.buttons.isEmpty()) request.buttons = {localized("CXInterfaceString", "OK")};
  if (!MainQueue::isMainThread()) {
    MainQueue::async(
        [request = std::move(request)]() mutable { sharedAlert().enqueue(std::move(request)); });
    return;
  }
  sharedAlert().enqueue(std::move(request));
}

void CXAlert::enqueue(Request request) {
  if (const std::optional<int> answer = answerForTesting()) {
    const int number = std::clamp(*answer, 1, int(request.buttons.size()));
    MainQueue::async([completion = std::move(request.completion), number] {
      if (completion) completion(number);
    });
    return;
  }
  pending_.push_back(std::move(request));
  if (!current_) showNext();
}

void CXAlert::showNext() {
  if (current_ || pending_.empty()) return;
  current_ = std::move(pending_.front());
  pending_.pop_front();
  panel_ = new CXAlertPanel(*this, current_->title, current_->inform, current_->buttons);
  QObject::connect(panel_, &QObject::destroyed, [this, panel = panel_] {
    if (panel_ == panel) panel_ = nullptr;
  });
  panel_->placeOnScreen();
  panel_->show();
  panel_->activateWindow();
  panel_->focusFirstButton();
}

void CXAlert::finish(int number) {
  if (!current_) return;
  std::function<void(int)> completion = std::move(current_->completion);
  current_.reset();
  if (CXAlertPanel *panel = panel_) {
    panel_ = nullptr;
    panel->hide();
    panel->deleteLater();
  }
  if (completion) completion(number);
  showNext();
}

bool CXAlert::isShowing() const { return panel_ && panel_->isVisible(); }

QWidget *CXAlert::window() const { return panel_; }

QAbstractButton *CXAlert::button(int number) const {
  return panel_ ? panel_->button(number) : nullptr;
}

void CXAlert::setAnswerForTesting(std::optional<int> number) { answerForTesting() = number; }
