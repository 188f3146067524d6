#include "IconSize.h"

SIZE IconSize(HICON icon) {
    SIZE size{32, 32};
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bitmap{};
    if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
        size = SIZE{bitmap.bmWidth, bitmap.bmHeight};
    } else if (info.hbmMask && GetObjectW(info.hbmMask, sizeof bitmap, &bitmap)) {
        // A monochrome icon's mask holds the AND and XOR halves.
        size = SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}
