// Small skins for the runtime tests, built with the skin writer: every frame
// part and state has a solid colour of its own, so a pixel names its part.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Skin;

namespace testskin {

// Design of the frame objects: corners 12 x 30 on top, borders 4 wide,
// bottom row 6 high, in a 100 x 80 design.
constexpr int kTop = 30;
constexpr int kSide = 4;
constexpr int kBottom = 6;
constexpr int kCorner = 12;

COLORREF ActiveColour(int part, int variant = 0);
COLORREF InactiveColour(int part, int variant = 0);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);

struct Options {
    int variant = 0;           // changes every colour (second skin)
    bool cutCorners = true;    // magenta corner pixels make a region
    bool withAltObject = true; // a second frame object "Alt"
    bool withDialogObject = true;
    bool withStatic = true; // a static object (type 14) for adoption tests
};

// Writes the skin file and returns its path.
std::wstring Write(const std::wstring& fileName, const Options& options);

// For tests that need objects of their own: the skin `Write` would build, to
// add to, and the writer of any skin.
std::unique_ptr<Skin> Build(const Options& options);
std::wstring WriteSkin(const Skin& skin, const std::wstring& fileName);
// A 24-bit BMP of solid blocks, `block` pixels square, side by side.
std::vector<uint8_t> BlocksBmp(const std::vector<COLORREF>& colours, int block);

} // namespace testskin
