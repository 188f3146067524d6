#pragma once
// Writes pictures as 24-bit BMP files.

#include <filesystem>

class DibImage;

// The image's colours, whatever its depth.
bool WriteBmp24(const DibImage& image, const std::filesystem::path& path);
// The image's alpha channel as grey levels.
bool WriteAlphaBmp24(const DibImage& image, const std::filesystem::path& path);
