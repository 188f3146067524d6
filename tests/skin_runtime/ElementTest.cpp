// Frame elements on real skinned frames under real non-client messages:
// caption-button looks and actions, the hover poll and its timers, enabling
// by style, visibility codes, frame-area hit codes and region modes, owner
// drawing and the system menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "EngineClasses.h"
#include "FrameElementObjects.h"
#include "ImageObject.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinEntries.h"
#include "SkinWnd.h"
#include "SystemMenu.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

using testwin::CloseColour;
using testwin::Pump;
using testwin::WindowPixel;

constexpr int kBlock = 16;
constexpr int kWidth = 300; // test frames: 200 wider than the design
constexpr COLORREF kOwnerDrawn = RGB(10, 250, 10);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Picture of `button` (a row of four blocks in the "buttons" image) in
// look 0 normal, 1 hover, 2 pressed, 3 disabled.
COLORREF Look(int button, int look) {
    return RGB(250 - 50 * look, 30 + 40 * button, 20);
}

struct Seen {
    std::vector<WPARAM> commands; // WM_SYSCOMMAND and WM_COMMAND wParams
    int appTimer = 0;
    bool runtimeTimer = false;
    int drawItems = 0;
    DRAWITEMSTRUCT drawItem{};
};
Seen g_seen;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
    case WM_COMMAND:
        // Noted, not carried out: the window keeps its size and life.
        g_seen.commands.push_back(message == WM_SYSCOMMAND ? (wParam & 0xFFF0) : wParam);
        return 0;
    case WM_TIMER:
        if (wParam == 1) ++g_seen.appTimer;
        if (wParam >= 0x8000) g_seen.runtimeTimer = true;
        return 0;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        g_seen.drawItem = *item;
        ++g_seen.drawItems;
        HBRUSH brush = CreateSolidBrush(kOwnerDrawn);
        FillRect(item->hDC, &item->rcItem, brush);
        DeleteObject(brush);
        return TRUE;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::unique_ptr<SkinObject> Button(const char* name, uint32_t kind, int row, SkinRect place,
                                   uint32_t anchor = 6, uint32_t visibility = 0) {
    auto object = CreateSkinObject(3);
    auto* button = static_cast<CaptionButtonObject*>(object.get());
    button->SetName(name);
    button->kind = kind;
    button->autoPlaceRect = place;
    button->anchor = anchor;
    button->visibility = visibility;
    button->commandId = 4242;
    ImageRef* refs[] = {&button->image, &button->hoverImage, &button->pressedImage, &button->disabledImage};
    for (int look = 0; look < 4; ++look) {
        refs[look]->SetName("buttons");
        refs[look]->source = {(row * 4 + look) * kBlock, 0, (row * 4 + look + 1) * kBlock, kBlock};
    }
    return object;
}

// A frame image (`kind` < 0) or a frame area of that kind, showing the
// normal picture of `row` (or the half-transparent "half" image).
std::unique_ptr<SkinObject> Piece(const char* name, int kind, SkinRect place, uint32_t visibility, int row,
                                  uint32_t combine = 2) {
    auto object = CreateSkinObject(kind < 0 ? 22 : 38);
    auto* element = static_cast<FrameElementObject*>(object.get());
    element->SetName(name);
    element->autoPlaceRect = place;
    element->visibility = visibility;
    element->commandId = 777;
    element->image.SetName(row < 0 ? "half" : "buttons");
    element->image.source = {row < 0 ? 0 : row * 4 * kBlock, 0, row < 0 ? 2 * kBlock : (row * 4 + 1) * kBlock,
                             kBlock};
    if (kind >= 0) {
        auto* area = static_cast<FrameAreaObject*>(element);
        area->areaKind = static_cast<uint32_t>(kind);
        area->combineMode = combine;
    }
    return object;
}

