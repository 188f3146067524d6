#include "MiscControlObjects.h"

#include "SystemColors.h"

#include <string>

static_assert(sizeof(TabControlObject::StateBlock) == 120);

StaticObject::StaticObject() : ControlObject(14) {
    RegisterMainImage("BACKIMAGE");
    RegisterInt("TRANSPARENT", transparent);
    RegisterColor("BACKCOLOR", color1);
    Register("TEXTEFFECT", textEffect);
    StoreText("text51", text51, kTextField);
}

template <typename IO>
void StaticObject::Fields(IO& io, int) {
    io(transparent);
    io(textEffect);
    io.Text(text51, sizeof text51);
}

SKIN_RECORD_IO_IMPL(StaticObject, ControlObject, {
    if (minor < 9) textEffect = TextEffect::WithTextColor(font.color);
})

TabControlObject::TabControlObject() : ControlObject(16) {
    static const char* const kNames[] = {"NORMAL", "PRESSED", "DISABLED", "HOVERED"};
    RegisterInt("TRANSpARENT", transparent);
    RegisterMainImage("BACKGROUND");
    Register("FRAME", frame);
    static const auto kTabKeys = ComposeKeys("", kNames, ".TABIMAGE");
    static const auto kEffectKeys = ComposeKeys("", kNames, ".TEXTEFFECT");
    static const auto kTailKeys = ComposeKeys("", kNames, ".tail");
    for (int i = 0; i < StateCount; ++i) Register(kTabKeys[i], states[i].tab);
    for (int i = 0; i < StateCount; ++i) Register(kEffectKeys[i], states[i].effect);
    for (int i = 0; i < StateCount; ++i) StoreBytes(kTailKeys[i], states[i].tail, 16);
}

template <typename IO>
void TabControlObject::Fields(IO& io, int minor) {
    for (StateBlock& s : states) {
        io(s.tab);
        io(s.effect);
        io.Bytes(s.tail, sizeof s.tail);
    }
    io(frame);
    if (minor >= 9) io(transparent);
}

SKIN_RECORD_IO_IMPL(TabControlObject, ControlObject, {})

DateTimeObject::DateTimeObject() : ControlObject(31), color4(SysColor(SysColorIndex::ButtonFace)) {
    color1 = SysColor(SysColorIndex::Window);
    static const auto kImageKeys = NumberedKeys<3>("image", 1);
    for (int i = 0; i < 3; ++i) Store(kImageKeys[i], images[i]);
    Store("image4", image4);
    StoreBytes("extra4", extra4, 16);
    Store("image5", image5);
    StoreBytes("extra5", extra5, 16);
    StoreColor("color4", color4);
}

template <typename IO>
void DateTimeObject::Fields(IO& io, int) {
    io(images);
    io(image4);
    io.Bytes(extra4, sizeof extra4);
    io(image5);
    io.Bytes(extra5, sizeof extra5);
    io(color4);
}

SKIN_RECORD_IO_IMPL(DateTimeObject, ControlObject, {})

MonthCalendarObject::MonthCalendarObject()
    : ControlObject(35),
      colors{SysColor(SysColorIndex::Window), SysColor(SysColorIndex::ActiveCaption),
             SysColor(SysColorIndex::CaptionText), SysColor(SysColorIndex::GrayText)} {
    color1 = SysColor(SysColorIndex::Window);
    static const auto kImageKeys = NumberedKeys<6>("image", 1);
    for (int i = 0; i < 6; ++i) Store(kImageKeys[i], images[i]);
    static const auto kColorKeys = NumberedKeys<4>("color", 4);
    for (int i = 0; i < 4; ++i) StoreColor(kColorKeys[i], colors[i]);
}

template <typename IO>
void MonthCalendarObject::Fields(IO& io, int) {
    io(images);
    io(colors);
}

SKIN_RECORD_IO_IMPL(MonthCalendarObject, ControlObject, {})

AnimationObject::AnimationObject() : ControlObject(40) {
    SetName("AnimateCtrl32");
    Register("BACKGROUND", background);
    RegisterMainImage("BORDER");
}

template <typename IO>
void AnimationObject::Fields(IO& io, int) {
    io(background);
}

SKIN_RECORD_IO_IMPL(AnimationObject, ControlObject, {})
