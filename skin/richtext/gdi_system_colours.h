// System colours of the running desktop.
#pragma once

#include "richtext/colour_names.h"

namespace richtext {

class GdiSystemColours : public SystemColourSource {
public:
    Colour systemColour(int index) const override;
};

} // namespace richtext
