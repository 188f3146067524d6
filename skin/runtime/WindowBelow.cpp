#include "WindowBelow.h"

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
