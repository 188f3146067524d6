#include "SystemColors.h"

#ifdef _WIN32
#include <windows.h>

uint32_t SysColor(SysColorIndex index) {
    return GetSysColor(static_cast<int>(index));
}
#else

uint32_t SysColor(SysColorIndex index) {
    switch (index) {
    case SysColorIndex::ActiveCaption:
        return 0x00D1B499;
    case SysColorIndex::InactiveCaption:
        return 0x00DBCDBF;
    case SysColorIndex::Window:
        return 0x00FFFFFF;
    case SysColorIndex::WindowText:
        return 0x00000000;
    case SysColorIndex::CaptionText:
        return 0x00000000;
    case SysColorIndex::Highlight:
        return 0x00FF9933;
    case SysColorIndex::HighlightText:
        return 0x00FFFFFF;
    case SysColorIndex::ButtonFace:
        return 0x00F0F0F0;
    case SysColorIndex::ButtonShadow:
        return 0x00A0A0A0;
    case SysColorIndex::GrayText:
        return 0x006D6D6D;
    case SysColorIndex::ButtonText:
        return 0x00000000;
    case SysColorIndex::InfoBackground:
        return 0x00E1FFFF;
    }
    return 0;
}
#endif
