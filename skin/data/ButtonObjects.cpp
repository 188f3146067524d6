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
} // namespace

PushButtonObject::PushButtonObject() : ControlObject(4) {
    static const auto kImageKeys = ComposeKeys("", kButtonStates, ".IMAGE");
    static const auto kEffectKeys = ComposeKeys("", kButtonStates, ".TEXTEFFECT");
    static const auto kTailKeys = ComposeKeys("", kButtonStates, ".tail");
    for (int i = 0; i < StateCount; ++i) Register(kImageKeys[i], states[i].image);
    for (int i = 0; i < StateCount; ++i) Register(kEffectKeys[i], states[i].effect);
    for (int i = 0; i < StateCount; ++i) StoreBytes(kTailKeys[i], states[i].tail, 16);
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
    static const auto kBackgroundKeys = ComposeKeys("", kCheckStates, ".BACKGROUNDIMAGE");
    static const auto kBoxKeys = ComposeKeys("", kCheckStates, ".BOXIMAGE");
    static const auto kEffectKeys = ComposeKeys("", kCheckStates, ".TEXTEFFECT");
    static const auto kBackgroundTailKeys = ComposeKeys("", kCheckStates, ".backgroundtail");
    static const auto kTailKeys = ComposeKeys("", kCheckStates, ".tail");
    for (int i = 0; i < StateCount; ++i) {
        Register(kBackgroundKeys[i], states[i].background);
        Register(kBoxKeys[i], states[i].box);
        Register(kEffectKeys[i], states[i].effect);
    }
    for (int i = 0; i < StateCount; ++i) {
        StoreBytes(kBackgroundTailKeys[i], states[i].backgroundTail, 16);
        StoreBytes(kTailKeys[i], states[i].tail, 16);
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
