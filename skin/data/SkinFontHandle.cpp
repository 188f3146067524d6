#include "SkinFontHandle.h"

#ifdef _WIN32
#include "SkinLogFont.h"

SkinFontHandle CreateSkinFontHandle(const SkinFont& font) {
    return CreateSkinFontW(font);
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
