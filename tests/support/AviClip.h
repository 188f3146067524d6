// A tiny uncompressed 8-bit AVI writer for the animation test and the demo:
// one video stream of palette indices, every frame a key frame, with an index.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testavi {

struct Clip {
    int width = 0;
    int height = 0;
    int frames = 0;
    uint32_t rate = 10; // frames per `scale` seconds
    uint32_t scale = 1;
    std::vector<COLORREF> palette;               // up to 256 colours
    std::function<uint8_t(int, int, int)> pixel; // (frame, x, y), y counted from the top
};

// The whole RIFF 'AVI ' file.
std::vector<uint8_t> Build(const Clip& clip);
bool WriteFile(const std::wstring& path, const std::vector<uint8_t>& bytes);

} // namespace testavi
