#pragma once

#include <optional>
#include <string>

namespace tamberlyx::device {

// Reads a settings text from a file; a trailing line end is not part of it. nullopt with
// `error` set when the file cannot be read or is not a settings text a device would store.
std::optional<std::string> LoadSettingsFile(const std::string& path, std::string& error);

}  // namespace tamberlyx::device