class Elements : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = Seen{};
        SetCursorPos(1200, 1000); // away from every test window
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
    }
    void TearDown() override {
        for (HWND h : windows_) DestroyWindow(h);
        SkinShutdown();
        EXPECT_EQ(SkinWnd::LiveCount(), 0);
    }
    // Loads the test skin with `children` in its "Dialog" object.
    void Load(std::vector<std::unique_ptr<SkinObject>> children) {
        testskin::Options options;
        options.withAltObject = false;
        auto skin = testskin::Build(options);
        for (auto& child : children) skin->FindObject("Dialog")->AddChild(std::move(child));
        std::vector<COLORREF> colours;
        for (int row = 0; row < 5; ++row) {
            for (int look = 0; look < 4; ++look) colours.push_back(Look(row, look));
        }
        for (const auto& [name, bytes] :
             {std::pair{"buttons", testskin::BlocksBmp(colours, kBlock)},
              std::pair{"half", testskin::BlocksBmp({kMagenta, Look(4, 0)}, kBlock)}}) {
            auto image = std::make_unique<ImageObject>();
            image->SetName(name);
            image->SetEncoded(bytes, 1);
            skin->PutImage(std::move(image));
        }
        skinPath_ = testskin::WriteSkin(*skin, L"runtime-elements.tvf");
        ASSERT_TRUE(SkinLoadFile(skinPath_.c_str()));
    }
    HWND Frame(DWORD style) {
        static const wchar_t* kClass = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = &RecordingProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            wc.lpszClassName = L"ElementTestFrame";
            RegisterClassW(&wc);
            return L"ElementTestFrame";
        }();
        HWND h = CreateWindowExW(0, kClass, L"", style | WS_VISIBLE, 40, 40, kWidth, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        windows_.push_back(h);
        EXPECT_TRUE(SkinAttachWindow(h, L"Dialog"));
        Pump(30);
        return h;
    }
    // A sizable frame with one close button at design (82, 7, 98, 23).
    HWND FrameWithClose() {
        std::vector<std::unique_ptr<SkinObject>> children;
        children.push_back(Button("Close", 1, 0, {82, 7, 98, 23}));
        Load(std::move(children));
        return Frame(WS_OVERLAPPEDWINDOW);
    }
    // Window point of a design point on a right-anchored element.
    static POINT Right(int x, int y) { return POINT{x + kWidth - 100, y}; }
    static LPARAM ScreenPoint(HWND h, POINT p) {
        RECT r{};
        GetWindowRect(h, &r);
        return MAKELPARAM(r.left + p.x, r.top + p.y);
    }
    static void Send(HWND h, UINT message, POINT p) {
        SendMessageW(h, message, HTCAPTION, ScreenPoint(h, p));
    }
    static void PutCursor(HWND h, POINT p) {
        const LPARAM screen = ScreenPoint(h, p);
        SetCursorPos(static_cast<short>(LOWORD(screen)), static_cast<short>(HIWORD(screen)));
        Pump(30);
    }
    static int Count(WPARAM command) {
        return static_cast<int>(std::count(g_seen.commands.begin(), g_seen.commands.end(), command));
    }
    std::wstring skinPath_;
    std::vector<HWND> windows_;
};

TEST_F(Elements, CloseButtonLooksAndClicksUnderNonClientMessages) {
    HWND frame = FrameWithClose();
    const POINT in = Right(90, 15);
    const POINT out = Right(30, 15);
    PutCursor(frame, in); // the hover poll finds the pointer on the button
    struct Step {
        UINT message;
        bool inside;
        int look;
        int closes; // SC_CLOSE posted so far
    };
    const Step steps[] = {
        {WM_NCMOUSEMOVE, true, 1, 0},     // hover
        {WM_NCLBUTTONDOWN, true, 2, 0},   // pressed
        {WM_NCLBUTTONUP, true, 1, 1},     // one click, one SC_CLOSE
        {WM_NCLBUTTONDOWN, true, 2, 1},   //
        {WM_NCMOUSEMOVE, false, 0, 1},    // moved off: normal
        {WM_NCLBUTTONUP, false, 0, 1},    // released outside: nothing
        {WM_NCMOUSEMOVE, true, 1, 1},     // back on it
        {WM_NCLBUTTONUP, true, 1, 1},     // a release without a press of its own: nothing
        {WM_NCLBUTTONDOWN, true, 2, 1},   //
        {WM_NCLBUTTONUP, true, 1, 2},     // the close stops the hover poll
        {WM_NCLBUTTONDBLCLK, true, 2, 2}, // the second click of a double click
        {WM_NCLBUTTONUP, true, 0, 3},     // counts as a click
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        Send(frame, steps[i].message, steps[i].inside ? in : out);
        Pump();
        EXPECT_TRUE(CloseColour(WindowPixel(frame, in.x, in.y), Look(0, steps[i].look)))
            << "step " << i << " got " << std::hex << WindowPixel(frame, in.x, in.y);
        EXPECT_EQ(Count(SC_CLOSE), steps[i].closes) << "step " << i;
    }
}

