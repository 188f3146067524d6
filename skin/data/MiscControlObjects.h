#pragma once
// Static text, tab control, date-time picker, month calendar and animation
// objects.

#include "ControlObject.h"

class StaticObject : public ControlObject {
    SKIN_RECORD_IO
public:
    StaticObject();

    uint32_t transparent = 1;
    TextEffect textEffect = TextEffect::Default();
    char text51[kTextField] = {};
};

class TabControlObject : public ControlObject {
    SKIN_RECORD_IO
public:
    TabControlObject();

    enum State {
        Normal,
        Pressed,
        Disabled,
        Hovered,
        StateCount
    };
    struct StateBlock {
        NineGridImage tab{};
        TextEffect effect = TextEffect::Default();
        uint8_t tail[16] = {};
    };
    StateBlock states[StateCount];
    NineGridImage frame{};
    uint32_t transparent = 0;
};

class DateTimeObject : public ControlObject {
    SKIN_RECORD_IO
public:
    DateTimeObject();

    NineGridImage images[3] = {};
    ImageRef image4{};
    uint8_t extra4[16] = {};
    ImageRef image5{};
    uint8_t extra5[16] = {};
    uint32_t color4;
};

class MonthCalendarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    MonthCalendarObject();

    NineGridImage images[6] = {};
    uint32_t colors[4];
};

class AnimationObject : public ControlObject {
    SKIN_RECORD_IO
public:
    AnimationObject();

    ImageRef background{};
};
