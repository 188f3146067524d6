#include "SkinRadioButton.h"

#include <vector>

#include "ButtonRules.h"

void SkinRadioButton::PaintWhole(HDC dc) {
    PaintGlyphLook(dc, false);
}

void SkinRadioButton::ClickAction() {
    const auto style = static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    if ((style & kBsTypeMask) != kBsAutoRadioButton) return;
    const HWND self = hwnd_;
    SendMessageW(self, BM_SETCHECK, BST_CHECKED, 0);
    const HWND parent = GetParent(self);
    if (!parent) return;
    std::vector<HWND> siblings;
    std::vector<bool> startsGroup;
    std::size_t index = 0;
    for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == self) index = siblings.size();
        siblings.push_back(w);
        startsGroup.push_back((GetWindowLongPtrW(w, GWL_STYLE) & WS_GROUP) != 0);
    }
    const auto [first, last] = RadioGroupRange(startsGroup, index);
    for (std::size_t i = first; i < last; ++i) {
        const HWND w = siblings[i];
        if (!IsWindow(w) || !(SendMessageW(w, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        SendMessageW(w, BM_SETCHECK, w == self ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}
