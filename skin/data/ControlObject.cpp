#include "ControlObject.h"

ControlObject::ControlObject(int typeCode) : SkinObject(typeCode) {
    Register("CONTROLID", PropControlId, &controlId, 4);
    Register("FONT", font);
    Register("AUTOSKINFONT", PropInt, &autoSkinFont, 4);
    Store("main.image", mainImage);
    StoreInt("value2", value2);
}

ControlObject::~ControlObject() {
    DeleteSkinFontHandle(fontHandle_);
}

void ControlObject::Release() {
    DeleteSkinFontHandle(fontHandle_);
    fontHandle_ = nullptr;
    SkinObject::Release();
}

void ControlObject::Resolve(Skin& skin) {
    SkinObject::Resolve(skin);
    DeleteSkinFontHandle(fontHandle_);
    fontHandle_ = CreateSkinFontHandle(font);
}

template <typename IO>
void ControlObject::ControlSection(IO& io, int minor) {
    io(font);
    io(mainImage);
    if (minor >= 4 && minor <= 7) {
        SkinRect discarded = autoPlaceRect;
        io(discarded);
    }
    if (minor >= 6) io(controlId);
    if (minor >= 8) io(value2);
    if (minor >= 10) io(autoSkinFont);
}

void ControlObject::Load(MemoryStream& in, const RecordContext& ctx) {
    SkinObject::Load(in, ctx);
    if (!HasControlSection(ctx.minor)) return;
    RecordReader io(in);
    ControlSection(io, ctx.minor);
    if (ctx.minor >= 4 && ctx.minor <= 7) autoPlaceRect = SkinRect{0, 0, 60, 30};
    if (ctx.minor == 6) controlId = 0;
}

void ControlObject::SaveRecord(MemoryStream& out, int minor) const {
    SkinObject::SaveRecord(out, minor);
    if (!HasControlSection(minor)) return;
    RecordWriter io(out);
    const_cast<ControlObject*>(this)->ControlSection(io, minor);
}
