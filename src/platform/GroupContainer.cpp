#include "GroupContainer.h"

#include <cstdlib>

namespace GroupContainer {

namespace {

bool isPlainFolderName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\0') == std::string_view::npos;
}

std::optional<std::filesystem::path> absoluteEnv(const char *name) {
  const char *value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    return std::nullopt;
  }
  std::filesystem::path path(value);
  if (!path.is_absolute()) {
    return std::nullopt;
  }
  return path;
}

}  // namespace

std::optional<std::filesystem::path> url(std::string_view groupId) {
  if (!isPlainFolderName(groupId)) {
    return std::nullopt;
  }
  // The XDG base-directory rules ignore a relative XDG_DATA_HOME.
  if (auto data = absoluteEnv("XDG_DATA_HOME")) {
    return *data / std::string(groupId);
  }
  auto home = absoluteEnv("HOME");
  if (!home) {
    return std::nullopt;
  }
  return *home / ".local" / "share" / std::string(groupId);
}

}  // namespace GroupContainer
