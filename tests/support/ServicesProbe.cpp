// A second process for the tests: writes preferences the way another instance
// of the program would, reports the interface style it sees, and runs the
// appearance watcher through the ends of an application's life.
//
//   orvella_services_probe set-integer KEY VALUE
//   orvella_services_probe style
//   orvella_services_probe quit-while-watching       exec(), quit after a few periods
//   orvella_services_probe quit-while-posting        quit while the watcher waits for the main
//   thread orvella_services_probe destroy-while-posting     delete the application object instead
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <thread>

#include "platform/Defaults.h"
#include "platform/SystemStyle.h"
#include "services/CXServiceFunctions.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: orvella_services_probe set-integer KEY VALUE | style | quit-while-watching "
               "| quit-while-posting | destroy-while-posting\n");
  return 2;
}

// Lets the watcher find a change and block in its hop to the main thread,
// which is busy sleeping here and so does not take the call.
void provokeWaitingPost() {
  auto &service = CXServiceFunctions::sharedService();
  service.setLastChoosenAppearance(Appearance::kDark);
  SystemStyle::setOverride(std::nullopt);  // light: differs from what is recorded
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    return usage();
  }
  const QString command = QString::fromLocal8Bit(argv[1]);
  if (command == QLatin1String("set-integer") && argc == 4) {
    Defaults::standard().setInteger(QString::fromLocal8Bit(argv[2]),
                                    QString::fromLocal8Bit(argv[3]).toLongLong());
    return 0;
  }
  if (command == QLatin1String("style")) {
    const auto style = SystemStyle::interfaceStyle();
    std::printf("%s\n", style ? qPrintable(*style) : "<none>");
    return 0;
  }

  auto app = std::make_unique<QApplication>(argc, argv);
  Defaults::standard().remove(AppearanceNames::kAppearanceTypeKey);
  SystemStyle::setOverride(QStringLiteral("Dark"));
  int posts = 0;
  QObject::connect(&CXServiceFunctions::sharedService().changes(),
                   &AppearanceChanges::systemAppearanceDidChange, [&posts] { ++posts; });
  CXServiceFunctions::appAppearance();  // follows the system: starts the watcher
  auto &service = CXServiceFunctions::sharedService();

  int status = 0;
  if (command == QLatin1String("quit-while-watching")) {
    QTimer::singleShot(100, app.get(), [] { QCoreApplication::quit(); });
    status = app->exec();
  } else if (command == QLatin1String("quit-while-posting")) {
    QTimer::singleShot(0, app.get(), [&] {
      provokeWaitingPost();
      QCoreApplication::quit();  // the queued post is still waiting behind this
    });
    status = app->exec();
  } else if (command == QLatin1String("destroy-while-posting")) {
    provokeWaitingPost();
    app.reset();
  } else {
    return usage();
  }
  // What the parent checks: the watcher is gone and nothing waits any more.
  std::printf("loops=%d started=%d posts=%d\n", service.runningLoops(),
              service.isScanStarted() ? 1 : 0, posts);
  std::fflush(stdout);
  return status;
}
