#include "FrameElementObjects.h"
#include "Skin.h"

#include <array>
#include <string>

FrameElementObject::FrameElementObject(int typeCode) : SkinObject(typeCode) {
    autoPlaceRect = SkinRect{1, 1, 21, 21};
    Store("image", image);
    StoreInt("anchor", anchor);
    StoreInt("command", commandId);
    StoreInt("visibility", visibility);
    StoreText("text", text, kTextField);
}

template <typename IO>
void FrameElementObject::Fields(IO& io, int minor) {
    io(image);
    if (minor <= 7) io(autoPlaceRect);
    io(anchor);
    io(commandId);
    if (minor >= 11) {
        io(visibility);
        io.Text(text, sizeof text);
    }
}

SKIN_RECORD_IO_IMPL(FrameElementObject, SkinObject, {})

CaptionButtonObject::CaptionButtonObject() : FrameElementObject(3) {
    Store("hover.image", hoverImage);
    Store("pressed.image", pressedImage);
    Store("disabled.image", disabledImage);
    StoreInt("kind", kind);
    StoreInt("toggle", toggle);
}

template <typename IO>
void CaptionButtonObject::Fields(IO& io, int) {
    io(hoverImage);
    io(pressedImage);
    io(disabledImage);
    io(kind);
    io(toggle);
}

SKIN_RECORD_IO_IMPL(CaptionButtonObject, FrameElementObject, {})

MenuBarObject::MenuBarObject() : FrameElementObject(20) {
    Store("font", font);
    Store("normal.text", normalText);
    Store("disabled.text", disabledText);
    Store("hot.text", hotText);
    StoreColor("hot.color", hotColor);
    Store("hot.image", hotImage);
    Store("dropped.text", droppedText);
    StoreColor("dropped.color", droppedColor);
    Store("dropped.image", droppedImage);
    static const char* const kButtons[] = {"icon", "minimize", "restore", "close"};
    static const char* const kStates[] = {"normal", "hover", "pressed"};
    // Entries view their keys, so the composed ones are kept in a table.
    static const auto kMdiKeys = [] {
        std::array<const char*, kMdiButtonCount * kMdiStateCount> keys{};
        for (int b = 0; b < kMdiButtonCount; ++b)
            for (int st = 0; st < kMdiStateCount; ++st)
                keys[b * kMdiStateCount + st] =
                    ComposedKey("mdi.", std::string(kButtons[b]) + ".", kStates[st]);
        return keys;
    }();
    for (size_t i = 0; i < kMdiKeys.size(); ++i) Store(kMdiKeys[i], mdiButtons[i]);
    Store("background", background);
}

template <typename IO>
void MenuBarObject::Fields(IO& io, int minor) {
    io(font);
    io(normalText);
    io(disabledText);
    io(hotText);
    io(hotColor);
    io(hotImage);
    io(droppedText);
    io(droppedColor);
    io(droppedImage);
    if (minor >= 2) io(mdiButtons);
    if (minor >= 3) io(background);
}

SKIN_RECORD_IO_IMPL(MenuBarObject, FrameElementObject, {})

FrameImageObject::FrameImageObject() : FrameElementObject(22) {}

FrameAreaObject::FrameAreaObject() : FrameElementObject(38) {
    StoreInt("area.kind", areaKind);
    static const char* const kSides[] = {"anchor.left", "anchor.top", "anchor.right", "anchor.bottom"};
    for (int i = 0; i < 4; ++i) StoreInt(kSides[i], anchors[i]);
    StoreInt("anchor.extra", anchorExtra);
    StoreInt("combine", combineMode);
    Store("font", font);
    Store("texteffect", textEffect);
    StoreText("area.text", areaText, kTextField);
    StoreInt("halign", hAlign);
    StoreInt("valign", vAlign);
}

template <typename IO>
void FrameAreaObject::Fields(IO& io, int) {
    io(areaKind);
    io(anchors);
    io(anchorExtra);
    io(combineMode);
    io(font);
    io(textEffect);
    io.Text(areaText, sizeof areaText);
    io(hAlign);
    io(vAlign);
}

SKIN_RECORD_IO_IMPL(FrameAreaObject, FrameElementObject, {})

void FrameAreaObject::Release() {
    background_.Release();
    FrameElementObject::Release();
}

void FrameAreaObject::Resolve(Skin& skin) {
    ResolveImageRef(skin, image, background_);
    FrameElementObject::Resolve(skin);
}
