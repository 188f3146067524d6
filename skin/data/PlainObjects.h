#pragma once
// Objects without a control or frame role: the plain objects of codes 2, 19
// and 39, and the skin information object.

#include "RecordIO.h"
#include "SkinObject.h"

class PlainImageObject : public SkinObject {
    SKIN_RECORD_IO
public:
    PlainImageObject();

    ImageRef image{};
    SkinRect rect1{};
    SkinRect rect2{};
    uint8_t byteValue = 255;
    uint32_t color4 = 0x00FFFFFF;
    uint32_t value3 = 1;
};

// Type 19: the common fields only (records of the auxiliary section).
class AuxiliaryObject : public SkinObject {
public:
    AuxiliaryObject() : SkinObject(19) {}
};

class PlainValuesObject : public SkinObject {
    SKIN_RECORD_IO
public:
    PlainValuesObject();

    uint32_t values[4] = {16, 16, 5, 10};
    ImageRef image{};
};

class SkinInfoObject : public SkinObject {
    SKIN_RECORD_IO
public:
    SkinInfoObject();

    // colour 3 is the skin's transparent colour.
    uint32_t TransparentColorValue() const { return color3; }

    char author[kTextField] = "Quarvelin Builder";
    char description[kTextField] = "Quarvelin Skin File";
    char application[kTextField] = {};
    uint32_t useTransparentColor = 1;
    char email[kTextField] = "skins@brevox.example";
    char homepage[kTextField] = "https://brevox.example/skins";
};
