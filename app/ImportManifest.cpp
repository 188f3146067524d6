#include "ImportManifest.h"

#include "Utf8.h"

#include <cctype>

namespace {
constexpr std::size_t kHexDigits = 64;

bool IsReservedDeviceName(std::string_view part) {
    // Windows opens a device, not a file, for these names whatever the extension.
    std::string stem(part.substr(0, part.find('.')));
    for (auto& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}
} // namespace

std::string FormatManifestLine(const ManifestEntry& entry) {
    return ToHex(entry.digest) + "  " + entry.path + "\n";
}

std::string CheckManifestPath(std::string_view path) {
    if (path.empty()) return "no file name";
    if (path.size() > kMaxManifestPathBytes) return "the name is too long";
    std::wstring wide;
    if (!FromUtf8(path, wide)) return "the name is not valid UTF-8 (characters outside what brevox writes)";
    if (path[0] == '/') return "an absolute path (must be relative to the manifest)";
    for (unsigned char c : path) {
        if (c < 0x20 || c == 0x7F) return "a control character in the name";
        if (c == '\\')
            return "a backslash in the name (brevox writes \"/\"; on Windows \"\\\" is a separator)";
        if (c == ':') return "a colon in the name (drive letter or stream)";
        if (c == '<' || c == '>' || c == '"' || c == '|' || c == '?' || c == '*')
            return "a character that Windows does not allow in names";
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = path.substr(start, end - start);
        if (part.empty()) return "an empty path component";
        if (part == "." || part == "..") return "a path that leaves the manifest's folder";
        // Windows drops trailing dots and blanks, so "..." or ".. " would name the parent.
        if (part.back() == '.' || part.back() == ' ') return "a component that ends in a dot or blank";
        if (IsReservedDeviceName(part)) return "a Windows device name";
        start = end + 1;
    }
    return {};
}

ParsedManifest ParseManifest(std::string_view text) {
    ParsedManifest parsed;
    auto refuse = [&](std::size_t line, std::string reason) {
        if (parsed.problems.size() < kMaxManifestProblems)
            parsed.problems.push_back({line, std::move(reason)});
    };
    if (text.size() > kMaxManifestBytes) {
        refuse(0, "the manifest is larger than any import writes");
        return parsed;
    }
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line[0] == '\\') {
            refuse(lineNumber, "an escaped name, which brevox never writes");
            continue;
        }
        ManifestEntry entry;
        if (line.size() < kHexDigits + 3 || !FromHex(line.substr(0, kHexDigits), entry.digest) ||
            line[kHexDigits] != ' ' || (line[kHexDigits + 1] != ' ' && line[kHexDigits + 1] != '*')) {
            refuse(lineNumber, "not a \"<64 hex digits>  <path>\" line");
            continue;
        }
        std::string_view path = line.substr(kHexDigits + 2);
        std::string why = CheckManifestPath(path);
        if (!why.empty()) {
            refuse(lineNumber, why);
            continue;
        }
        entry.path.assign(path);
        parsed.entries.push_back(std::move(entry));
    }
    if (!parsed.problems.empty()) parsed.entries.clear();
    return parsed;
}
