#include "PlainObjects.h"

#include <string>

PlainImageObject::PlainImageObject() : SkinObject(2) {
    Store("image", image);
    Store("rect1", rect1);
    Store("rect2", rect2);
    Store("byte", PropBytes, &byteValue, 1);
    StoreColor("color4", color4);
    StoreInt("value3", value3);
}

template <typename IO>
void PlainImageObject::Fields(IO& io, int) {
    io(image);
    io(rect1);
    io(rect2);
    io(byteValue);
    io(color4);
    io(value3);
}

SKIN_RECORD_IO_IMPL(PlainImageObject, SkinObject, {})

PlainValuesObject::PlainValuesObject() : SkinObject(39) {
    static const auto kValueKeys = NumberedKeys<4>("value", 1);
    for (int i = 0; i < 4; ++i) StoreInt(kValueKeys[i], values[i]);
    Store("image", image);
}

template <typename IO>
void PlainValuesObject::Fields(IO& io, int) {
    io(values);
    io(image);
}

SKIN_RECORD_IO_IMPL(PlainValuesObject, SkinObject, {})

SkinInfoObject::SkinInfoObject() : SkinObject(25) {
    color3 = 0x00FF00FF;
    Register("AUTHOR", PropString, author, kTextField);
    Register("DESCRIPTION", PropString, description, kTextField);
    Register("APPLICATION", PropString, application, kTextField);
    Register("EMAIL", PropString, email, kTextField);
    Register("HOMEPAGE", PropString, homepage, kTextField);
    RegisterInt("USETRANSPARENTCOLOR", useTransparentColor);
}

template <typename IO>
void SkinInfoObject::Fields(IO& io, int minor) {
    io.Text(author, sizeof author);
    io.Text(description, sizeof description);
    io.Text(application, sizeof application);
    io(useTransparentColor);
    if (minor >= 4) {
        io.Text(email, sizeof email);
        io.Text(homepage, sizeof homepage);
    }
}

SKIN_RECORD_IO_IMPL(SkinInfoObject, SkinObject, {})
