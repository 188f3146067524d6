#include "SkinCheckBox.h"

#include "ButtonRules.h"

void SkinCheckBox::PaintWhole(HDC dc) {
    PaintGlyphLook(dc, true);
}

void SkinCheckBox::ClickAction() {
    const int state = CheckState();
    const int next = NextCheckState(static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), state);
    if (next != state) SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(next), 0);
}
