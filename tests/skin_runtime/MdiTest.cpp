// A skinned MDI frame with two children, driven by window messages: the
// children's skinners, the zoomed child's frame outside the client, the
// maximized child's buttons in the menu bar, the client's background and
// repaint when a child goes, and the child's system menu.
#include <gtest/gtest.h>

#include <vector>

#include "FrameElementObjects.h"
#include "Skin.h"
#include "SkinEntries.h"
#include "SkinFrameWnd.h"
#include "SkinMdiClient.h"
#include "SkinMenuBar.h"
#include "SkinMessages.h"
#include "SystemMenu.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"

namespace {

using testwin::Pump;

HWND g_client = nullptr;
std::vector<RECT> g_gone; // WM_SKIN_MDICHILDGONE rectangles the client saw
WNDPROC g_clientProc = nullptr;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        CLIENTCREATESTRUCT create{};
        create.idFirstChild = 1000;
        g_client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0,
                                   0, hwnd, nullptr, GetModuleHandleW(nullptr), &create);
        return 0;
    }
    return DefFrameProcW(hwnd, g_client, message, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(hwnd, message, wParam, lParam);
}

// Sits in front of the client's skinner and notes what reaches it.
LRESULT CALLBACK ClientSpy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kWmSkinMdiChildGone) g_gone.push_back(*reinterpret_cast<const RECT*>(lParam));
    return CallWindowProcW(g_clientProc, hwnd, message, wParam, lParam);
}

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    WNDCLASSW wc{};
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpfnWndProc = &FrameProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = L"MdiTestFrame";
    RegisterClassW(&wc);
    wc.lpfnWndProc = &ChildProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"MdiTestChild";
    RegisterClassW(&wc);
    done = true;
}

