// Text drawn with a TextEffect (Windows GDI).

#include "TextEffectDraw.h"

#include <gtest/gtest.h>

namespace {

struct Surface {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    uint8_t* bits = nullptr;
    static constexpr int kW = 64, kH = 32;

    Surface() {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = kW;
        bi.bmiHeader.biHeight = -kH;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        old = SelectObject(dc, bitmap);
        RECT all{0, 0, kW, kH};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    int Count(COLORREF c) const {
        GdiFlush();
        int n = 0;
        for (int i = 0; i < kW * kH; ++i) {
            const uint8_t* p = bits + i * 4;
            n += RGB(p[2], p[1], p[0]) == c;
        }
        return n;
    }
};

TEST(TextEffectDraw, ShadowFirstThenText) {
    Surface s;
    HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0,
                             L"Arial");
    HGDIOBJ oldFont = SelectObject(s.dc, font);
    TextEffect e = TextEffect::Default();
    e.SetTextColor(RGB(0, 0, 255));
    e.SetShadowColor(RGB(255, 0, 0));
    e.shadowX = 3;
    e.shadowY = 3;
    e.flags |= TextEffect::kShadow;
    RECT r{2, 2, 60, 30};
    SetBkMode(s.dc, OPAQUE);
    DrawEffectText(s.dc, L"II", -1, r, DT_LEFT | DT_TOP | DT_SINGLELINE, e);
    EXPECT_GT(s.Count(RGB(0, 0, 255)), 20);
    EXPECT_GT(s.Count(RGB(255, 0, 0)), 10);
    EXPECT_EQ(GetBkMode(s.dc), OPAQUE); // restored

    Surface plain;
    SelectObject(plain.dc, font);
    e.flags &= ~TextEffect::kShadow;
    DrawEffectText(plain.dc, L"II", -1, r, DT_LEFT | DT_TOP | DT_SINGLELINE, e);
    EXPECT_GT(plain.Count(RGB(0, 0, 255)), 20);
    EXPECT_EQ(plain.Count(RGB(255, 0, 0)), 0);
    SelectObject(plain.dc, GetStockObject(SYSTEM_FONT));
    SelectObject(s.dc, oldFont);
    DeleteObject(font);
}

} // namespace
