#include "SystemMenu.h"

#include <iterator>

#include "ElementRules.h"
#include "SkinMenus.h"

namespace {

constexpr UINT kSeparator = 0;
constexpr UINT kItems[] = {SC_RESTORE, SC_SIZE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, kSeparator, SC_CLOSE};

// Appends `command` with the system menu's text; false when it has none.
bool AppendItem(HMENU popup, HMENU system, UINT command, HWND hwnd) {
    wchar_t text[128] = {};
    if (!system ||
        GetMenuStringW(system, command, text, static_cast<int>(std::size(text)), MF_BYCOMMAND) <= 0 ||
        !text[0]) {
        return false;
    }
    const UINT systemState = GetMenuState(system, command, MF_BYCOMMAND);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const bool enabled =
        !(systemState & (MF_GRAYED | MF_DISABLED)) &&
        SystemMenuItemEnabled(command, IsZoomed(hwnd) != FALSE, IsIconic(hwnd) != FALSE, style);
    return AppendMenuW(popup, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, text) != FALSE;
}

void AppendSeparator(HMENU popup) {
    if (GetMenuItemCount(popup) > 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
}

} // namespace

HMENU BuildSystemMenuPopup(HWND hwnd) {
    HMENU system = GetSystemMenu(hwnd, FALSE);
    HMENU popup = CreatePopupMenu();
    if (!popup) return nullptr;
    int added = 0;
    for (UINT command : kItems) {
        if (command == kSeparator) {
            AppendSeparator(popup);
        } else if (AppendItem(popup, system, command, hwnd)) {
            ++added;
        }
    }
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
        AppendSeparator(popup);
        if (AppendItem(popup, system, SC_NEXTWINDOW, hwnd)) ++added;
    }
    if (added == 0) {
        DestroyMenu(popup);
        return nullptr;
    }
    return popup;
}

void TrackSystemMenu(HWND hwnd, POINT screen) {
    HMENU popup = BuildSystemMenuPopup(hwnd);
    if (!popup) return;
    SkinTrackPopupMenu(popup, screen.x + 2, screen.y, hwnd, true);
    DestroyMenu(popup);
}

int SkinShowSystemMenu(HWND window) {
    if (!IsWindow(window) || !GetSystemMenu(window, FALSE)) return 0;
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackSystemMenu(window, cursor);
    return 0;
}