class Mdi : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterClasses();
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        // The close button has pictures (solid part colours), the others
        // fall back to the system's look.
        auto skin = testskin::Build({});
        auto* look = dynamic_cast<FrameWindowObject*>(skin->FindObjectByType(1));
        ASSERT_NE(look, nullptr);
        ImageRef* close = &look->menuBar->mdiButtons[SkinMenuBar::kMdiClose * MenuBarObject::kMdiStateCount];
        close[0] = look->activeFrame[8];
        close[1] = look->activeFrame[7];
        ASSERT_TRUE(SkinLoadFile(testskin::WriteSkin(*skin, L"runtime-mdi.tvf").c_str()));
        HMENU menu = CreateMenu();
        AppendMenuW(menu, MF_STRING, 300, L"&File");
        AppendMenuW(menu, MF_STRING, 301, L"&Window");
        frame_ =
            CreateWindowExW(0, L"MdiTestFrame", L"MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                            40, 40, 600, 420, nullptr, menu, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(SkinAttachWindow(frame_, nullptr));
        children_[0] = NewChild(L"One", 10);
        children_[1] = NewChild(L"Two", 60);
        SetForegroundWindow(frame_);
        RedrawWindow(frame_, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(30);
        g_gone.clear();
    }
    void TearDown() override {
        if (g_clientProc && IsWindow(g_client)) {
            SetWindowLongPtrW(g_client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_clientProc));
        }
        g_clientProc = nullptr;
        DestroyWindow(frame_);
        SkinShutdown();
        Pump();
    }
    HWND NewChild(const wchar_t* title, int at) {
        MDICREATESTRUCTW create{};
        create.szClass = L"MdiTestChild";
        create.szTitle = title;
        create.hOwner = GetModuleHandleW(nullptr);
        create.x = create.y = at;
        create.cx = 220;
        create.cy = 160;
        create.style = WS_OVERLAPPEDWINDOW;
        return reinterpret_cast<HWND>(
            SendMessageW(g_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }
    SkinFrameWnd* FrameSkinner() {
        return dynamic_cast<SkinFrameWnd*>(WindowRegistry::Instance().Lookup(frame_));
    }
    SkinMenuBar& Bar() { return FrameSkinner()->MenuBar(); }
    void Maximize(HWND child) {
        SendMessageW(g_client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
        RedrawWindow(frame_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(30);
    }
    LPARAM ScreenOf(const RECT& r) {
        RECT window{};
        GetWindowRect(frame_, &window);
        return MAKELPARAM(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2);
    }
    RECT InClient(HWND child) {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, g_client, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    HWND frame_ = nullptr;
    HWND children_[2] = {};
};

TEST_F(Mdi, TheClientAndBothChildrenCarrySkinners) {
    ASSERT_NE(g_client, nullptr);
    auto* client = dynamic_cast<SkinMdiClient*>(WindowRegistry::Instance().Lookup(g_client));
    ASSERT_NE(client, nullptr);
    EXPECT_TRUE(client->KeepWithoutObject());
    EXPECT_EQ(FrameSkinner()->MdiClient(), g_client);
    EXPECT_TRUE(GetWindowLongPtrW(g_client, GWL_STYLE) & WS_CLIPSIBLINGS);
    for (HWND child : children_) {
        ASSERT_NE(child, nullptr);
        EXPECT_NE(dynamic_cast<SkinFrameWnd*>(WindowRegistry::Instance().Lookup(child)), nullptr);
        // The skin's frame replaces the system's: the client lies inside
        // the skin's borders.
        RECT window{}, client{};
        GetWindowRect(child, &window);
        GetClientRect(child, &client);
        MapWindowPoints(child, nullptr, reinterpret_cast<POINT*>(&client), 2);
        EXPECT_EQ(client.left - window.left, testskin::kSide);
        EXPECT_EQ(client.top - window.top, testskin::kTop);
        EXPECT_EQ(window.bottom - client.bottom, testskin::kBottom);
    }
    // The active child reaches the frame through the client.
    bool maximized = true;
    EXPECT_EQ(FrameSkinner()->ActiveMdiChild(&maximized), children_[1]);
    EXPECT_FALSE(maximized);
    EXPECT_FALSE(Bar().ShowsMdiButtons());
    // The client paints the frame's background colour where no child is.
    RECT inClient{};
    GetClientRect(g_client, &inClient);
    POINT free{inClient.right - 5, inClient.bottom - 5};
    MapWindowPoints(g_client, frame_, &free, 1);
    RECT frameWindow{};
    GetWindowRect(frame_, &frameWindow);
    POINT frameOrigin{0, 0};
    ClientToScreen(frame_, &frameOrigin);
    EXPECT_TRUE(testwin::CloseColour(testwin::WindowPixel(frame_, free.x + frameOrigin.x - frameWindow.left,
                                                          free.y + frameOrigin.y - frameWindow.top),
                                     testskin::ActiveColour(4)));
}

TEST_F(Mdi, AZoomedChildPutsItsFrameOutsideTheClientAndItsButtonsInTheBar) {
    const RECT barBefore = Bar().Rect();
    Maximize(children_[0]);
    ASSERT_TRUE(IsZoomed(children_[0]));
    RECT client{};
    GetClientRect(g_client, &client);
    const RECT expected{-testskin::kSide, -testskin::kTop, client.right + testskin::kSide,
                        client.bottom + testskin::kBottom};
    const RECT placed = InClient(children_[0]);
    EXPECT_TRUE(EqualRect(&placed, &expected))
        << placed.left << "," << placed.top << "," << placed.right << "," << placed.bottom;
    // The client re-zooms its child when the frame changes size: the skin
    // frame stays outside the new client too.
    SetWindowPos(frame_, nullptr, 0, 0, 520, 380, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(20);
    GetClientRect(g_client, &client);
    const RECT resized{-testskin::kSide, -testskin::kTop, client.right + testskin::kSide,
                       client.bottom + testskin::kBottom};
    const RECT replaced = InClient(children_[0]);
    EXPECT_TRUE(EqualRect(&replaced, &resized))
        << replaced.left << "," << replaced.top << "," << replaced.right << "," << replaced.bottom;
    SetWindowPos(frame_, nullptr, 0, 0, 600, 420, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(20);
    MINMAXINFO info{};
    info.ptMaxTrackSize = POINT{100000, 100000};
    SendMessageW(children_[0], WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxPosition.x, expected.left);
    EXPECT_EQ(info.ptMaxPosition.y, expected.top);
    EXPECT_EQ(info.ptMaxSize.x, expected.right - expected.left);
    EXPECT_EQ(info.ptMaxSize.y, expected.bottom - expected.top);
    EXPECT_GE(info.ptMaxTrackSize.x, info.ptMaxSize.x);

    ASSERT_TRUE(Bar().ShowsMdiButtons());
    const RECT bar = Bar().Rect();
    EXPECT_EQ(bar.top, barBefore.top);
    // Entries make room for the icon; the buttons end at the bar's right.
    EXPECT_GE(Bar().ItemRect(0).left, bar.left + 20);
    const RECT icon = Bar().MdiButtonRect(SkinMenuBar::kMdiIcon);
    const RECT close = Bar().MdiButtonRect(SkinMenuBar::kMdiClose);
    const RECT restore = Bar().MdiButtonRect(SkinMenuBar::kMdiRestore);
    const RECT minimize = Bar().MdiButtonRect(SkinMenuBar::kMdiMinimize);
    EXPECT_EQ(icon.left, bar.left + 2);
    EXPECT_EQ(close.right, bar.right);
    EXPECT_EQ(restore.left, close.left - 18);
    EXPECT_EQ(minimize.left, close.left - 36);
    EXPECT_EQ(close.bottom - close.top, 16);
    // The close button shows its picture, the hover one under the mouse;
    // the pressed look falls back to the normal picture.
    const POINT centre{(close.left + close.right) / 2, (close.top + close.bottom) / 2};
    EXPECT_TRUE(
        testwin::CloseColour(testwin::WindowPixel(frame_, centre.x, centre.y), testskin::ActiveColour(8)));
    SendMessageW(frame_, WM_NCMOUSEMOVE, HTMENU, ScreenOf(close));
    EXPECT_TRUE(
        testwin::CloseColour(testwin::WindowPixel(frame_, centre.x, centre.y), testskin::ActiveColour(7)));
    SendMessageW(frame_, WM_NCLBUTTONDOWN, HTMENU, ScreenOf(close));
    EXPECT_TRUE(
        testwin::CloseColour(testwin::WindowPixel(frame_, centre.x, centre.y), testskin::ActiveColour(8)));
    // Hover and press looks follow the mouse.
    SendMessageW(frame_, WM_NCMOUSEMOVE, HTMENU, ScreenOf(restore));
    EXPECT_EQ(Bar().MdiHover(), SkinMenuBar::kMdiRestore);
    SendMessageW(frame_, WM_NCLBUTTONDOWN, HTMENU, ScreenOf(restore));
    EXPECT_EQ(Bar().MdiPressed(), SkinMenuBar::kMdiRestore);
    SendMessageW(frame_, WM_NCMOUSEMOVE, HTMENU, ScreenOf(close));
    EXPECT_EQ(Bar().MdiPressed(), -1); // moving off forgets the press
    SendMessageW(frame_, WM_NCLBUTTONUP, HTMENU, ScreenOf(restore));
    EXPECT_TRUE(IsZoomed(children_[0]));
}

TEST_F(Mdi, TheBarButtonsMinimizeRestoreAndClose) {
    struct Case {
        int button;
        bool (*check)(HWND child);
    };
    const Case cases[] = {
        {SkinMenuBar::kMdiMinimize, [](HWND c) { return IsIconic(c) != FALSE; }},
        {SkinMenuBar::kMdiRestore, [](HWND c) { return !IsZoomed(c) && !IsIconic(c); }},
        {SkinMenuBar::kMdiClose, [](HWND c) { return !IsWindow(c); }},
    };
    for (const Case& c : cases) {
        HWND child = NewChild(L"Case", 30);
        ASSERT_NE(child, nullptr);
        Maximize(child);
        ASSERT_TRUE(IsZoomed(child));
        const RECT r = Bar().MdiButtonRect(c.button);
        SendMessageW(frame_, WM_NCLBUTTONDOWN, HTMENU, ScreenOf(r));
        SendMessageW(frame_, WM_NCLBUTTONUP, HTMENU, ScreenOf(r));
        Pump(20);
        EXPECT_TRUE(c.check(child)) << "button " << c.button;
        // The bar shows the buttons exactly while the active child is
        // zoomed (closing a zoomed child zooms the next one).
        RedrawWindow(frame_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        BOOL zoomed = FALSE;
        SendMessageW(g_client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&zoomed));
        EXPECT_EQ(Bar().ShowsMdiButtons(), zoomed != FALSE) << "button " << c.button;
        if (zoomed) SendMessageW(g_client, WM_MDIRESTORE, SendMessageW(g_client, WM_MDIGETACTIVE, 0, 0), 0);
        if (IsWindow(child)) SendMessageW(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    }
}

TEST_F(Mdi, ANewChildRestoresTheZoomedOneFirst) {
    Maximize(children_[0]);
    ASSERT_TRUE(IsZoomed(children_[0]));
    HWND third = NewChild(L"Three", 90);
    ASSERT_NE(third, nullptr);
    EXPECT_FALSE(IsZoomed(children_[0]));
    EXPECT_FALSE(IsZoomed(third));
}

TEST_F(Mdi, ADestroyedChildReportsItsRectangleAndTheClientRepaints) {
    g_clientProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(g_client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ClientSpy)));
    const RECT first = InClient(children_[0]);
    SendMessageW(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(children_[0]), 0);
    ASSERT_EQ(g_gone.size(), 1u);
    EXPECT_TRUE(EqualRect(&g_gone[0], &first));
    const RECT second = InClient(children_[1]);
    SendMessageW(g_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(children_[1]), 0);
    ASSERT_EQ(g_gone.size(), 2u);
    EXPECT_TRUE(EqualRect(&g_gone[1], &second));
    // The last child's place shows the client's background again at once.
    POINT p{(second.left + second.right) / 2, (second.top + second.bottom) / 2};
    MapWindowPoints(g_client, nullptr, &p, 1);
    HDC screen = GetDC(g_client);
    POINT local = p;
    ScreenToClient(g_client, &local);
    const COLORREF seen = GetPixel(screen, local.x, local.y);
    ReleaseDC(g_client, screen);
    EXPECT_TRUE(testwin::CloseColour(seen, testskin::ActiveColour(4)));
}

TEST_F(Mdi, ANewSkinKeepsTheClientSkinnerAndRepaintsItsBackground) {
    testskin::Options second;
    second.variant = 1;
    ASSERT_TRUE(SkinLoadFile(testskin::Write(L"runtime-mdi-2.tvf", second).c_str()));
    UpdateWindow(g_client);
    Pump(20);
    EXPECT_NE(dynamic_cast<SkinMdiClient*>(WindowRegistry::Instance().Lookup(g_client)), nullptr);
    for (HWND child : children_) EXPECT_NE(WindowRegistry::Instance().Lookup(child), nullptr);
    RECT client{};
    GetClientRect(g_client, &client);
    HDC dc = GetDC(g_client);
    const COLORREF seen = GetPixel(dc, client.right - 5, client.bottom - 5);
    ReleaseDC(g_client, dc);
    EXPECT_TRUE(testwin::CloseColour(seen, testskin::ActiveColour(4, 1)));
}

TEST_F(Mdi, OnlyAChildsSystemMenuOffersTheNextWindow) {
    auto hasNext = [](HWND hwnd) {
        HMENU popup = BuildSystemMenuPopup(hwnd);
        const bool found = popup && GetMenuState(popup, SC_NEXTWINDOW, MF_BYCOMMAND) != static_cast<UINT>(-1);
        if (popup) DestroyMenu(popup);
        return found;
    };
    EXPECT_TRUE(hasNext(children_[0]));
    EXPECT_FALSE(hasNext(frame_));
}

} // namespace
