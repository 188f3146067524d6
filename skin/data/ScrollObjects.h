#pragma once
// Scroll bar, trackbar and spin control objects.

#include "ControlObject.h"

class ScrollBarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    ScrollBarObject();

    // The first four states are horizontal, the last four vertical.
    enum State {
        Normal,
        Pressed,
        Highlighted,
        Disabled,
        VNormal,
        VPressed,
        VHighlighted,
        VDisabled,
        StateCount
    };
    struct StateBlock {
        ImageRef arrow1{};
        ImageRef arrow2{};
        NineGridImage track{};
        NineGridImage thumb{};
    };
    StateBlock states[StateCount];
    ImageRef gripper{};
    uint32_t values[5] = {0, 100, 10, 1, 10};
};

class TrackbarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    TrackbarObject();

    NineGridImage thumbHorizontal{};
    uint32_t value3 = 0;
    uint32_t values[4] = {};
    NineGridImage channel{};
    uint32_t transparent = 0;
    NineGridImage thumbVertical{};
};

class SpinObject : public ControlObject {
    SKIN_RECORD_IO
public:
    SpinObject();

    enum State {
        Normal,
        Hover,
        Pressed,
        Disabled,
        StateCount
    };
    struct Arrows {
        ImageRef up{};
        ImageRef down{};
    };
    Arrows vertical[StateCount];
    Arrows horizontal[StateCount];
};
