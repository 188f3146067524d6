#include "FrameElementObjects.h"
#include "Skin.h"

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
    static const auto kBytesKeys = NumberedKeys<3>("bytes", 1);
    for (int i = 0; i < 3; ++i) StoreBytes(kBytesKeys[i], values16[i], 16);
    StoreColor("colorA", colorA);
    Store("gridA", gridA);
    StoreBytes("bytes4", value16, 16);
    StoreColor("colorB", colorB);
    Store("gridB", gridB);
    static const auto kImageKeys = NumberedKeys<12>("image", 1);
    for (int i = 0; i < 12; ++i) Store(kImageKeys[i], images[i]);
    Store("gridC", gridC);
}

template <typename IO>
void MenuBarObject::Fields(IO& io, int minor) {
    io(font);
    for (auto& v : values16) io.Bytes(v, sizeof v);
    io(colorA);
    io(gridA);
    io.Bytes(value16, sizeof value16);
    io(colorB);
    io(gridB);
    if (minor >= 2) io(images);
    if (minor >= 3) io(gridC);
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
