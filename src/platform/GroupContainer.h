#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// The folder that applications of one group share.
//
// $XDG_DATA_HOME/<group id>, with ~/.local/share when XDG_DATA_HOME is unset
// or not absolute.
// Empty when no home folder is known or the group id is not a plain folder name.
namespace GroupContainer {

std::optional<std::filesystem::path> url(std::string_view groupId);

}  // namespace GroupContainer
