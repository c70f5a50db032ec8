// Entry of every test program: prepares the sandboxed XDG folders that CTest
// points the environment at, then runs the tests inside a QApplication on the
// offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

namespace {

void ensureFolder(const char *variable, bool privateFolder) {
  const char *value = std::getenv(variable);
  if (value == nullptr || *value == '\0') {
    return;
  }
  std::error_code ec;
  std::filesystem::create_directories(value, ec);
  if (privateFolder) {
    std::filesystem::permissions(value, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, ec);
  }
}

}  // namespace

int main(int argc, char **argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  ensureFolder("HOME", false);
  ensureFolder("XDG_DATA_HOME", false);
  ensureFolder("XDG_CONFIG_HOME", false);
  ensureFolder("XDG_CACHE_HOME", false);
  ensureFolder("XDG_RUNTIME_DIR", true);
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName("Corvanex");
  QCoreApplication::setApplicationName("OrvellaExporterTests");
  return RUN_ALL_TESTS();
}
