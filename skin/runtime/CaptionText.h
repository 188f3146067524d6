// The title of a skinned frame or dialog, drawn in the caption strip with the
// frame object's caption font, colour and text effect.
#pragma once

#include <windows.h>

class WindowFrameObject;

// Longest title drawn; longer titles are cut (and end in an ellipsis).
constexpr int kMaxCaptionChars = 300;

void DrawCaptionText(HDC dc, HWND hwnd, const RECT& strip, const WindowFrameObject& frame, DWORD exStyle,
                     int dpi);
