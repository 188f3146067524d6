// Pictures for menu items by command identifier: an index into up to three
// image lists (normal, hot, disabled). A frame hands its map to the popups
// it opens.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <map>

struct MenuImageMap {
    std::map<UINT, int> images; // command identifier -> image index
    HIMAGELIST normal = nullptr;
    HIMAGELIST hot = nullptr;
    HIMAGELIST disabled = nullptr;
};
