#include "SkinMenuItem.h"

#include "MenuRules.h"

namespace {

constexpr int kMaxDepth = 16;
constexpr UINT kStateBits = kMenuGrayed | kMenuDisabled | kMenuChecked | kMenuPopup | kMenuSeparator;

SkinMenuItemList ReadLevel(HMENU menu, int depth) {
    SkinMenuItemList items;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        SkinMenuItem item;
        item.menu = menu;
        wchar_t text[400] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = ARRAYSIZE(text) - 1;
        if (GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info) && info.dwTypeData) {
            item.text = text;
        }
        item.commandId = GetMenuItemID(menu, position);
        // The high byte of a popup's state counts its items.
        item.state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & kStateBits;
        item.mnemonic = static_cast<wchar_t>(
            MenuMnemonic(std::u16string_view(reinterpret_cast<const char16_t*>(item.text.c_str()))));
        if (HMENU sub = GetSubMenu(menu, position)) {
            item.hasSubmenu = true;
            if (depth < kMaxDepth) item.submenu = ReadLevel(sub, depth + 1);
        }
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

SkinMenuItemList ReadMenuItems(HMENU menu) {
    if (!menu || !IsMenu(menu)) return {};
    return ReadLevel(menu, 0);
}
