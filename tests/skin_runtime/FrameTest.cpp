// Skinned frames and dialogs as the screen shows them: part pixels, caption
// text, regions, hit codes, sizes, child backgrounds and the caption
// double click of a maximized frame.
#include <gtest/gtest.h>

#include "SkinEntries.h"
#include "SkinFramedWnd.h"
#include "SkinMessages.h"
#include "SkinWnd.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

using namespace testskin;
using testwin::CloseColour;
using testwin::Pump;
using testwin::WindowPixel;

class Frames : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(Write(L"runtime-frames.tvf", {}).c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    }
    void TearDown() override {
        for (HWND h : windows_) DestroyWindow(h);
        SkinFramedWnd::SetClockForTesting(nullptr);
        SkinShutdown();
    }
    HWND Dialog(DWORD style, int width = 260, int height = 160, bool withStatic = false) {
        HWND h = testwin::CreateDialogWindow(style, width, height, withStatic);
        windows_.push_back(h);
        return h;
    }
    HWND Frame(DWORD style, int width = 300, int height = 200) {
        HWND h = testwin::CreateFrameWindow(style, width, height);
        windows_.push_back(h);
        return h;
    }
    static RECT WindowBox(HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        return RECT{0, 0, r.right - r.left, r.bottom - r.top};
    }
    std::vector<HWND> windows_;
};

// A point inside each frame part of a window of the given size.
POINT PartPoint(int part, int w, int h) {
    const int xs[3] = {kCorner / 2 + 2, w / 2, w - kCorner / 2 - 2};
    const int ys[3] = {kTop - 4, h / 2, h - kBottom / 2};
    const int col = part % 3;
    POINT p{xs[col], ys[part / 3]};
    if (part == 3) p.x = kSide / 2;
    if (part == 5) p.x = w - kSide / 2 - 1;
    return p;
}

TEST_F(Frames, PartsDrawTheirActiveAndInactiveImages) {
    HWND dialog = Dialog(WS_POPUP | WS_DLGFRAME | WS_VISIBLE); // no caption text: part pixels stay clean
    HWND other = Dialog(WS_POPUP | WS_DLGFRAME | WS_VISIBLE);
    SetForegroundWindow(dialog);
    SetActiveWindow(dialog);
    Pump(100);
    RedrawWindow(dialog, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT box = WindowBox(dialog);
    for (int part : {0, 1, 2, 3, 5, 6, 7, 8}) {
        const POINT p = PartPoint(part, box.right, box.bottom);
        EXPECT_TRUE(CloseColour(WindowPixel(dialog, p.x, p.y), ActiveColour(part)))
            << "active part " << part << " at " << p.x << "," << p.y << " got " << std::hex
            << WindowPixel(dialog, p.x, p.y);
    }
    SetActiveWindow(other);
    Pump(100);
    for (int part : {0, 1, 2, 3, 5, 6, 7, 8}) {
        const POINT p = PartPoint(part, box.right, box.bottom);
        EXPECT_TRUE(CloseColour(WindowPixel(dialog, p.x, p.y), InactiveColour(part)))
            << "inactive part " << part << " got " << std::hex << WindowPixel(dialog, p.x, p.y);
    }
}

TEST_F(Frames, CaptionTextOnlyWithTheWholeCaptionStyle) {
    auto whiteInCaption = [](HWND h) {
        RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        RECT r{};
        GetWindowRect(h, &r);
        int white = 0;
        for (int y = 2; y < kTop - 2; ++y) {
            for (int x = kCorner; x < (r.right - r.left) / 2; ++x) {
                if (CloseColour(WindowPixel(h, x, y), kCaptionText, 40)) ++white;
            }
        }
        return white;
    };
    HWND captioned = Dialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    SetWindowTextW(captioned, L"MMMM Caption");
    HWND bare = Dialog(WS_POPUP | WS_DLGFRAME | WS_VISIBLE);
    SetWindowTextW(bare, L"MMMM Caption");
    Pump(50);
    EXPECT_GT(whiteInCaption(captioned), 20);
    EXPECT_EQ(whiteInCaption(bare), 0);
}

TEST_F(Frames, RegionCutsTheCornersAndIsDroppedWhenWhole) {
    HWND dialog = Dialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    Pump(50);
    const RECT box = WindowBox(dialog);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(dialog, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, box.right - 1, 0));
    EXPECT_TRUE(PtInRegion(region, kCorner - 1, kTop - 1));
    EXPECT_TRUE(PtInRegion(region, box.right / 2, 0));
    EXPECT_TRUE(PtInRegion(region, 0, box.bottom - 1));
    EXPECT_TRUE(PtInRegion(region, box.right - 1, box.bottom - 1));
    DeleteObject(region);

    Options square;
    square.cutCorners = false;
    ASSERT_TRUE(SkinLoadFile(Write(L"runtime-square.tvf", square).c_str()));
    HWND plain = Dialog(WS_POPUP | WS_CAPTION | WS_VISIBLE);
    Pump(50);
    for (HWND h : {dialog, plain}) {
        HRGN none = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(h, none), ERROR); // a whole-window region is removed, not set
        DeleteObject(none);
    }
}

TEST_F(Frames, DialogFrameKeepsItsClientSize) {
    Options noSkin;
    HWND reference = testwin::CreateDialogWindow(WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 260, 160);
    SkinClearDialogDefault();
    HWND unskinned = testwin::CreateDialogWindow(WS_POPUP | WS_DLGFRAME | WS_SYSMENU, 260, 160);
    const SIZE expected = testwin::ClientSize(unskinned);
    const SIZE skinned = testwin::ClientSize(reference);
    EXPECT_EQ(skinned.cx, expected.cx);
    EXPECT_EQ(skinned.cy, expected.cy);
    const RECT box = WindowBox(reference);
    EXPECT_EQ(box.right, expected.cx + 2 * kSide);
    EXPECT_EQ(box.bottom, expected.cy + kTop + kBottom);
    DestroyWindow(reference);
    DestroyWindow(unskinned);
}

