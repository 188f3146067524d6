// One position of a menu as the skinned popup shows it, read once when the
// popup is filled; submenus are read with their item.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct SkinMenuItem {
    std::wstring text; // with its "&" marks and an optional tab before the accelerator
    UINT commandId = 0;
    UINT state = 0; // the menu state bits of MenuRules.h
    wchar_t mnemonic = 0;
    bool highlighted = false;
    bool hasSubmenu = false;
    std::vector<SkinMenuItem> submenu;
    HMENU menu = nullptr; // the menu the item came from
};

using SkinMenuItemList = std::vector<SkinMenuItem>;

// Every position of `menu`, submenus read recursively (a menu nested deeper
// than any real one stops the descent).
SkinMenuItemList ReadMenuItems(HMENU menu);
