#include "ReaderContainer.h"

#include "platform/GroupContainer.h"

namespace ReaderContainer {

std::optional<std::filesystem::path> folder() { return GroupContainer::url(kGroupIdentifier); }

std::optional<std::filesystem::path> databasePath() {
  auto container = folder();
  if (!container) return std::nullopt;
  return *container / "Documents" / "Feeds";
}

}  // namespace ReaderContainer
