#pragma once
// Progress bar, status bar, toolbar, control bar, rebar and header objects.

#include "ControlObject.h"

class ProgressBarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    ProgressBarObject();

    NineGridImage progressImage{};
    uint32_t value3 = 0;
    uint32_t style = 0;
    uint32_t value4 = 0;
};

class StatusBarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    StatusBarObject();

    NineGridImage itemImage{};
    ImageRef image2{};
};

class ToolbarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    ToolbarObject();

    NineGridImage images[5] = {};
};

// Has nothing beyond the control section.
class ControlBarObject : public ControlObject {
public:
    ControlBarObject() : ControlObject(24) {}
};

class RebarObject : public ControlObject {
    SKIN_RECORD_IO
public:
    RebarObject();

    NineGridImage bandImage{};
    uint8_t extra[16] = {};
};

class HeaderObject : public ControlObject {
    SKIN_RECORD_IO
public:
    HeaderObject();

    TextEffect textEffect = TextEffect::Default();
    NineGridImage item{};
};
