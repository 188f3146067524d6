#include "richtext/GdiRichText.h"

#include "richtext/GdiTextDevice.h"

namespace richtext {

namespace {
std::u16string_view Utf16(std::wstring_view text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
} // namespace

SIZE MeasureRichText(RichTextRenderer& renderer, HDC dc, std::wstring_view text, int maxWidth) {
    GdiTextDevice device(dc);
    Size s = renderer.Measure(device, Utf16(text), maxWidth);
    return SIZE{s.width, s.height};
}

void DrawRichText(RichTextRenderer& renderer, HDC dc, std::wstring_view text, const RECT& rect) {
    int saved = SaveDC(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    {
        GdiTextDevice device(dc);
        renderer.Draw(device, Utf16(text), {rect.left, rect.top, rect.right, rect.bottom});
    }
    RestoreDC(dc, saved);
}

} // namespace richtext
