// Tab controls on all four sides, a check box on a tab page, vertical
// trackbars, and the colours a list view is given. Pictures are two-coloured
// (outer and inner half) so that a pixel tells how a picture was turned.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "ButtonObjects.h"
#include "ControlWindows.h"
#include "DibImage.h"
#include "EditObjects.h"
#include "ImageObject.h"
#include "MiscControlObjects.h"
#include "ObjectFactory.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "SkinEntries.h"
#include "TestSkins.h"
#include "TestWindows.h"

namespace {

using ctlwin::ClientPixel;
using testwin::CloseColour;
using testwin::Pump;

constexpr int kBlock = 8;
// Picture "cc": block i is split into a top half and a bottom half.
struct TwoColours {
    COLORREF top;
    COLORREF bottom;
};
enum Block {
    kTabNormal,
    kTabPressed,
    kFrame,
    kBackground,
    kChannel,
    kThumb,
    kBlockCount
};
const TwoColours kBlocks[kBlockCount] = {
    {RGB(200, 40, 40), RGB(40, 40, 200)},   // normal tab: outer red, inner blue
    {RGB(40, 180, 40), RGB(220, 200, 20)},  // pressed tab: outer green, inner yellow
    {RGB(150, 90, 200), RGB(150, 90, 200)}, // page frame
    {RGB(90, 90, 90), RGB(90, 90, 90)},     // tab control background
    {RGB(0, 140, 140), RGB(0, 140, 140)},   // trackbar channel
    {RGB(250, 120, 0), RGB(30, 30, 30)},    // trackbar thumb: first half orange
};
constexpr COLORREF kListBack = RGB(240, 250, 200);
constexpr COLORREF kListText = RGB(120, 0, 60);

std::vector<uint8_t> Picture() {
    DibImage image;
    image.Create(kBlockCount * kBlock, kBlock, 24, 1);
    for (int b = 0; b < kBlockCount; ++b) {
        for (int y = 0; y < kBlock; ++y) {
            for (int x = 0; x < kBlock; ++x) {
                // The thumb is split left and right: it lies along the channel.
                const bool first = b == kThumb ? x < kBlock / 2 : y < kBlock / 2;
                image.SetColor(b * kBlock + x, y, first ? kBlocks[b].top : kBlocks[b].bottom);
            }
        }
    }
    std::vector<uint8_t> bytes;
    image.Encode(1, &bytes);
    return bytes;
}

NineGridImage Grid(int block) {
    NineGridImage grid;
    grid.SetName("cc");
    grid.source = SkinRect{block * kBlock, 0, (block + 1) * kBlock, kBlock};
    grid.stretchMode = 1;
    return grid;
}

std::wstring WriteSkin() {
    testskin::Options options;
    options.withStatic = false;
    auto skin = testskin::Build(options);
    auto tab = CreateSkinObject(16);
    tab->SetName("Tab");
    auto& tabs = static_cast<TabControlObject&>(*tab);
    tabs.states[TabControlObject::Normal].tab = Grid(kTabNormal);
    tabs.states[TabControlObject::Pressed].tab = Grid(kTabPressed);
    tabs.frame = Grid(kFrame);
    tabs.mainImage = Grid(kBackground);
    skin->PutObject(std::move(tab));

    auto check = CreateSkinObject(5);
    check->SetName("CheckBox");
    static_cast<CheckBoxObject&>(*check).transparent = 1;
    skin->PutObject(std::move(check));

    auto track = CreateSkinObject(13);
    track->SetName("Trackbar");
    auto& trackbar = static_cast<TrackbarObject&>(*track);
    trackbar.channel = Grid(kChannel);
    trackbar.thumbHorizontal = Grid(kThumb);
    trackbar.mainImage = Grid(kBackground);
    skin->PutObject(std::move(track));

    auto list = CreateSkinObject(28);
    list->SetName("ListView");
    list->color1 = kListBack;
    list->color2 = kListText;
    skin->PutObject(std::move(list));

    auto picker = CreateSkinObject(31);
    picker->SetName("DateTime");
    skin->PutObject(std::move(picker));

    auto image = std::make_unique<ImageObject>();
    image->SetName("cc");
    image->SetEncoded(Picture(), 1);
    skin->PutImage(std::move(image));
    return testskin::WriteSkin(*skin, L"runtime-common-controls.tvf");
}

class CommonControls : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(WriteSkin().c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        dialog_ = ctlwin::CreateHostDialog(460, 340);
        ASSERT_TRUE(dialog_);
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        SkinShutdown();
    }
    HWND Tabs(DWORD style, RECT box = RECT{10, 10, 310, 210}) {
        HWND tab = ctlwin::AddChild(dialog_, WC_TABCONTROLW, style, 0, box, 100);
        const wchar_t* names[] = {L"One", L"Two", L"Three"};
        for (int i = 0; i < 3; ++i) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(names[i]);
            SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(tab, TCM_SETCURSEL, 1, 0);
        RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(20);
        return tab;
    }
    static RECT TabRect(HWND tab, int index) {
        RECT r{};
        SendMessageW(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }

    HWND dialog_ = nullptr;
};

TEST_F(CommonControls, TabsOnEverySideShowTheirPicturesTurnedOutward) {
    enum Side {
        kTop,
        kBottom,
        kLeft,
        kRight
    };
    const struct {
        const char* name;
        DWORD style;
        Side side;
    } cases[] = {
        {"top", 0, kTop},
        {"bottom", TCS_BOTTOM, kBottom},
        {"left", TCS_VERTICAL | TCS_MULTILINE, kLeft},
        {"right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, kRight},
    };
    for (const auto& c : cases) {
        HWND tab = Tabs(c.style);
        ASSERT_TRUE(tab) << c.name;
        for (int index : {0, 1}) {
            const RECT r = TabRect(tab, index);
            ASSERT_GT(r.right - r.left, 8) << c.name;
            ASSERT_GT(r.bottom - r.top, 8) << c.name;
            POINT outer{};
            POINT inner{};
            switch (c.side) {
            case kTop:
                outer = POINT{r.left + 3, r.top + 1};
                inner = POINT{r.left + 3, r.bottom - 2};
                break;
            case kBottom:
                outer = POINT{r.left + 3, r.bottom - 2};
                inner = POINT{r.left + 3, r.top + 1};
                break;
            case kLeft:
                outer = POINT{r.left + 1, r.top + 3};
                inner = POINT{r.right - 2, r.top + 3};
                break;
            case kRight:
                outer = POINT{r.right - 2, r.top + 3};
                inner = POINT{r.left + 1, r.top + 3};
                break;
            }
            const TwoColours& want = kBlocks[index == 1 ? kTabPressed : kTabNormal];
            EXPECT_TRUE(CloseColour(ClientPixel(tab, outer.x, outer.y), want.top))
                << c.name << " tab " << index << " outer " << std::hex << ClientPixel(tab, outer.x, outer.y);
            EXPECT_TRUE(CloseColour(ClientPixel(tab, inner.x, inner.y), want.bottom))
                << c.name << " tab " << index << " inner " << std::hex << ClientPixel(tab, inner.x, inner.y);
        }
        // The page frame fills the page.
        RECT client{};
        GetClientRect(tab, &client);
        TabCtrl_AdjustRect(tab, FALSE, &client);
        EXPECT_TRUE(
            CloseColour(ClientPixel(tab, (client.left + client.right) / 2, (client.top + client.bottom) / 2),
                        kBlocks[kFrame].top))
            << c.name;
        DestroyWindow(tab);
    }
}

TEST_F(CommonControls, CheckBoxOnATabPageShowsThePageBehindIt) {
    HWND tab = Tabs(0);
    RECT page{};
    GetClientRect(tab, &page);
    TabCtrl_AdjustRect(tab, FALSE, &page);
    MapWindowPoints(tab, dialog_, reinterpret_cast<POINT*>(&page), 2);
    HWND check =
        ctlwin::AddChild(dialog_, L"Button", BS_AUTOCHECKBOX, 0,
                         RECT{page.left + 10, page.top + 10, page.left + 200, page.top + 34}, 101, L"x");
    // A check box outside the tab shows the dialog.
    HWND outside =
        ctlwin::AddChild(dialog_, L"Button", BS_AUTOCHECKBOX, 0, RECT{320, 250, 450, 274}, 102, L"x");
    SetWindowPos(check, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(30);
    EXPECT_TRUE(CloseColour(ClientPixel(check, 185, 12), kBlocks[kFrame].top))
        << std::hex << ClientPixel(check, 185, 12);
    EXPECT_FALSE(CloseColour(ClientPixel(outside, 120, 12), kBlocks[kFrame].top));
}

TEST_F(CommonControls, VerticalTrackbarIsTheHorizontalPictureTurnedClockwise) {
    HWND flat =
        ctlwin::AddChild(dialog_, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS, 0, RECT{10, 10, 210, 50}, 110);
    HWND standing =
        ctlwin::AddChild(dialog_, TRACKBAR_CLASSW, TBS_VERT | TBS_NOTICKS, 0, RECT{250, 10, 290, 210}, 111);
    for (HWND bar : {flat, standing}) {
        SendMessageW(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
        SendMessageW(bar, TBM_SETPOS, TRUE, 3);
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    Pump(20);
    // Lying: the thumb's first half (orange) on the left of the second.
    RECT thumb{};
    SendMessageW(flat, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const int midY = (thumb.top + thumb.bottom) / 2;
    EXPECT_TRUE(CloseColour(ClientPixel(flat, thumb.left + 1, midY), kBlocks[kThumb].top));
    EXPECT_TRUE(CloseColour(ClientPixel(flat, thumb.right - 2, midY), kBlocks[kThumb].bottom));
    // Standing: turned clockwise, the first half on top, exactly over the
    // control's own thumb rectangle.
    SendMessageW(standing, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    ASSERT_GT(thumb.bottom - thumb.top, 3);
    const int midX = (thumb.left + thumb.right) / 2;
    EXPECT_TRUE(CloseColour(ClientPixel(standing, midX, thumb.top), kBlocks[kThumb].top));
    EXPECT_TRUE(CloseColour(ClientPixel(standing, midX, thumb.bottom - 1), kBlocks[kThumb].bottom));
    EXPECT_FALSE(CloseColour(ClientPixel(standing, midX, thumb.top - 1), kBlocks[kThumb].top));
    EXPECT_FALSE(CloseColour(ClientPixel(standing, midX, thumb.bottom), kBlocks[kThumb].bottom));
    // The channel runs down the control.
    RECT client{};
    GetClientRect(standing, &client);
    RECT box = ctlwin::ColourBox(standing, client, kBlocks[kChannel].top);
    EXPECT_GT(box.bottom - box.top, box.right - box.left);
}

TEST_F(CommonControls, ListViewTakesTheSkinsColours) {
    HWND list =
        ctlwin::AddChild(dialog_, WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE, RECT{10, 10, 300, 200}, 120);
    Pump(20);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), kListBack);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)), kListText);
    EXPECT_TRUE(CloseColour(ClientPixel(list, 150, 150), kListBack));
}

// What the timers below do inside the picker's calendar loop.
HWND g_picker = nullptr;
HWND g_host = nullptr;
SYSTEMTIME g_picked{};
bool g_calendarSeen = false;

HWND OpenCalendar() {
    return reinterpret_cast<HWND>(SendMessageW(g_picker, DTM_GETMONTHCAL, 0, 0));
}

// Clicks a day of the shown month other than the selected one.
void CALLBACK PickADay(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND calendar = OpenCalendar();
    g_calendarSeen = calendar != nullptr;
    if (!calendar) return;
    SYSTEMTIME current{};
    SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&current));
    RECT client{};
    GetClientRect(calendar, &client);
    for (int y = client.bottom / 2; y < client.bottom; y += 3) {
        for (int x = 4; x < client.right; x += 3) {
            MCHITTESTINFO hit{};
            hit.cbSize = sizeof hit;
            hit.pt = POINT{x, y};
            SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.uHit != MCHT_CALENDARDATE) continue;
            if (hit.st.wDay == current.wDay || hit.st.wMonth != current.wMonth) continue;
            g_picked = hit.st;
            PostMessageW(calendar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
            PostMessageW(calendar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
            return;
        }
    }
}

void CALLBACK QuitInside(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_calendarSeen = OpenCalendar() != nullptr;
    PostQuitMessage(7);
}

void CALLBACK ClickElsewhere(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    g_calendarSeen = OpenCalendar() != nullptr;
    PostMessageW(g_host, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 300));
}

