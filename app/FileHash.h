// SHA-256 of a whole file by path, for checking copies that already exist
// and for verifying manifests.
#pragma once

#include "Sha256.h"

#include <cstdint>
#include <filesystem>
#include <string>

enum class FileHashResult {
    Hashed,
    Missing,
    Unreadable
};

// `size` gets the bytes read; `error` a short reason when not hashed.
FileHashResult HashFile(const std::filesystem::path& path, Sha256Digest& digest,
                        std::uint64_t* size = nullptr, std::string* error = nullptr);
