// orvella-screenshots OUTDIR [scene...] | --list
// Renders every registered scene (or the named ones) into OUTDIR as PNG files.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QWidget>
#include <cstdio>
#include <map>
#include <string>

#include "Screenshot.h"
#include "toolkit/AccessibleFactories.h"
#include "toolkit/AlertSettings.h"

namespace {

std::map<std::string, ScreenshotSceneFn> &scenes() {
  static std::map<std::string, ScreenshotSceneFn> registry;
  return registry;
}

}  // namespace

ScreenshotSceneRegistration::ScreenshotSceneRegistration(const char *name, ScreenshotSceneFn fn) {
  scenes()[name] = fn;
}

void ScreenshotContext::settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  } while (timer.elapsed() < ms);
}

QImage ScreenshotContext::grab(QWidget *widget) {
  settle();
  return widget->grab().toImage();
}

void ScreenshotContext::save(const QString &name, QWidget *widget) {
  if (!widget->window()->isVisible()) widget->window()->show();
  save(name, grab(widget));
}

void ScreenshotContext::save(const QString &name, const QImage &image) {
  const QString path = outDir_.filePath(name + QStringLiteral(".png"));
  if (image.isNull() || !image.save(path)) {
    std::fprintf(stderr, "Could not write %s; check that the folder is writable.\n",
                 qPrintable(path));
    failed_ = true;
    return;
  }
  written_.append(path);
}

QImage onBackdrop(const QImage &window, bool dark) {
  const qreal dpr = window.devicePixelRatio();
  const int margin = int(28 * dpr);
  QImage out(window.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
  out.fill(dark ? QColor(0x1b, 0x1c, 0x20) : QColor(0xd5, 0xd9, 0xe0));
  QPainter p(&out);
  p.setRenderHint(QPainter::Antialiasing);
  // A stacked, fading shadow under the window.
  const QRectF frame(margin, margin, window.width(), window.height());
  for (int i = 1; i <= 14; ++i) {
    const qreal grow = i * dpr;
    QPainterPath path;
    path.addRoundedRect(frame.adjusted(-grow, -grow + 4 * dpr, grow, grow + 4 * dpr), 10 * dpr,
                        10 * dpr);
    p.fillPath(path, QColor(0, 0, 0, dark ? 9 : 6));
  }
  QPainterPath clip;
  clip.addRoundedRect(frame, 10 * dpr, 10 * dpr);
  p.setClipPath(clip);
  QImage plain = window;
  plain.setDevicePixelRatio(1.0);
  p.drawImage(frame.topLeft(), plain);
  p.end();
  out.setDevicePixelRatio(dpr);
  return out;
}

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  AccessibleFactories::install();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setFont(AlertSettings::font({}, QStringLiteral("HelveticaNeue-Regular"), 13));

  const QStringList args = QApplication::arguments().mid(1);
  if (args.value(0) == QStringLiteral("--list")) {
    for (const auto &[name, fn] : scenes()) std::printf("%s\n", name.c_str());
    return 0;
  }
  if (args.isEmpty()) {
    std::fprintf(stderr,
                 "Usage: orvella-screenshots OUTDIR [scene...]; --list names the scenes.\n");
    return 2;
  }
  QDir out(args.first());
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "Could not create %s; choose a writable folder.\n",
                 qPrintable(args.first()));
    return 1;
  }

  ScreenshotContext ctx(out);
  const QStringList wanted = args.mid(1);
  for (const QString &name : wanted) {
    if (!scenes().count(name.toStdString())) {
      std::fprintf(stderr, "No scene is called %s; --list names the scenes.\n", qPrintable(name));
      return 2;
    }
  }
  for (const auto &[name, fn] : scenes()) {
    if (!wanted.isEmpty() && !wanted.contains(QString::fromStdString(name))) continue;
    fn(ctx);
    // Windows a scene left open must not bleed into the next one.
    for (QWidget *w : QApplication::topLevelWidgets()) w->hide();
    ScreenshotContext::settle(10);
  }
  for (const QString &path : ctx.written()) std::printf("%s\n", qPrintable(path));
  return ctx.failed() ? 1 : 0;
}
