#include "ScrollObjects.h"

#include <string>

static_assert(sizeof(ScrollBarObject::StateBlock) == 320);
static_assert(sizeof(SpinObject::Arrows) == 144);

namespace {
const char* Key(const char* a, const char* b) {
    return ComposedKey(a, ".", b);
}
} // namespace

ScrollBarObject::ScrollBarObject() : ControlObject(12) {
    static const char* const kNames[] = {"NORMAL",  "PRESSED",  "HIGHLIGHTED",  "DISABLED",
                                         "VNORMAL", "VPRESSED", "VHIGHLIGHTED", "VDISABLED"};
    for (int i = 0; i < StateCount; ++i) {
        Register(Key(kNames[i], "ARROW1"), states[i].arrow1);
        Register(Key(kNames[i], "ARROW2"), states[i].arrow2);
        Register(Key(kNames[i], "SCROLLBAR"), states[i].track);
        Register(Key(kNames[i], "THUMB"), states[i].thumb);
    }
    Register("GRIPPER", gripper);
    for (int i = 0; i < 5; ++i) StoreInt(ComposedKey("value", std::to_string(i + 3)), values[i]);
}

template <typename IO>
void ScrollBarObject::Fields(IO& io, int minor) {
    auto block = [&io](StateBlock& s) {
        io(s.arrow1);
        io(s.arrow2);
        io(s.track);
        io(s.thumb);
    };
    for (int i = Normal; i <= Disabled; ++i) block(states[i]);
    io(gripper);
    io(values);
    if (minor >= 12) {
        for (int i = VNormal; i <= VDisabled; ++i) block(states[i]);
    }
}

SKIN_RECORD_IO_IMPL(ScrollBarObject, ControlObject, {})

TrackbarObject::TrackbarObject() : ControlObject(13) {
    RegisterInt("TRANSPARENT", transparent);
    RegisterMainImage("BACKGROUND");
    Register("CHANNEL", channel);
    Register("THUMB.VERTICAL", thumbVertical);
    Register("THUMB.HORIZONTAL", thumbHorizontal);
    StoreInt("value3", value3);
    for (int i = 0; i < 4; ++i) StoreInt(ComposedKey("value", std::to_string(i + 4)), values[i]);
}

template <typename IO>
void TrackbarObject::Fields(IO& io, int minor) {
    io(thumbHorizontal);
    io(value3);
    io(values);
    io(channel);
    if (minor >= 9) {
        io(transparent);
        io(thumbVertical);
    }
}

SKIN_RECORD_IO_IMPL(TrackbarObject, ControlObject, {})

SpinObject::SpinObject() : ControlObject(27) {
    static const char* const kNames[] = {"NORMAL", "HOVER", "PRESSED", "DISABLED"};
    for (int i = 0; i < StateCount; ++i) {
        Register(ComposedKey("VERTICAL.", kNames[i], ".UP"), vertical[i].up);
        Register(ComposedKey("VERTICAL.", kNames[i], ".DOWN"), vertical[i].down);
    }
    for (int i = 0; i < StateCount; ++i) {
        Register(ComposedKey("HORIZONTAL.", kNames[i], ".UP"), horizontal[i].up);
        Register(ComposedKey("HORIZONTAL.", kNames[i], ".DOWN"), horizontal[i].down);
    }
}

template <typename IO>
void SpinObject::Fields(IO& io, int minor) {
    for (Arrows& a : vertical) {
        io(a.up);
        io(a.down);
    }
    if (minor >= 13) {
        for (Arrows& a : horizontal) {
            io(a.up);
            io(a.down);
        }
    }
}

SKIN_RECORD_IO_IMPL(SpinObject, ControlObject, {})
