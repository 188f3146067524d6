#include "richtext/GdiSystemColours.h"

#include <windows.h>

namespace richtext {

Colour GdiSystemColours::SystemColour(int index) const {
    return Colour(GetSysColor(index)) & 0xFFFFFF;
}

} // namespace richtext
