// A stand-in for a reader that owns its application id on the session bus, as
// a single-instance application does, and answers
// org.freedesktop.Application.Activate by appending "activate" to a file.
//
//   orvella_bus_reader APP_ID RECORD_FILE
//
// Prints "ready <pid>" once it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QVariantMap>
#include <cstdio>

class FreedesktopApplication : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

 public:
  explicit FreedesktopApplication(QString record) : record_(std::move(record)) {}

 public slots:
  void Activate(const QVariantMap &) {
    QFile file(record_);
    if (file.open(QIODevice::Append)) file.write("activate\n");
  }

 private:
  QString record_;
};

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) return 2;
  const QString id = QString::fromLocal8Bit(argv[1]);
  FreedesktopApplication object(QString::fromLocal8Bit(argv[2]));
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QString path = QLatin1Char('/') + QString(id).replace(QLatin1Char('.'), QLatin1Char('/'));
  if (!bus.registerObject(path, &object, QDBusConnection::ExportAllSlots) ||
      !bus.registerService(id)) {
    std::fprintf(stderr, "bus reader: cannot own %s\n", argv[1]);
    return 1;
  }
  std::printf("ready %lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
  std::fflush(stdout);
  return app.exec();
}

#include "BusReader.moc"
