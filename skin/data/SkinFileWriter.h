#pragma once
// Writes a Skin as a skin file: every object through its save operation, in
// the record layout of the chosen minor version, LZO1X-1 compressed.

#include <cstdint>
#include <vector>

class Skin;

// The uncompressed body: header, objects, images, auxiliary objects.
std::vector<uint8_t> SaveSkinBody(const Skin& skin, int minor);
// The complete file.
std::vector<uint8_t> SaveSkinFile(const Skin& skin, int minor);
