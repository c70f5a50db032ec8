#pragma once

// The screenshots program's scene registry.
//
// A scene is a function that builds widgets, shows them (offscreen) and saves
// pictures of them through the context. Add one by writing a .cpp file in this
// folder:
//
//   #include "Screenshot.h"
//   ORVELLA_SCREENSHOT_SCENE(about_window) {
//     for (bool dark : {true, false}) {
//       MyWindow w;  ...
//       ctx.save(QStringLiteral("about-%1").arg(schemeName(dark)), &w);
//     }
//   }
//
// Run a subset with `orvella-screenshots OUTDIR scene...`, list them with
// `orvella-screenshots --list`.
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

class QWidget;

class ScreenshotContext {
 public:
  explicit ScreenshotContext(const QDir &outDir) : outDir_(outDir) {}

  // Shows the widget's window if needed, lets pending layout and paint events
  // run, and writes <name>.png with the widget's pixels.
  void save(const QString &name, QWidget *widget);
  // Writes <name>.png.
  void save(const QString &name, const QImage &image);

  // Grabs a widget as an image at the screen's pixel ratio, after letting
  // pending events run.
  static QImage grab(QWidget *widget);
  // Lets the event loop run for a moment (layouts, activation, fades).
  static void settle(int ms = 30);

  const QStringList &written() const { return written_; }
  bool failed() const { return failed_; }

 private:
  QDir outDir_;
  QStringList written_;
  bool failed_ = false;
};

// "dark" or "light", for file names.
inline QString schemeName(bool dark) {
  return dark ? QStringLiteral("dark") : QStringLiteral("light");
}

// A soft shadowed backdrop around a picture of a window, so that panels
// without a frame of their own look as they do on a desktop.
QImage onBackdrop(const QImage &window, bool dark);

using ScreenshotSceneFn = void (*)(ScreenshotContext &);

struct ScreenshotSceneRegistration {
  ScreenshotSceneRegistration(const char *name, ScreenshotSceneFn fn);
};

#define ORVELLA_SCREENSHOT_SCENE(name)                                                           \
  static void orvellaScene_##name(ScreenshotContext &ctx);                                       \
  static const ScreenshotSceneRegistration orvellaSceneRegistration_##name(#name,                \
                                                                           orvellaScene_##name); \
  static void orvellaScene_##name(ScreenshotContext &ctx)
