#include "ScrollObjects.h"

#include <string>

static_assert(sizeof(ScrollBarObject::StateBlock) == 320);
static_assert(sizeof(SpinObject::Arrows) == 144);

ScrollBarObject::ScrollBarObject() : ControlObject(12) {
    static const char* const kNames[] = {"NORMAL",  "PRESSED",  "HIGHLIGHTED",  "DISABLED",
                                         "VNORMAL", "VPRESSED", "VHIGHLIGHTED", "VDISABLED"};
    static const auto kArrow1Keys = ComposeKeys("", kNames, ".ARROW1");
    static const auto kArrow2Keys = ComposeKeys("", kNames, ".ARROW2");
    static const auto kTrackKeys = ComposeKeys("", kNames, ".SCROLLBAR");
    static const auto kThumbKeys = ComposeKeys("", kNames, ".THUMB");
    for (int i = 0; i < StateCount; ++i) {
        Register(kArrow1Keys[i], states[i].arrow1);
        Register(kArrow2Keys[i], states[i].arrow2);
        Register(kTrackKeys[i], states[i].track);
        Register(kThumbKeys[i], states[i].thumb);
    }
    Register("GRIPPER", gripper);
    static const auto kValueKeys = NumberedKeys<5>("value", 3);
    for (int i = 0; i < 5; ++i) StoreInt(kValueKeys[i], values[i]);
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
    static const auto kValueKeys = NumberedKeys<4>("value", 4);
    for (int i = 0; i < 4; ++i) StoreInt(kValueKeys[i], values[i]);
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
    static const auto kVerticalUpKeys = ComposeKeys("VERTICAL.", kNames, ".UP");
    static const auto kVerticalDownKeys = ComposeKeys("VERTICAL.", kNames, ".DOWN");
    static const auto kHorizontalUpKeys = ComposeKeys("HORIZONTAL.", kNames, ".UP");
    static const auto kHorizontalDownKeys = ComposeKeys("HORIZONTAL.", kNames, ".DOWN");
    for (int i = 0; i < StateCount; ++i) {
        Register(kVerticalUpKeys[i], vertical[i].up);
        Register(kVerticalDownKeys[i], vertical[i].down);
    }
    for (int i = 0; i < StateCount; ++i) {
        Register(kHorizontalUpKeys[i], horizontal[i].up);
        Register(kHorizontalDownKeys[i], horizontal[i].down);
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
