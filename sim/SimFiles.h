// File access for the simulator: path spelling (UTF-8 text in the
// configuration, Unix paths under Wine), whole-file reads, atomic
// replacement and appending log lines.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

namespace fs = std::filesystem;

// A path written in a configuration or environment variable (UTF-8). On
// Windows a path beginning with '/' is a Unix path seen through Wine's Z:
// drive. A relative path is taken relative to baseFolder.
fs::path ResolvePath(std::string_view text, const fs::path& baseFolder);

// Same conversion without a base folder.
fs::path PathFromText(std::string_view text);

std::string PathToText(const fs::path& path);

// Whole file as bytes; nothing when it cannot be read or exceeds maxBytes.
std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t maxBytes);

// Writes a temporary file next to the target and renames it over the
// target, so a reader never sees half a file.
bool WriteFileAtomically(const fs::path& path, std::string_view content);

// Appends one line (a newline is added) and closes the file again, so that
// other processes see it at once.
void AppendLine(const fs::path& path, std::string_view line);

// Value of an environment variable as UTF-8 text; empty when unset.
std::string EnvironmentText(const char* name);

} // namespace sim
