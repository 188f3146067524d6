#include "ButtonObjects.h"

#include "SystemColors.h"

#include <string>

static_assert(sizeof(PushButtonObject::StateBlock) == 120);
static_assert(sizeof(CheckBoxObject::StateBlock) == 192);

namespace {
const char* const kButtonStates[] = {"NORMAL", "PRESSED", "DEFAULT", "FOCUSED", "HIGHLIGHTED", "DISABLED"};
const char* const kCheckStates[] = {
    "NORMAL",         "SELECTED",          "DISABLED",           "GRAYEDNORMAL",
    "GRAYEDSELECTED", "HIGHLIGHTEDNORMAL", "HIGHLIGHTEDSELECTED"};
const char* Key(const char* state, const char* what) {
    return ComposedKey(state, ".", what);
}
} // namespace

PushButtonObject::PushButtonObject() : ControlObject(4) {
    for (int i = 0; i < StateCount; ++i) Register(Key(kButtonStates[i], "IMAGE"), states[i].image);
    for (int i = 0; i < StateCount; ++i) Register(Key(kButtonStates[i], "TEXTEFFECT"), states[i].effect);
    for (int i = 0; i < StateCount; ++i) StoreBytes(Key(kButtonStates[i], "tail"), states[i].tail, 16);
    StoreText("text50", text50, 50);
    StoreInt("value3", value3);
    StoreInt("oldfont.value", oldFontValue);
    StoreInt("value4", value4);
}

template <typename IO>
void PushButtonObject::Fields(IO& io, int minor) {
    for (StateBlock& s : states) {
        io(s.image);
        io(s.effect);
        io.Bytes(s.tail, sizeof s.tail);
    }
    io.Bytes(text50, sizeof text50);
    io(value3);
    if (minor < 7) {
        io(font);
        io(oldFontValue);
    }
    io(value4);
}

SKIN_RECORD_IO_IMPL(PushButtonObject, ControlObject, {
    if (minor < 9) {
        for (StateBlock& s : states) s.effect = TextEffect::WithTextColor(font.color);
    }
})

CheckBoxObject::CheckBoxObject(int typeCode) : ControlObject(typeCode) {
    RegisterInt("TRANSPARENT", transparent);
    for (int i = 0; i < StateCount; ++i) {
        Register(Key(kCheckStates[i], "BACKGROUNDIMAGE"), states[i].background);
        Register(Key(kCheckStates[i], "BOXIMAGE"), states[i].box);
        Register(Key(kCheckStates[i], "TEXTEFFECT"), states[i].effect);
    }
    for (int i = 0; i < StateCount; ++i) {
        StoreBytes(Key(kCheckStates[i], "backgroundtail"), states[i].backgroundTail, 16);
        StoreBytes(Key(kCheckStates[i], "tail"), states[i].tail, 16);
    }
    StoreText("text50", text50, 50);
}

template <typename IO>
void CheckBoxObject::Fields(IO& io, int) {
    for (StateBlock& s : states) {
        io(s.background);
        io.Bytes(s.backgroundTail, sizeof s.backgroundTail);
        io(s.box);
        io(s.effect);
        io.Bytes(s.tail, sizeof s.tail);
    }
    io.Bytes(text50, sizeof text50);
    io(transparent);
}

SKIN_RECORD_IO_IMPL(CheckBoxObject, ControlObject, {
    if (minor < 9) {
        for (StateBlock& s : states) s.effect = TextEffect::Default();
        transparent = 0;
    }
})

GroupBoxObject::GroupBoxObject() : ControlObject(8), captionColor(SysColor(SysColorIndex::ButtonFace)) {
    RegisterInt("TRANSPARENT", transparent);
    RegisterMainImage("FRAMEIMAGE");
    Register("CAPTIONIMAGE", captionImage);
    RegisterColor("CAPTIONCOLOR", captionColor);
    Register("TEXTEFFECT", textEffect);
}

template <typename IO>
void GroupBoxObject::Fields(IO& io, int) {
    io(captionImage);
    io(captionColor);
    io(textEffect);
    io(transparent);
}

SKIN_RECORD_IO_IMPL(GroupBoxObject, ControlObject, {
    if (minor < 9) {
        textEffect = TextEffect::Default();
        transparent = 0;
    }
})
