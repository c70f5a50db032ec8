// A stand-in for the desktop's file manager: owns org.freedesktop.FileManager1
// on the session bus and answers ShowItems by appending each address it is
// asked to show, a line each, to a file.
//
//   orvella_file_manager_stand_in RECORD_FILE
//
// Prints "ready <pid>" once it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QStringList>
#include <cstdio>

class FileManager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

 public:
  explicit FileManager(QString record) : record_(std::move(record)) {}

 public slots:
  void ShowItems(const QStringList &uris, const QString &) {
    QFile file(record_);
    if (!file.open(QIODevice::Append)) return;
    for (const QString &uri : uris) file.write(uri.toUtf8() + '\n');
  }

 private:
  QString record_;
};

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) return 2;
  FileManager manager(QString::fromLocal8Bit(argv[1]));
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QStringLiteral("org.freedesktop.FileManager1"))) {
    std::fprintf(stderr, "file manager stand-in: cannot own org.freedesktop.FileManager1\n");
    return 1;
  }
  std::printf("ready %lld\n", static_cast<long long>(QCoreApplication::applicationPid()));
  std::fflush(stdout);
  return app.exec();
}

#include "FileManagerStandIn.moc"
