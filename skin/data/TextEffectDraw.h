#pragma once
// Drawing text with a TextEffect (Windows only).
#include <windows.h>

#include "TextEffect.h"

// With the shadow bit set, draws the text in the shadow colour into `rect`
// moved by the shadow offsets, then in the text colour into `rect`; the
// background mode is transparent throughout and restored afterwards.
void DrawEffectText(HDC dc, const wchar_t* text, int length, const RECT& rect, UINT format,
                    const TextEffect& effect);
