#include "richtext/gdi_system_colours.h"

#include <windows.h>

namespace richtext {

Colour GdiSystemColours::systemColour(int index) const {
    return Colour(GetSysColor(index)) & 0xFFFFFF;
}

} // namespace richtext
