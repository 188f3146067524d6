#pragma once
// Push button, check box / radio button and group box objects.

#include "ControlObject.h"

#include <cstring>

class PushButtonObject : public ControlObject {
    SKIN_RECORD_IO
public:
    PushButtonObject();

    enum State {
        Normal,
        Pressed,
        Default,
        Focused,
        Highlighted,
        Disabled,
        StateCount
    };
    struct StateBlock {
        NineGridImage image{};
        TextEffect effect = TextEffect::Default();
        uint8_t tail[16] = {};
    };
    StateBlock states[StateCount];
    char text50[50] = {};
    uint32_t value3 = 0;
    uint32_t oldFontValue = 0; // follows the font in records without a control section
    uint32_t value4 = 0;

protected:
    bool HasControlSection(int minor) const override { return minor >= 7; }
};

// Codes 5 (check box) and 11 (radio button) share this layout.
class CheckBoxObject : public ControlObject {
    SKIN_RECORD_IO
public:
    explicit CheckBoxObject(int typeCode);

    enum State {
        Normal,
        Selected,
        Disabled,
        GrayedNormal,
        GrayedSelected,
        HighlightedNormal,
        HighlightedSelected,
        StateCount
    };
    struct StateBlock {
        ImageRef background{};
        uint8_t backgroundTail[16] = {}; // with `background`, read as a nine-grid by the drawing
        ImageRef box{};
        TextEffect effect = TextEffect::Default();
        uint8_t tail[16] = {};
    };
    StateBlock states[StateCount];
    char text50[50] = {};
    uint32_t transparent = 0;

    // The background image and the 16 bytes after it as one nine-grid value.
    NineGridImage BackgroundGrid(int state) const {
        NineGridImage g;
        std::memcpy(static_cast<void*>(&g), &states[state].background, sizeof g);
        return g;
    }
};

class GroupBoxObject : public ControlObject {
    SKIN_RECORD_IO
public:
    GroupBoxObject();

    NineGridImage captionImage{};
    uint32_t captionColor;
    TextEffect textEffect = TextEffect::Default();
    uint32_t transparent = 0;
};
