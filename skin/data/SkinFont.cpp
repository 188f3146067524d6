#include "SkinFont.h"

#include <cstdio>

SkinFont SkinFont::Default(const char* face) {
    SkinFont f;
    f.height = -12;
    f.weight = 400;
    f.outPrecision = 3;
    f.clipPrecision = 2;
    f.quality = 1;
    std::snprintf(f.faceName, sizeof f.faceName, "%s", face);
    return f;
}
