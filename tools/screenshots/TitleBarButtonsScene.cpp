// The three title-bar buttons in each of their five states, in both schemes.
#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QWidget>
#include <functional>

#include "Screenshot.h"
#include "toolkit/TitleBarButtons.h"
#include "toolkit/WindowAppearance.h"

namespace {

using TitleBarButtons::Kind;

struct Strip {
  QWidget window;
  QWidget *controls = nullptr;
  CXWindowButton *buttons[3] = {};
  explicit Strip(bool dark) {
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.resize(76, 16);
    WindowAppearance::set(&window,
                          dark ? NSAppearanceNameVibrantDark : NSAppearanceNameVibrantLight);
    window.setAutoFillBackground(true);
    controls = new QWidget(&window);
    controls->setGeometry(0, 0, 76, 16);
    const Kind kinds[] = {Kind::Close, Kind::Minimize, Kind::Zoom};
    for (int i = 0; i < 3; ++i)
      buttons[i] = TitleBarButtons::createButton(kinds[i], &window, controls,
                                                 QStringLiteral("groupDoc"), {8.0 + 20 * i, 2});
  }
};

void hover(QWidget *w) {
  const QPointF local(6, 6);
  QEnterEvent event(local, local, w->mapToGlobal(local));
  QApplication::sendEvent(w, &event);
}

}  // namespace

ORVELLA_SCREENSHOT_SCENE(titlebar_buttons) {
  struct State {
    const char *label;
    std::function<void(Strip &)> apply;
  };
  QWidget otherWindow;  // takes the focus away for the not-key state
  otherWindow.resize(10, 10);
  const State states[] = {
      {"Active", [](Strip &) {}},
      {"Window not key",
       [&otherWindow](Strip &) {
         otherWindow.show();
         otherWindow.activateWindow();
       }},
      {"Disabled",
       [](Strip &s) {
         for (auto *b : s.buttons) b->setEnabled(false);
       }},
      {"Pressed",
       [](Strip &s) {
         hover(s.buttons[0]);
         for (auto *b : s.buttons) b->setDown(true);
       }},
      {"Rollover", [](Strip &s) { hover(s.buttons[1]); }},
  };

  for (bool dark : {true, false}) {
    const QPalette palette =
        WindowAppearance::palette(dark ? ColorScheme::Dark : ColorScheme::Light);
    QList<QImage> strips;
    for (const State &state : states) {
      Strip strip(dark);
      strip.window.show();
      strip.window.activateWindow();
      ScreenshotContext::settle();
      state.apply(strip);
      strips.append(ScreenshotContext::grab(&strip.window));
      otherWindow.hide();
    }
    // Label column on the left, strips on the right, one state per line.
    const qreal dpr = strips.first().devicePixelRatio();
    const int labelWidth = 130, rowHeight = 28, pad = 14;
    const QSize logical(pad + labelWidth + 76 + pad, pad + rowHeight * int(strips.size()) + pad);
    QImage sheet(logical * dpr, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(palette.color(QPalette::Window));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font = QApplication::font();
    font.setPixelSize(12);
    p.setFont(font);
    for (int i = 0; i < strips.size(); ++i) {
      const int top = pad + i * rowHeight;
      p.setPen(WindowAppearance::secondaryTextColor(dark ? ColorScheme::Dark : ColorScheme::Light));
      p.drawText(QRect(pad, top, labelWidth, rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                 QString::fromLatin1(states[i].label));
      p.drawImage(QPointF(pad + labelWidth, top + (rowHeight - 16) / 2.0), strips[i]);
    }
    p.end();
    ctx.save(QStringLiteral("titlebar-buttons-%1").arg(schemeName(dark)), onBackdrop(sheet, dark));
  }
}