TEST_F(Elements, HoverEndsWithinTwoHundredMillisecondsWithoutMessages) {
    HWND frame = FrameWithClose();
    const POINT in = Right(90, 15);
    PutCursor(frame, in);
    Send(frame, WM_NCMOUSEMOVE, in);
    ASSERT_TRUE(CloseColour(WindowPixel(frame, in.x, in.y), Look(0, 1)));
    SetCursorPos(1200, 1000); // outside the window: no message reaches it
    Pump(200);
    EXPECT_TRUE(CloseColour(WindowPixel(frame, in.x, in.y), Look(0, 0)));
}

TEST_F(Elements, AppTimerOneKeepsFiringAndRuntimeTimersDieWithTheirButtons) {
    HWND frame = FrameWithClose();
    const POINT in = Right(90, 15);
    SetTimer(frame, 1, 25, nullptr);
    PutCursor(frame, in);
    Send(frame, WM_NCMOUSEMOVE, in);
    Pump(400);
    EXPECT_GE(g_seen.appTimer, 5);
    ASSERT_TRUE(SkinLoadFile(skinPath_.c_str())); // re-skinning makes new buttons
    Pump(300);
    Send(frame, WM_NCMOUSEMOVE, in);
    WindowRegistry::Instance().Unregister(frame); // and detaching drops them
    Pump(300);
    EXPECT_FALSE(g_seen.runtimeTimer);
    KillTimer(frame, 1);
}

TEST_F(Elements, MaximizeButtonFollowsTheMaximizeBoxAcrossReskins) {
    std::vector<std::unique_ptr<SkinObject>> children;
    children.push_back(Button("Maximize", 3, 1, {84, 0, 100, 16}));
    Load(std::move(children));
    const POINT corner = Right(98, 1);
    struct Case {
        DWORD style;
        int look;
        LRESULT hit;
        int maximizes;
    };
    const Case cases[] = {
        {WS_OVERLAPPEDWINDOW, 0, HTCAPTION, 1},
        {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 3, HTTOPRIGHT, 0},
    };
    for (const auto& c : cases) {
        HWND frame = Frame(c.style);
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                ASSERT_TRUE(SkinLoadFile(skinPath_.c_str())); // new buttons, same style rule
            }
            RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_TRUE(CloseColour(WindowPixel(frame, Right(92, 8).x, 8), Look(1, c.look)))
                << c.style << " pass " << pass << " got " << std::hex
                << WindowPixel(frame, Right(92, 8).x, 8);
            EXPECT_EQ(SendMessageW(frame, WM_NCHITTEST, 0, ScreenPoint(frame, corner)), c.hit) << c.style;
        }
        g_seen.commands.clear();
        Send(frame, WM_NCLBUTTONDOWN, corner);
        Send(frame, WM_NCLBUTTONUP, corner);
        Pump();
        EXPECT_EQ(Count(SC_MAXIMIZE), c.maximizes) << c.style;
        DestroyWindow(frame);
    }
}

