// Import manifests from the fuzzer: the reader must stay in bounds, and
// every entry it accepts must be a relative path confined to the manifest's
// folder that reads back the same when written again.
#include "ImportManifest.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ParsedManifest parsed = ParseManifest(text);
    if (!parsed.problems.empty() && !parsed.entries.empty()) std::abort();
    if (parsed.problems.size() > kMaxManifestProblems) std::abort();
    for (const auto& entry : parsed.entries) {
        if (!CheckManifestPath(entry.path).empty()) std::abort();
        const std::string& p = entry.path;
        if (p.find("..") != std::string::npos &&
            (p == ".." || p.rfind("../", 0) == 0 || p.find("/../") != std::string::npos ||
             (p.size() >= 3 && p.compare(p.size() - 3, 3, "/..") == 0)))
            std::abort();
        ParsedManifest again = ParseManifest(FormatManifestLine(entry));
        if (again.entries.size() != 1 || again.entries[0].path != p ||
            again.entries[0].digest != entry.digest)
            std::abort();
    }
    return 0;
}
