#include "TemporaryDataShim.h"

#include "ControlObject.h"
#include "DibImageGdi.h"
#include "SkinObject.h"

void DrawResolvedImage(HDC dc, const RECT& dest, const ResolvedImage& piece, int drawMode, COLORREF) {
    if (!piece.image) return;
    const int w = dest.right - dest.left, h = dest.bottom - dest.top;
    if (drawMode == 2)
        Stretch(*piece.image, dc, dest.left, dest.top, w, h);
    else if (drawMode == 1)
        Tile(*piece.image, dc, dest);
    else
        Draw(*piece.image, dc, dest.left, dest.top, w, h, &dest);
}
HRGN PieceRegion(const ResolvedImage&, const RECT& dest, int) {
    return CreateRectRgnIndirect(&dest);
}
SkinObject* FindChildControl(const SkinObject& parent, int typeCode, int controlId) {
    for (const auto& [name, child] : parent.Children()) {
        auto* control = dynamic_cast<ControlObject*>(child.get());
        if (control && child->TypeCode() == typeCode && static_cast<int>(control->controlId) == controlId)
            return child.get();
    }
    return nullptr;
}
HFONT CreateSkinFontW(const SkinFont& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfCharSet = font.charSet;
    lf.lfOutPrecision = font.outPrecision;
    lf.lfClipPrecision = font.clipPrecision;
    lf.lfQuality = font.quality;
    MultiByteToWideChar(936, 0, font.faceName, -1, lf.lfFaceName, 32);
    lf.lfFaceName[31] = 0;
    return CreateFontIndirectW(&lf);
}
std::string Cp936FromWide(std::wstring_view text) {
    int n = WideCharToMultiByte(936, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), (int)text.size(), out.data(), n, nullptr, nullptr);
    return out;
}
std::wstring WideFromCp936(std::string_view bytes) {
    int n = MultiByteToWideChar(936, 0, bytes.data(), (int)bytes.size(), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(936, 0, bytes.data(), (int)bytes.size(), out.data(), n);
    return out;
}
