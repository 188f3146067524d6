// Re-checks every file of an import manifest: each must exist and have its
// recorded SHA-256; a file in one of the manifest's folders that no manifest
// beside it lists is reported too.
#pragma once

#include <filesystem>
#include <ostream>

// Writes one line per changed, missing, unreadable and extra file and a
// closing count. Returns 0 when everything matches, 1 on any difference, 2
// when the manifest cannot be read or is refused (nothing is then checked).
int VerifyManifest(const std::filesystem::path& manifest, std::ostream& out);

// Name ending of manifests; the import record beside one ends in ".txt".
constexpr char kManifestExtension[] = ".sha256";
