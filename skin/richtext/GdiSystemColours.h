// System colours of the running desktop.
#pragma once

#include "richtext/ColourNames.h"

namespace richtext {

class GdiSystemColours : public SystemColourSource {
public:
    Colour SystemColour(int index) const override;
};

} // namespace richtext