TEST_F(Elements, ButtonsPostTheirCommands) {
    std::vector<std::unique_ptr<SkinObject>> children;
    children.push_back(Button("Close", 1, 0, {82, 7, 98, 23}));
    children.push_back(Button("Maximize", 3, 1, {64, 7, 80, 23}));
    children.push_back(Button("Minimize", 4, 2, {46, 7, 62, 23}));
    children.push_back(Button("Run", 0, 3, {28, 7, 44, 23}));
    Load(std::move(children));
    HWND frame = Frame(WS_OVERLAPPEDWINDOW);
    const std::pair<POINT, WPARAM> cases[] = {{Right(90, 15), SC_CLOSE},
                                              {Right(72, 15), SC_MAXIMIZE},
                                              {Right(54, 15), SC_MINIMIZE},
                                              {Right(36, 15), 4242}};
    for (const auto& [point, command] : cases) {
        g_seen.commands.clear();
        Send(frame, WM_NCLBUTTONDOWN, point);
        Send(frame, WM_NCLBUTTONUP, point);
        Pump();
        EXPECT_EQ(g_seen.commands, std::vector<WPARAM>{command});
    }
}

TEST_F(Elements, VisibilityCodesFollowTheWindowState) {
    std::vector<std::unique_ptr<SkinObject>> children;
    for (uint32_t code = 1; code <= 4; ++code) {
        const int x = 10 + 18 * static_cast<int>(code);
        children.push_back(
            Piece(("Image" + std::to_string(code)).c_str(), -1, {x, 7, x + kBlock, 23}, code, 0));
    }
    Load(std::move(children));
    HWND frame = Frame(WS_OVERLAPPEDWINDOW);
    struct Case {
        int show;
        const char* visible; // codes 1..4
    };
    for (const Case& c : {Case{SW_RESTORE, "0101"}, Case{SW_MAXIMIZE, "0110"}, Case{SW_MINIMIZE, "1001"}}) {
        ShowWindow(frame, c.show);
        Pump(50);
        std::string got;
        for (const auto& element : WindowRegistry::Instance().Lookup(frame)->Elements()) {
            got += element->IsVisible() ? '1' : '0';
            if (c.show == SW_MINIMIZE) continue; // a minimized window may show nothing at all
            const RECT& r = element->Rect();
            const bool drawn = CloseColour(WindowPixel(frame, r.left + 8, r.top + 8), Look(0, 0));
            EXPECT_EQ(drawn, element->IsVisible()) << "show " << c.show << " at " << r.left;
        }
        EXPECT_EQ(got, c.visible) << "show " << c.show;
    }
}

TEST_F(Elements, FrameAreasGiveTheirHitCodesInListOrder) {
    std::vector<std::unique_ptr<SkinObject>> children;
    for (int kind = 0; kind <= 10; ++kind) {
        const int x = 13 + 7 * kind;
        children.push_back(
            Piece(("Area" + std::to_string(10 + kind)).c_str(), kind, {x, 8, x + 5, 22}, 0, 0));
    }
    // Over the kind-2 area and first in the list: it decides.
    children.push_back(Piece("Area0", 9, {27, 8, 32, 22}, 0, 0));
    Load(std::move(children));
    HWND frame = Frame(WS_OVERLAPPEDWINDOW);
    const LRESULT expected[] = {HTNOWHERE, HTCAPTION,     HTBOTTOMLEFT, HTTOPLEFT,    HTTOP,    HTTOPRIGHT,
                                HTRIGHT,   HTBOTTOMRIGHT, HTBOTTOM,     HTBOTTOMLEFT, HTCAPTION};
    for (int kind = 0; kind <= 10; ++kind) {
        const LPARAM point = ScreenPoint(frame, POINT{15 + 7 * kind, 15});
        EXPECT_EQ(SendMessageW(frame, WM_NCHITTEST, 0, point), expected[kind]) << "kind " << kind;
    }
}

