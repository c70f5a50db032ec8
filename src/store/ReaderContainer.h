#pragma once

#include <filesystem>
#include <optional>

// Where the reader keeps its data: the application-group folder that the
// exporter shares with it, and its database there.
namespace ReaderContainer {

inline constexpr char kGroupIdentifier[] = "QM4T8ZK2WR.com.Corvanex.Orvella";

// The group folder, or nothing when it cannot be located (neither
// XDG_DATA_HOME nor HOME is an absolute path).
std::optional<std::filesystem::path> folder();

// The reader's own database, Documents/Feeds in the group folder.
std::optional<std::filesystem::path> databasePath();

}  // namespace ReaderContainer
