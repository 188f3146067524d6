// The title of a skinned frame or dialog, drawn in the caption strip with the
// frame object's caption font, colour and text effect.
#pragma once

#include <windows.h>

#include <string>

struct SkinFont;
struct TextEffect;
class WindowFrameObject;

// Longest title drawn; longer titles are cut (and end in an ellipsis).
constexpr int kMaxCaptionChars = 300;

void DrawCaptionText(HDC dc, HWND hwnd, const RECT& strip, const WindowFrameObject& frame, DWORD exStyle,
                     int dpi);

// `text` in `rect` with a skin font (its height scaled for `dpi`), the font's
// colour and the effect's shadow, on a transparent background.
void DrawSkinText(HDC dc, const std::wstring& text, const RECT& rect, const SkinFont& font,
                  const TextEffect& effect, UINT format, int dpi);
