#include "SkinFontHandle.h"

#ifdef _WIN32
#include <windows.h>

#include <cstring>

static_assert(sizeof(LOGFONTA) == 60);

SkinFontHandle CreateSkinFontHandle(const SkinFont& font) {
    LOGFONTA lf;
    std::memcpy(&lf, &font, sizeof lf);
    return CreateFontIndirectA(&lf);
}

void DeleteSkinFontHandle(SkinFontHandle handle) {
    if (handle) DeleteObject(static_cast<HFONT>(handle));
}
#else

SkinFontHandle CreateSkinFontHandle(const SkinFont&) {
    return nullptr;
}
void DeleteSkinFontHandle(SkinFontHandle) {}
#endif
