// Text of push buttons, check boxes and radio buttons: the window text in
// the control's font, measured and placed by the button's styles, drawn
// with a text effect.
#pragma once

#include <windows.h>

#include "SkinRect.h"
#include "TextEffect.h"

inline RECT RectFromSkin(const SkinRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}
inline SkinRect SkinFromRect(const RECT& r) {
    return SkinRect{r.left, r.top, r.right, r.bottom};
}

// The control's font, or the system font when it has none.
HFONT ControlFont(HWND control);

// Draws at most `maxChars` characters of the button's text inside `area`;
// without an alignment style push buttons centre and the others align left.
// The caller has selected the font.
void DrawButtonText(HDC dc, HWND button, const RECT& area, int maxChars, bool pushButton,
                    const TextEffect& effect);
