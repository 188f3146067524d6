// Measure plus draw of a typical tooltip: about 300 characters, three styles
// and a small table. Fake metrics everywhere; GDI on a memory bitmap on
// Windows. Prints microseconds per tooltip (median of several batches).
#include "FakeTextDevice.h"
#include "richtext/RichTextRenderer.h"

#ifdef RICHTEXT_BENCH_GDI
#include "richtext/GdiTextDevice.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const char16_t* const kTooltip =
    u"<b>Recorder 0001</b> connected on USB. <i>Last synchronised 2026-12-09 05:40</i>.<br>"
    u"<font color=#990000>Storage almost full:</font> 1.2 GB free of 32 GB; "
    u"import the videos before recording again.<br>"
    u"<table border=1 cellpadding=2><tr><td>Officer</td><td>0042</td></tr>"
    u"<tr><td>Unit</td><td>Traffic 3</td></tr></table>"
    u"Press the button to open the import folder and copy the files sorted by day.";

template <class Device>
double Microseconds(Device& device, int rounds) {
    richtext::RichTextRenderer renderer;
    std::vector<double> batches;
    for (int b = 0; b < 7; ++b) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            richtext::Size s = renderer.Measure(device, kTooltip);
            renderer.Draw(device, kTooltip, {0, 0, s.width, s.height});
            if constexpr (requires { device.calls; }) device.calls.clear();
        }
        batches.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() /
            rounds);
    }
    std::sort(batches.begin(), batches.end());
    return batches[batches.size() / 2];
}

} // namespace

int main() {
    richtext::testing::FakeTextDevice fake;
    std::printf("richtext  measure+draw, 300-char tooltip, fake metrics : %8.1f us\n",
                Microseconds(fake, 500));
#ifdef RICHTEXT_BENCH_GDI
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 600, 300);
    HGDIOBJ old = SelectObject(dc, bmp);
    {
        richtext::GdiTextDevice gdi(dc);
        std::printf("richtext  measure+draw, 300-char tooltip, GDI          : %8.1f us\n",
                    Microseconds(gdi, 50));
    }
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
#endif
    return 0;
}