TEST_F(Frames, HitCodesForResizableFixedAndMaximizedFrames) {
    HWND sizable = Frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND fixed = Frame(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    HWND maximized = Frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    for (HWND h : {sizable, fixed, maximized}) ASSERT_TRUE(SkinAttachWindow(h, L"Dialog"));
    ShowWindow(maximized, SW_MAXIMIZE);
    Pump(50);
    auto hit = [](HWND h, int x, int y) {
        RECT r{};
        GetWindowRect(h, &r);
        return static_cast<int>(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y)));
    };
    const RECT s = WindowBox(sizable);
    struct Case {
        int x, y, expected;
    };
    const Case sizableCases[] = {{1, 1, HTTOPLEFT},
                                 {s.right / 2, 1, HTTOP},
                                 {s.right - 2, 1, HTTOPRIGHT},
                                 {s.right / 2, 20, HTCAPTION},
                                 {1, s.bottom / 2, HTLEFT},
                                 {s.right - 1, s.bottom / 2, HTRIGHT},
                                 {1, s.bottom - 1, HTBOTTOMLEFT},
                                 {s.right / 2, s.bottom - 1, HTBOTTOM},
                                 {s.right - 1, s.bottom - 1, HTBOTTOMRIGHT},
                                 {s.right / 2, s.bottom / 2, HTCLIENT}};
    for (const auto& c : sizableCases) EXPECT_EQ(hit(sizable, c.x, c.y), c.expected) << c.x << "," << c.y;
    const RECT f = WindowBox(fixed);
    EXPECT_EQ(hit(fixed, 1, 1), HTCAPTION);
    EXPECT_EQ(hit(fixed, 1, f.bottom / 2), HTNOWHERE);
    EXPECT_EQ(hit(fixed, f.right - 1, f.bottom - 1), HTNOWHERE);
    EXPECT_EQ(hit(fixed, f.right / 2, f.bottom / 2), HTCLIENT);
    const RECT m = WindowBox(maximized);
    EXPECT_EQ(hit(maximized, 1, 1), HTCAPTION);
    EXPECT_EQ(hit(maximized, m.right - 1, m.bottom - 1), HTNOWHERE);
    EXPECT_EQ(hit(maximized, m.right / 2, m.bottom / 2), HTCLIENT);
}

TEST_F(Frames, MaximizedFrameFillsTheWorkAreaAndKeepsItsMinimum) {
    HWND frame = Frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(SkinAttachWindow(frame, L"Dialog"));
    MINMAXINFO info{};
    info.ptMaxTrackSize = {5000, 5000};
    SendMessageW(frame, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(info.ptMaxSize.x, work.right - work.left);
    EXPECT_EQ(info.ptMaxSize.y, work.bottom - work.top);
    EXPECT_GE(info.ptMinTrackSize.x, 2 * kCorner + 10);
    EXPECT_GE(info.ptMinTrackSize.y, kTop + 5);
}

unsigned long long g_fakeNow = 0;
unsigned long long FakeClock() {
    return g_fakeNow;
}

TEST_F(Frames, MaximizedCaptionDoubleClickUsesMilliseconds) {
    SkinFramedWnd::SetClockForTesting(&FakeClock);
    HWND frame = Frame(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(SkinAttachWindow(frame, L"Dialog"));
    ShowWindow(frame, SW_MAXIMIZE);
    Pump(50);
    ASSERT_TRUE(IsZoomed(frame));
    RECT r{};
    GetWindowRect(frame, &r);
    const LPARAM caption = MAKELPARAM(r.left + 100, r.top + 10);
    auto up = [&](unsigned long long at) {
        g_fakeNow = at;
        SendMessageW(frame, WM_NCLBUTTONUP, HTCAPTION, caption);
        Pump();
    };
    up(3'600'500);
    up(7'200'500); // an hour later, same minute and second: no double click
    EXPECT_TRUE(IsZoomed(frame));
    up(7'202'000);
    up(7'203'100); // 1100 ms
    EXPECT_TRUE(IsZoomed(frame));
    up(7'203'900); // 800 ms after the last one, across a second boundary
    EXPECT_FALSE(IsZoomed(frame));
}

TEST_F(Frames, ChildBackgroundIsTheClientPieceUnderTheChild) {
    HWND dialog = Dialog(WS_POPUP | WS_CAPTION | WS_VISIBLE, 260, 160, true);
    HWND label = GetDlgItem(dialog, 100);
    RECT child{};
    GetClientRect(label, &child);
    HDC screen = GetDC(label);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, child.right, child.bottom);
    ReleaseDC(label, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_EQ(SendMessageW(dialog, kWmSkinChildBkgnd, reinterpret_cast<WPARAM>(memory),
                           reinterpret_cast<LPARAM>(label)),
              1);
    // The client piece is stretched from one solid block: every pixel is it.
    for (POINT p :
         {POINT{0, 0}, POINT{child.right - 1, child.bottom - 1}, POINT{child.right / 2, child.bottom / 2}}) {
        EXPECT_TRUE(CloseColour(GetPixel(memory, p.x, p.y), ActiveColour(4))) << p.x << "," << p.y;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

} // namespace
