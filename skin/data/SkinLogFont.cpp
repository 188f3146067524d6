#include "SkinLogFont.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "Cp936Text.h"

LOGFONTW ToLogFontW(const SkinFont& font) {
    // Everything before the face name is laid out as in LOGFONTA, which
    // LOGFONTW shares.
    static_assert(offsetof(LOGFONTW, lfFaceName) == offsetof(SkinFont, faceName));
    LOGFONTW lf = {};
    std::memcpy(&lf, &font, offsetof(LOGFONTW, lfFaceName));
    const std::wstring face = WideFromCp936Field(font.faceName, sizeof font.faceName);
    const size_t n = std::min(face.size(), size_t(LF_FACESIZE - 1));
    face.copy(lf.lfFaceName, n);
    lf.lfFaceName[n] = L'\0';
    return lf;
}

HFONT CreateSkinFontW(const SkinFont& font) {
    const LOGFONTW lf = ToLogFontW(font);
    return CreateFontIndirectW(&lf);
}
