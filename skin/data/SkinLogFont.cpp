#include "SkinLogFont.h"

#include <algorithm>
#include <string>

#include "Cp936Text.h"

LOGFONTW ToLogFontW(const SkinFont& font) {
    LOGFONTW lf = {};
    lf.lfHeight = font.height;
    lf.lfWidth = font.width;
    lf.lfEscapement = font.escapement;
    lf.lfOrientation = font.orientation;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikeOut;
    lf.lfCharSet = font.charSet;
    lf.lfOutPrecision = font.outPrecision;
    lf.lfClipPrecision = font.clipPrecision;
    lf.lfQuality = font.quality;
    lf.lfPitchAndFamily = font.pitchAndFamily;
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
