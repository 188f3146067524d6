// richtext-preview OUT.bmp [MARKUP.txt [MAX-WIDTH]]
// Measures the UTF-8 markup (or a sample showing every default style), draws
// it on a white page with a small margin and writes a 24-bit BMP.
#include "richtext/GdiSystemColours.h"
#include "richtext/GdiTextDevice.h"
#include "richtext/RichTextRenderer.h"
#include "richtext/TextEncoding.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kSample =
    "<h1>h1: Device status</h1><br><h2>h2: Recorder 4.3</h2><br><h3>h3: Officer name</h3><br>"
    "<h4>h4: Unit number</h4><br><h5>h5: Storage</h5><br><h6>h6: small print</h6><br>"
    "<p>p: paragraph text</p> body text <b>bold</b> <i>italic</i> <u>underline</u> <s>strike</s> "
    "<font style=o>overline</font><br>"
    "<code>code: Get_Psw()</code> <big>big</big> <small>small</small> x<sub>sub</sub> x<sup>sup</sup><br>"
    "<pre>pre:\tline one\n\tline two</pre><br>"
    "<a href=\"http://example\">a:link</a> <span class=\"cpp-comment\">// .cpp-comment</span><br>"
    "<font face=\"宋体\" color=navy>中文: 单警执法视音频记录仪</font><br>"
    "<hr width=80% size=2 color=gray>"
    "<table border=1 cellpadding=3 bgeffect=vgradient bgcolor=white bgendcolor=#d0e0ff>"
    "<tr><td rowspan=2 bgcolor=#fbedbb>rowspan</td><td>Device</td><td align=right>0001</td></tr>"
    "<tr><td colspan=2 align=center><font color=red>colspan cell</font></td></tr></table>"
    "<center>centred line<tab>tab</center>";

bool WriteBmp(const wchar_t* path, HDC dc, HBITMAP bmp, int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    int stride = (w * 3 + 3) & ~3;
    std::vector<char> pixels(std::size_t(stride) * std::size_t(h));
    if (!GetDIBits(dc, bmp, 0, UINT(h), pixels.data(), &bi, DIB_RGB_COLORS)) return false;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = DWORD(fh.bfOffBits + pixels.size());
    FILE* f = _wfopen(path, L"wb");
    if (!f) return false;
    bool ok = fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
              fwrite(pixels.data(), 1, pixels.size(), f) == pixels.size();
    return fclose(f) == 0 && ok;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        fwprintf(stderr, L"usage: richtext-preview OUT.bmp [MARKUP.txt [MAX-WIDTH]]\n");
        return 2;
    }
    std::string markup = kSample;
    if (argc >= 3) {
        std::ifstream in(argv[2], std::ios::binary);
        if (!in) {
            fwprintf(stderr, L"cannot read %ls\n", argv[2]);
            return 1;
        }
        std::stringstream ss;
        ss << in.rdbuf();
        markup = ss.str();
    }
    int maxWidth = argc >= 4 ? _wtoi(argv[3]) : 0;
    std::u16string text = richtext::ToUtf16(markup);

    richtext::RichTextRenderer renderer{richtext::GdiSystemColours{}};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    richtext::Size size;
    {
        richtext::GdiTextDevice device(dc);
        size = renderer.Measure(device, text, maxWidth);
    }
    const int margin = 8;
    int w = std::max(1, size.width + 2 * margin), h = std::max(1, size.height + 2 * margin);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    {
        richtext::GdiTextDevice device(dc);
        renderer.Draw(device, text, {margin, margin, margin + size.width, margin + size.height});
    }
    SelectObject(dc, old);
    bool ok = WriteBmp(argv[1], dc, bmp, w, h);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    wprintf(L"%dx%d %ls\n", size.width, size.height, ok ? L"written" : L"FAILED");
    return ok ? 0 : 1;
}
