// The manifest of one import, in the line format of the common sha256sum
// tool ("<64 hex digits>  <path>"), paths relative to the manifest's folder
// in UTF-8 with forward slashes, so that `sha256sum -c` checks it on any
// machine. The reader takes untrusted text: every path is confined to the
// manifest's folder and anything unexpected refuses the whole manifest.
#pragma once

#include "Sha256.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct ManifestEntry {
    Sha256Digest digest{};
    std::string path; // UTF-8, relative, "/"-separated
};

// A manifest larger than this is refused before it is read.
constexpr std::size_t kMaxManifestBytes = 256u << 20;
// Longest path accepted: a Windows extended-length path, in UTF-8 bytes.
constexpr std::size_t kMaxManifestPathBytes = 32767 * 3;
// Problems reported before the reader stops listing them.
constexpr std::size_t kMaxManifestProblems = 100;

// One line, newline included.
std::string FormatManifestLine(const ManifestEntry& entry);

struct ManifestProblem {
    std::size_t line = 0; // 1-based
    std::string reason;
};

struct ParsedManifest {
    std::vector<ManifestEntry> entries;
    // Non-empty: the manifest is refused and none of its entries may be used.
    std::vector<ManifestProblem> problems;
};

ParsedManifest ParseManifest(std::string_view text);

// Why a path may not be checked (empty when it is a plain relative path
// that stays inside the manifest's folder on Windows and elsewhere).
std::string CheckManifestPath(std::string_view path);