TEST_F(Elements, AreaRegionsCombineByTheirMode) {
    // The area's picture: a transparent left half and an opaque right half.
    const POINT clear{44, 14}, opaque{60, 14}, elsewhere{20, 14};
    struct Case {
        uint32_t mode;
        const char* expected; // clear, opaque, elsewhere in the window region
    };
    const Case cases[] = {{0, "010"}, {1, "101"}, {2, "111"}, {3, "101"}, {4, "011"}};
    for (const auto& c : cases) {
        std::vector<std::unique_ptr<SkinObject>> children;
        children.push_back(Piece("Shape", 10, {40, 8, 40 + 2 * kBlock, 8 + kBlock}, 0, -1, c.mode));
        Load(std::move(children));
        HWND frame = Frame(WS_OVERLAPPEDWINDOW);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(frame, region), ERROR) << "mode " << c.mode;
        std::string got;
        for (POINT p : {clear, opaque, elsewhere}) got += PtInRegion(region, p.x, p.y) ? '1' : '0';
        EXPECT_EQ(got, c.expected) << "mode " << c.mode;
        DeleteObject(region);
        DestroyWindow(frame);
    }
}

TEST_F(Elements, OwnerDrawnAreaAsksTheWindowToDrawIt) {
    std::vector<std::unique_ptr<SkinObject>> children;
    children.push_back(Piece("Drawn", 11, {20, 8, 40, 22}, 0, 0));
    Load(std::move(children));
    HWND frame = Frame(WS_OVERLAPPEDWINDOW);
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_GE(g_seen.drawItems, 1);
    const DRAWITEMSTRUCT& item = g_seen.drawItem;
    EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_STATIC));
    EXPECT_EQ(item.CtlID, 777u);
    EXPECT_EQ(item.itemID, static_cast<UINT>(-1));
    EXPECT_EQ(item.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(item.itemState, static_cast<UINT>(ODS_DEFAULT));
    EXPECT_EQ((std::array{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom}),
              (std::array<LONG, 4>{20, 8, 40, 22}));
    EXPECT_TRUE(CloseColour(WindowPixel(frame, 30, 15), kOwnerDrawn));
}

// Runs inside the menu loop: notes the open menu and chooses its last item.
bool g_menuShown = false;
void CALLBACK ChooseLastItem(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = FindWindowW(kPopupMenuClass, nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    g_menuShown = true;
    KillTimer(nullptr, id);
    PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(Elements, SystemMenuButtonOpensTheMenuAndClosesOnDoubleClick) {
    std::vector<std::unique_ptr<SkinObject>> children;
    children.push_back(Button("Menu", 5, 0, {2, 7, 18, 23}, 0));
    Load(std::move(children));
    HWND frame = Frame(WS_OVERLAPPEDWINDOW);
    const POINT button{10, 15};
    for (UINT press : {WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN}) {
        g_menuShown = false;
        g_seen.commands.clear();
        SetTimer(nullptr, 0, 50, &ChooseLastItem);
        Send(frame, press, button);
        Pump(300);
        EXPECT_TRUE(g_menuShown) << press;
        EXPECT_EQ(g_seen.commands, std::vector<WPARAM>{SC_CLOSE}) << press;
    }
    g_seen.commands.clear();
    Send(frame, WM_NCLBUTTONDBLCLK, button);
    Pump();
    EXPECT_EQ(g_seen.commands, std::vector<WPARAM>{SC_CLOSE});
}

TEST_F(Elements, SystemMenuItemsFollowStateStyleAndTheWindowsOwnMenu) {
    Load({});
    HWND sizable = Frame(WS_OVERLAPPEDWINDOW);
    HWND fixed = Frame(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    EnableMenuItem(GetSystemMenu(fixed, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    const UINT items[] = {SC_RESTORE, SC_SIZE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    auto enabled = [&](HWND h) {
        std::string got;
        HMENU popup = BuildSystemMenuPopup(h);
        for (UINT item : items) {
            const UINT state = GetMenuState(popup, item, MF_BYCOMMAND);
            got += state == static_cast<UINT>(-1) ? '-' : (state & MF_GRAYED) ? '0' : '1';
        }
        DestroyMenu(popup);
        return got;
    };
    EXPECT_EQ(enabled(sizable), "011111");
    EXPECT_EQ(enabled(fixed), "001000");
    ShowWindow(sizable, SW_MAXIMIZE);
    EXPECT_EQ(enabled(sizable), "100101");
}

} // namespace
