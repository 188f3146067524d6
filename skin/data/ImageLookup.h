#pragma once
#include <cstdint>

class DibImage;

// What images are keyed out with when a skin has no information object.
constexpr uint32_t kDefaultKeyColour = 0x00FF00FF;

// What image drawing needs from a loaded skin: its images by name and the
// transparent colour setting of its skin-information object. The skin
// implements this; drawing code does not depend on the skin classes.
class ImageLookup {
public:
    virtual ~ImageLookup() = default;

    // The decoded image of that name, or nullptr when there is none.
    virtual const DibImage* FindImage(const char* name) const = 0;

    // Transparent colour (COLORREF, red in the low byte) and the
    // USETRANSPARENTCOLOR flag of the first skin-information object.
    // Returns false when the skin has no such object.
    virtual bool GetTransparency(uint32_t& colour, bool& useTransparentColour) const = 0;

    // The colour that drawing keys out: the transparent colour whenever the
    // skin has an information object (USETRANSPARENTCOLOR only decides about
    // regions), else kDefaultKeyColour.
    uint32_t KeyColour() const {
        uint32_t colour = kDefaultKeyColour;
        bool useTransparentColour = false;
        return GetTransparency(colour, useTransparentColour) ? colour & 0x00FFFFFF : kDefaultKeyColour;
    }
};
