// The renderer through GDI on a 32-bit top-down DIB: measured sizes agree
// with GDI's own, and pixels show colour, underline, rules and fills.
#include "richtext/GdiRichText.h"
#include "richtext/GdiSystemColours.h"
#include "richtext/GdiTextDevice.h"
#include "richtext/RichTextRenderer.h"

#include <gtest/gtest.h>

#include <string>

namespace richtext {
namespace {

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bmp_);
        for (int i = 0; i < w * h; ++i) bits_[i] = 0xFFFFFF;
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bmp_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    // As a colour value: red in the low byte.
    Colour At(int x, int y) const {
        GdiFlush();
        std::uint32_t p = bits_[y * w_ + x];
        return Rgb(p >> 16, p >> 8, p);
    }
    int Count(Rect r, bool (*match)(Colour)) const {
        int n = 0;
        for (int y = std::max(0, r.top); y < std::min(h_, r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(w_, r.right); ++x) n += match(At(x, y));
        return n;
    }

private:
    int w_, h_;
    HDC dc_;
    HBITMAP bmp_;
    HGDIOBJ old_;
    std::uint32_t* bits_ = nullptr;
};

bool Reddish(Colour c) {
    return (c & 0xFF) > 0xA0 && ((c >> 8) & 0xFF) < 0x80 && ((c >> 16) & 0xFF) < 0x80;
}
bool NotWhite(Colour c) {
    return c != 0xFFFFFF;
}

TEST(GdiRichText, MeasuredSizesMatchGdi) {
    Canvas canvas(400, 200);
    GdiTextDevice device(canvas.Dc());
    RichTextRenderer renderer{GdiSystemColours{}};
    int ppi = GetDeviceCaps(canvas.Dc(), LOGPIXELSY);
    HFONT font =
        CreateFontW(-(10 * ppi / 72), 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Verdana");
    HGDIOBJ old = SelectObject(canvas.Dc(), font);
    SIZE sz{};
    GetTextExtentPoint32W(canvas.Dc(), L"Hello, world", 12, &sz);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas.Dc(), &tm);
    SelectObject(canvas.Dc(), old);
    DeleteObject(font);

    Size s = renderer.Measure(device, u"Hello, world");
    EXPECT_EQ(s.width, sz.cx);
    EXPECT_EQ(s.height, tm.tmHeight);
    EXPECT_EQ(renderer.Measure(device, u"Hello, world<br>x").height, 2 * tm.tmHeight);
    Size wrapped = renderer.Measure(device, u"one two three four five six seven", 80);
    EXPECT_LE(wrapped.width, 80);
    EXPECT_GE(wrapped.height, 3 * tm.tmHeight);
    EXPECT_GT(renderer.Measure(device, u"<b>Hello, world</b>").width, 0);
    EXPECT_GT(renderer.Measure(device, u"<font face=\"宋体\">中文提示</font>").width, 0);
}

TEST(GdiRichText, ColouredUnderlinedTextAndRules) {
    Canvas canvas(200, 100);
    GdiTextDevice device(canvas.Dc());
    RichTextRenderer renderer;
    std::u16string text = u"<font color=red size=20px><u>mmmm</u></font><hr size=3 color=#00ff00>";
    Layout layout = renderer.MakeLayout(device, text, 0, {0, 0}, 200);
    ASSERT_EQ(layout.items.size(), 2u);
    Rect run = layout.items[0].rect;
    Rect rule = layout.items[1].rect;
    renderer.Draw(device, text, {0, 0, 200, 100});

    EXPECT_GT(canvas.Count(run, Reddish), 20);
    EXPECT_EQ(canvas.Count({run.right, 0, 200, run.bottom}, NotWhite), 0);
    // An underline is a row of red across most of the run, below the x-height.
    int bestRow = 0;
    for (int y = run.top + run.Height() / 2; y < run.bottom; ++y)
        bestRow = std::max(bestRow, canvas.Count({run.left, y, run.right, y + 1}, Reddish));
    EXPECT_GE(bestRow, run.Width() * 9 / 10);

    EXPECT_EQ(rule.Width(), 200);
    EXPECT_EQ(rule.Height(), 3);
    EXPECT_EQ(canvas.At(0, rule.top), Rgb(0, 255, 0));
    EXPECT_EQ(canvas.At(199, rule.bottom - 1), Rgb(0, 255, 0));
    EXPECT_EQ(canvas.At(100, rule.top - 1), 0xFFFFFFu);
    EXPECT_EQ(canvas.At(100, rule.bottom), 0xFFFFFFu);
}

TEST(GdiRichText, TableFillsBordersAndMaskedBitmaps) {
    Canvas canvas(200, 100);
    GdiTextDevice device(canvas.Dc());
    RichTextRenderer renderer;
    // A 4x2 bitmap: red on the left half, magenta (keyed out) on the right.
    std::uint32_t pixels[8] = {0xFF0000, 0xFF0000, 0xFF00FF, 0xFF00FF,
                               0xFF0000, 0xFF0000, 0xFF00FF, 0xFF00FF};
    HBITMAP bmp = CreateBitmap(4, 2, 1, 32, pixels);
    std::u16string text =
        u"<table border=2 bordercolor=blue cellspacing=0 bgcolor=#00ffff><tr><td>"
        u"<bmp handle=" +
        std::u16string(u"");
    std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(bmp));
    text +=
        std::u16string(handle.begin(), handle.end()) + u" mask=#ff00ff width=40 height=20></td></tr></table>";
    Layout layout = renderer.MakeLayout(device, text, 0, {0, 0}, 200);
    renderer.Draw(device, text, {0, 0, 200, 100});
    Rect table{}, image{};
    for (auto& i : layout.items) {
        if (i.kind == LayoutItem::Kind::Box && table.right == 0) table = i.rect;
        if (i.kind == LayoutItem::Kind::Image) image = i.rect;
    }
    ASSERT_GT(image.Width(), 0);
    EXPECT_EQ(canvas.At(table.left, table.top), Rgb(0, 0, 255));
    EXPECT_EQ(canvas.At(table.right - 1, table.bottom - 1), Rgb(0, 0, 255));
    EXPECT_EQ(canvas.At(image.left + 5, image.top + 5), Rgb(255, 0, 0));
    EXPECT_EQ(canvas.At(image.right - 5, image.top + 5), Rgb(0, 255, 255)) << "mask shows the cell fill";
    DeleteObject(bmp);
}