TEST_F(CommonControls, DatePickerCalendarOpensPicksAndCloses) {
    g_picker =
        ctlwin::AddChild(dialog_, DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT, 0, RECT{10, 10, 200, 34}, 130);
    g_host = dialog_;
    ASSERT_TRUE(g_picker);
    SYSTEMTIME start{};
    start.wYear = 2026;
    start.wMonth = 12;
    start.wDay = 9;
    SendMessageW(g_picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
    Pump(20);
    RECT client{};
    GetClientRect(g_picker, &client);
    const LPARAM button = MAKELPARAM(client.right - 5, client.bottom / 2);
    auto dropDown = [&] { SendMessageW(g_picker, WM_LBUTTONDOWN, MK_LBUTTON, button); };

    // Picking a day closes the calendar and sets the date.
    g_calendarSeen = false;
    SetTimer(nullptr, 0, 50, &PickADay);
    dropDown();
    EXPECT_TRUE(g_calendarSeen);
    EXPECT_EQ(OpenCalendar(), nullptr);
    ASSERT_NE(g_picked.wDay, 0);
    SYSTEMTIME now{};
    ASSERT_EQ(SendMessageW(g_picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)), GDT_VALID);
    EXPECT_EQ(now.wYear, g_picked.wYear);
    EXPECT_EQ(now.wMonth, g_picked.wMonth);
    EXPECT_EQ(now.wDay, g_picked.wDay);

    // A press elsewhere closes it without a change.
    g_calendarSeen = false;
    SetTimer(nullptr, 0, 50, &ClickElsewhere);
    dropDown();
    EXPECT_TRUE(g_calendarSeen);
    EXPECT_EQ(OpenCalendar(), nullptr);
    SYSTEMTIME after{};
    SendMessageW(g_picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&after));
    EXPECT_EQ(after.wDay, g_picked.wDay);

    // WM_QUIT ends the loop and is posted again for the application's loop.
    g_calendarSeen = false;
    SetTimer(nullptr, 0, 50, &QuitInside);
    dropDown();
    EXPECT_TRUE(g_calendarSeen);
    EXPECT_EQ(OpenCalendar(), nullptr);
    MSG quit{};
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
}

} // namespace
