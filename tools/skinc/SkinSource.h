#pragma once
// The readable skin source: a Skin printed as text, and text compiled back
// into a Skin.

#include <filesystem>
#include <string>

class Skin;

struct DumpOptions {
    // When set, every image is written there as a file and the source names
    // it, so that the printed source builds again.
    std::filesystem::path imageFolder;
};

std::string DumpSkinSource(const Skin& skin, const DumpOptions& options = {});

// Parses `source`; image paths are taken relative to `baseFolder`. The minor
// version of the `skin` line is stored in the skin's version.
bool ParseSkinSource(const std::string& source, const std::filesystem::path& baseFolder, Skin& skin,
                     std::string& error);