TEST(GdiRichText, ImageListsAndBadHandles) {
    Canvas canvas(100, 40);
    GdiTextDevice device(canvas.Dc());
    RichTextRenderer renderer;
    HIMAGELIST list = ImageList_Create(8, 8, ILC_COLOR32, 2, 0);
    std::uint32_t pixels[16 * 8];
    for (int i = 0; i < 16 * 8; ++i) pixels[i] = (i % 16) < 8 ? 0xFF0000 : 0x00FF00;
    HBITMAP strip = CreateBitmap(16, 8, 1, 32, pixels);
    ImageList_Add(list, strip, nullptr);
    std::string h = std::to_string(reinterpret_cast<std::uintptr_t>(list));
    std::u16string text = u"<ilst handle=" + std::u16string(h.begin(), h.end()) + u" index=1>";
    Layout layout = renderer.MakeLayout(device, text);
    ASSERT_EQ(layout.items.size(), 1u);
    EXPECT_EQ(layout.items[0].rect.Width(), 8);
    renderer.Draw(device, text, {0, 0, 100, 40});
    Rect r = layout.items[0].rect;
    EXPECT_EQ(canvas.At(r.left + 4, r.top + 4), Rgb(0, 255, 0));
    // Handles that are no image, icon or image list draw nothing and break nothing.
    EXPECT_EQ(renderer.Measure(device, u"<ilst handle=4660><icon handle=4660><bmp handle=4660>x").width,
              renderer.Measure(device, u"x").width);
    ImageList_Destroy(list);
    DeleteObject(strip);
}

TEST(GdiRichText, StringAndBitmapResourcesOfTheResourceModule) {
    Canvas canvas(100, 40);
    GdiTextDevice device(canvas.Dc());
    RichTextRenderer renderer;
    renderer.SetResourceModule(GetModuleHandleW(nullptr));
    Layout layout =
        renderer.MakeLayout(device, u"<string idres=101><bmp idres=201 width=8 height=4><string idres=999>");
    ASSERT_EQ(layout.items.size(), 2u);
    EXPECT_EQ(layout.items[0].text, u"从资源读取 text");
    EXPECT_EQ(layout.items[1].rect.Width(), 8);
    renderer.Draw(device, u"<bmp idres=201 width=8 height=4>", {0, 0, 100, 40});
    EXPECT_EQ(canvas.At(2, 2), Rgb(255, 0, 0));
    EXPECT_EQ(canvas.At(9, 2), 0xFFFFFFu);
}

// Thousands of distinct images in one text keep the cache bounded (a linear
// search over an unbounded cache made long texts quadratic), and an image
// still draws after many others have passed through.
TEST(GdiRichText, ManyDistinctImagesKeepTheCacheBounded) {
    Canvas canvas(100, 40);
    {
        GdiTextDevice device(canvas.Dc());
        std::size_t most = 0;
        for (int i = 0; i < 16000; ++i) {
            ImageSource source;
            source.handle = 0x7F000000u + std::uintptr_t(i) * 4; // no image: looked up, kept as missing
            (void)device.ImageSize(source);
            most = std::max(most, device.CachedImages());
        }
        EXPECT_LE(most, 64u);
    }

    GdiTextDevice device(canvas.Dc());
    RichTextRenderer renderer;
    renderer.SetResourceModule(GetModuleHandleW(nullptr));
    std::u16string text;
    for (int i = 0; i < 150; ++i) {
        std::string h = std::to_string(0x7F000000u + unsigned(i) * 4);
        text += u"<bmp handle=" + std::u16string(h.begin(), h.end()) + u">";
    }
    text += u"<bmp idres=201 width=8 height=4>";
    renderer.Draw(device, text, {0, 0, 100, 40});
    EXPECT_EQ(canvas.At(2, 2), Rgb(255, 0, 0));
}

TEST(GdiRichText, DeviceContextOperationsClipToTheRectangle) {
    Canvas canvas(200, 60);
    RichTextRenderer renderer;
    SIZE s =
        MeasureRichText(renderer, canvas.Dc(), L"<font color=red>line one<br>line two<br>line three</font>");
    ASSERT_GT(s.cy, 30);
    RECT r{10, 10, 10 + s.cx, 10 + s.cy / 3};
    DrawRichText(renderer, canvas.Dc(), L"<font color=red>line one<br>line two<br>line three</font>", r);
    EXPECT_GT(canvas.Count({r.left, r.top, r.right, r.bottom}, Reddish), 10);
    EXPECT_EQ(canvas.Count({0, r.bottom, 200, 60}, NotWhite), 0);
    EXPECT_EQ(canvas.Count({0, 0, 200, r.top}, NotWhite), 0);
}

} // namespace
} // namespace richtext
