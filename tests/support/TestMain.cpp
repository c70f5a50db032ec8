// Entry of every test program: prepares the sandboxed XDG folders that CTest
// points the environment at, then runs the tests inside a QApplication on the
// offscreen platform.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "toolkit/AccessibleFactories.h"

namespace {

// CTest runs the cases of one program as separate processes, several at a
// time, all with the same sandbox; one case's preferences or reader database
// must not reach a case running beside it. So each process moves its folders
// one level down, into a folder of its own under the sandbox, which the
// helper programs it starts inherit, and removes that folder at the end.
std::filesystem::path processFolder() {
  const char *home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    return {};
  }
  return std::filesystem::path(home).parent_path() / ("process-" + std::to_string(getpid()));
}

void ensureFolder(const char *variable, bool privateFolder, const std::filesystem::path &own) {
  const char *value = std::getenv(variable);
  if (value == nullptr || *value == '\0') {
    return;
  }
  std::filesystem::path folder(value);
  if (!own.empty()) {
    folder = own / folder.filename();
    setenv(variable, folder.c_str(), 1);
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (privateFolder) {
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, ec);
  }
}

}  // namespace

int main(int argc, char **argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The tests read the English texts: whatever the developer's own language,
  // the program and the helpers it starts speak English here. The tests of
  // the translations switch languages themselves.
  setenv("LANGUAGE", "en_US", 1);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  const std::filesystem::path own = processFolder();
  ensureFolder("HOME", false, own);
  ensureFolder("XDG_DATA_HOME", false, own);
  ensureFolder("XDG_CONFIG_HOME", false, own);
  ensureFolder("XDG_CACHE_HOME", false, own);
  ensureFolder("XDG_RUNTIME_DIR", true, own);
  int status = 0;
  {
    QApplication app(argc, argv);
    AccessibleFactories::install();
    QCoreApplication::setOrganizationName("Corvanex");
    QCoreApplication::setApplicationName("OrvellaExporterTests");
    status = RUN_ALL_TESTS();
  }
  if (!own.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(own, ec);
  }
  return status;
}
