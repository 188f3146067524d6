// Drawing of check boxes and radio buttons: background, the check glyph
// beside the text, and the text, in the look the button's state selects.
#pragma once

#include <windows.h>

#include "ButtonRules.h"

class CheckBoxObject;
class ImageLookup;

struct GlyphButtonPaint {
    HWND hwnd = nullptr;
    const CheckBoxObject* object = nullptr;
    const ImageLookup* skin = nullptr;
    CheckLookInput state;
};

void PaintGlyphButton(HDC dc, const GlyphButtonPaint& paint);
