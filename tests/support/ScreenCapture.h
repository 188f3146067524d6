#pragma once
// Screenshots the tests and the demo leave behind: part of the screen saved
// as a 24-bit BMP file.

#include <windows.h>

#include <functional>
#include <string>

namespace testsupport {

// Draws over the copied picture before it is saved; the memory DC's origin
// is the area's top-left corner.
using PaintOver = std::function<void(HDC memory, const RECT& area)>;

bool SaveScreenArea(const RECT& area, const std::wstring& path, const PaintOver& paintOver = {});

} // namespace testsupport
