#include "WindowBelow.h"

#include "SkinMessages.h"
#include "WindowText.h"

HWND WindowBelow(HWND control) {
    const HWND parent = GetParent(control);
    if (!parent) return nullptr;
    RECT own{};
    GetWindowRect(control, &own);
    for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == control || WindowClassNameAscii(sibling) != "SysTabControl32") continue;
        RECT tab{};
        GetWindowRect(sibling, &tab);
        if (own.left >= tab.left && own.top >= tab.top && own.right <= tab.right &&
            own.bottom <= tab.bottom) {
            return sibling;
        }
    }
    return parent;
}

void PaintWindowBelow(HDC dc, HWND control, const RECT& client) {
    const HWND below = WindowBelow(control);
    if (!below || !SendMessageW(below, kWmSkinChildBkgnd, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control))) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    }
}
