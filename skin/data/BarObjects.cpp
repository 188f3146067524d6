#include "BarObjects.h"

#include <string>

ProgressBarObject::ProgressBarObject() : ControlObject(10) {
    RegisterMainImage("BACKGROUND");
    Register("PROGRESSIMAGE", progressImage);
    RegisterColor("BACKCOLOR", color1);
    RegisterColor("PROGRESSCOLOR", color2);
    RegisterInt("STYLE", style);
    StoreInt("value3", value3);
    StoreInt("value4", value4);
}

template <typename IO>
void ProgressBarObject::Fields(IO& io, int) {
    io(progressImage);
    io(value3);
    io(style);
    io(value4);
}

SKIN_RECORD_IO_IMPL(ProgressBarObject, ControlObject, {})

StatusBarObject::StatusBarObject() : ControlObject(15) {
    RegisterMainImage("BACKIMAGE");
    Register("ITEM.ITEMIMAGE", itemImage);
    Register("ITEM.FONT", font);
    Store("image2", image2);
}

template <typename IO>
void StatusBarObject::Fields(IO& io, int) {
    io(itemImage);
    io(image2);
}

SKIN_RECORD_IO_IMPL(StatusBarObject, ControlObject, {})

ToolbarObject::ToolbarObject() : ControlObject(23) {
    static const auto kImageKeys = NumberedKeys<5>("image", 1);
    for (int i = 0; i < 5; ++i) Store(kImageKeys[i], images[i]);
}

template <typename IO>
void ToolbarObject::Fields(IO& io, int) {
    io(images);
}

SKIN_RECORD_IO_IMPL(ToolbarObject, ControlObject, {})

RebarObject::RebarObject() : ControlObject(36) {
    RegisterMainImage("BACKGROUND");
    Register("BANDIMAGE", bandImage);
    StoreBytes("extra", extra, sizeof extra);
}

template <typename IO>
void RebarObject::Fields(IO& io, int) {
    io(bandImage);
    io.Bytes(extra, sizeof extra);
}

SKIN_RECORD_IO_IMPL(RebarObject, ControlObject, {})

HeaderObject::HeaderObject() : ControlObject(37) {
    RegisterMainImage("BACKGROUND");
    Register("ITEM", item);
    Register("TEXTEFFECT", textEffect);
}

template <typename IO>
void HeaderObject::Fields(IO& io, int) {
    io(textEffect);
    io(item);
}

SKIN_RECORD_IO_IMPL(HeaderObject, ControlObject, {})
