// Tab controls on all four sides, a check box on a tab page, vertical
// trackbars and progress bars, the colours a list view is given, a tree's
// selected item and a toolbar's buttons. Pictures are two-coloured (outer
// and inner half) so that a pixel tells how a picture was turned.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "BarObjects.h"
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
    kBarBack,
    kBarFill,
    kActiveItem,
    kInactiveItem,
    kToolHot,
    kBlockCount
};
const TwoColours kBlocks[kBlockCount] = {
    {RGB(200, 40, 40), RGB(40, 40, 200)},     // normal tab: outer red, inner blue
    {RGB(40, 180, 40), RGB(220, 200, 20)},    // pressed tab: outer green, inner yellow
    {RGB(150, 90, 200), RGB(150, 90, 200)},   // page frame
    {RGB(90, 90, 90), RGB(90, 90, 90)},       // tab control background
    {RGB(0, 140, 140), RGB(0, 140, 140)},     // trackbar channel
    {RGB(250, 120, 0), RGB(30, 30, 30)},      // trackbar thumb: first half orange
    {RGB(220, 60, 160), RGB(60, 160, 220)},   // progress background: top pink, bottom sky
    {RGB(250, 230, 0), RGB(0, 100, 0)},       // progress bar: top yellow, bottom dark green
    {RGB(255, 140, 0), RGB(255, 140, 0)},     // tree's selected item with the focus
    {RGB(120, 200, 255), RGB(120, 200, 255)}, // tree's selected item without it
    {RGB(170, 0, 220), RGB(170, 0, 220)},     // toolbar button under the mouse
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

template <typename T, typename Fill>
void Add(Skin& skin, int type, const char* name, Fill fill) {
    auto object = CreateSkinObject(type);
    object->SetName(name);
    fill(static_cast<T&>(*object));
    skin.PutObject(std::move(object));
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

    Add<TrackbarObject>(*skin, 13, "Trackbar", [](TrackbarObject& trackbar) {
        trackbar.channel = Grid(kChannel);
        trackbar.thumbHorizontal = Grid(kThumb);
        trackbar.mainImage = Grid(kBackground);
    });

    auto list = CreateSkinObject(28);
    list->SetName("ListView");
    list->color1 = kListBack;
    list->color2 = kListText;
    skin->PutObject(std::move(list));

    Add<ProgressBarObject>(*skin, 10, "Progress", [](ProgressBarObject& bar) {
        bar.mainImage = Grid(kBarBack);
        bar.progressImage = Grid(kBarFill);
    });
    Add<TreeViewObject>(*skin, 29, "TreeView", [](TreeViewObject& tree) {
        tree.activeItem = Grid(kActiveItem);
        tree.inactiveItem = Grid(kInactiveItem);
        tree.activeColor = kBlocks[kActiveItem].top;
        tree.inactiveColor = kBlocks[kInactiveItem].top;
    });
    Add<ToolbarObject>(*skin, 23, "Toolbar",
                       [](ToolbarObject& toolbar) { toolbar.images[3] = Grid(kToolHot); });

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
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                   ICC_TREEVIEW_CLASSES | ICC_PROGRESS_CLASS};
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

TEST_F(CommonControls, VerticalProgressIsTheLyingPictureTurnedCounterClockwise) {
    HWND standing = ctlwin::AddChild(dialog_, PROGRESS_CLASSW, PBS_VERTICAL, 0, RECT{10, 10, 40, 210}, 112);
    SendMessageW(standing, PBM_SETRANGE32, 0, 100);
    SendMessageW(standing, PBM_SETPOS, 25, 0);
    RedrawWindow(standing, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(20);
    RECT client{};
    GetClientRect(standing, &client);
    ASSERT_EQ(client.bottom, 200);
    // A quarter of 200 pixels filled, from the bottom up; the lying
    // picture's top comes to the left.
    const int barTop = client.bottom - 50;
    const int left = 3;
    const int right = client.right - 4;
    const struct {
        const char* where;
        int x, y;
        COLORREF want;
    } pixels[] = {
        {"bar, left", left, barTop + 20, kBlocks[kBarFill].top},
        {"bar, right", right, barTop + 20, kBlocks[kBarFill].bottom},
        {"bar's first row", left, barTop, kBlocks[kBarFill].top},
        {"bar's last row", left, client.bottom - 1, kBlocks[kBarFill].top},
        {"row above the bar", left, barTop - 1, kBlocks[kBarBack].top},
        {"background, left", left, 60, kBlocks[kBarBack].top},
        {"background, right", right, 60, kBlocks[kBarBack].bottom},
    };
    for (const auto& p : pixels) {
        EXPECT_TRUE(CloseColour(ClientPixel(standing, p.x, p.y), p.want))
            << p.where << " " << std::hex << ClientPixel(standing, p.x, p.y);
    }
}

TEST_F(CommonControls, TreesSelectedItemShowsTheActiveOrInactivePicture) {
    const struct {
        const char* name;
        DWORD style;
        bool focused;
        const COLORREF* want; // none: the control's own selection look
    } cases[] = {
        {"focused", 0, true, &kBlocks[kActiveItem].top},
        {"unfocused, selection always shown", TVS_SHOWSELALWAYS, false, &kBlocks[kInactiveItem].top},
        {"unfocused", 0, false, nullptr},
    };
    HWND other = ctlwin::AddChild(dialog_, L"Edit", 0, WS_EX_CLIENTEDGE, RECT{320, 10, 440, 34}, 131);
    for (const auto& c : cases) {
        HWND tree =
            ctlwin::AddChild(dialog_, WC_TREEVIEWW, c.style, WS_EX_CLIENTEDGE, RECT{10, 10, 300, 200}, 130);
        ASSERT_TRUE(tree) << c.name;
        TVINSERTSTRUCTW insert{};
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        HTREEITEM second = nullptr;
        for (const wchar_t* text : {L"PHOTOS", L"MOVIES", L"AUDIOS"}) {
            insert.item.pszText = const_cast<wchar_t*>(text);
            auto item = reinterpret_cast<HTREEITEM>(
                SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
            if (!second && text[0] == L'M') second = item;
        }
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(second));
        SetFocus(c.focused ? tree : other);
        RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(20);
        RECT item{};
        std::memcpy(&item, &second, sizeof second); // the item goes in the rectangle's first bytes
        ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&item))) << c.name;
        const COLORREF corner = ClientPixel(tree, item.left + 1, item.top + 1);
        const COLORREF outside = ClientPixel(tree, item.right + 4, item.top + 1);
        if (c.want) {
            EXPECT_TRUE(CloseColour(corner, *c.want)) << c.name << " " << std::hex << corner;
        } else {
            EXPECT_FALSE(CloseColour(corner, kBlocks[kActiveItem].top)) << c.name;
            EXPECT_FALSE(CloseColour(corner, kBlocks[kInactiveItem].top)) << c.name;
        }
        // Only the item's text rectangle.
        EXPECT_FALSE(CloseColour(outside, kBlocks[kActiveItem].top)) << c.name;
        EXPECT_FALSE(CloseColour(outside, kBlocks[kInactiveItem].top)) << c.name;
        DestroyWindow(tree);
    }
}

// Where a toolbar tells what was done with its buttons.
std::vector<UINT> g_toolbarNotes; // WM_NOTIFY codes
std::vector<int> g_toolbarCommands;

LRESULT CALLBACK ToolbarOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) g_toolbarNotes.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    if (message == WM_COMMAND) g_toolbarCommands.push_back(LOWORD(wParam));
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(CommonControls, ToolbarKeepsItsClicksDropDownsAndHover) {
    HWND bar =
        ctlwin::AddChild(dialog_, TOOLBARCLASSNAMEW,
                         TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0,
                         RECT{10, 10, 300, 40}, 140);
    ASSERT_TRUE(bar);
    WNDCLASSW owner{};
    owner.lpfnWndProc = ToolbarOwnerProc;
    owner.hInstance = GetModuleHandleW(nullptr);
    owner.lpszClassName = L"ToolbarOwnerTest";
    RegisterClassW(&owner);
    HWND notes = CreateWindowExW(0, owner.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 owner.hInstance, nullptr);
    SendMessageW(bar, TB_SETPARENT, reinterpret_cast<WPARAM>(notes), 0);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    TBBUTTON buttons[] = {
        {I_IMAGENONE,
         201,
         TBSTATE_ENABLED,
         BTNS_BUTTON | BTNS_AUTOSIZE,
         {},
         0,
         reinterpret_cast<INT_PTR>(L"Import")},
        {I_IMAGENONE,
         202,
         TBSTATE_ENABLED,
         BTNS_DROPDOWN | BTNS_AUTOSIZE,
         {},
         0,
         reinterpret_cast<INT_PTR>(L"Copy")},
    };
    SendMessageW(bar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
    RECT plain{};
    RECT drop{};
    SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&plain));
    SendMessageW(bar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&drop));
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(20);
    ASSERT_GT(plain.right - plain.left, 6);
    EXPECT_FALSE(CloseColour(ClientPixel(bar, plain.left + 1, plain.top + 1), kBlocks[kToolHot].top));

    // Hover: the button under the mouse shows the hot picture.
    const LPARAM overPlain = MAKELPARAM((plain.left + plain.right) / 2, (plain.top + plain.bottom) / 2);
    SendMessageW(bar, WM_MOUSEMOVE, 0, overPlain);
    UpdateWindow(bar);
    Pump(20);
    EXPECT_EQ(SendMessageW(bar, TB_GETHOTITEM, 0, 0), 0);
    EXPECT_TRUE(CloseColour(ClientPixel(bar, plain.left + 1, plain.top + 1), kBlocks[kToolHot].top))
        << std::hex << ClientPixel(bar, plain.left + 1, plain.top + 1);

    // A click on a button is a command; a press on a drop-down arrow asks for the drop-down.
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, overPlain);
    SendMessageW(bar, WM_LBUTTONUP, 0, overPlain);
    Pump(20);
    EXPECT_EQ(g_toolbarCommands, std::vector<int>{201});
    const LPARAM overArrow = MAKELPARAM(drop.right - 3, (drop.top + drop.bottom) / 2);
    SendMessageW(bar, WM_MOUSEMOVE, 0, overArrow);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, overArrow);
    SendMessageW(bar, WM_LBUTTONUP, 0, overArrow);
    Pump(20);
    EXPECT_NE(std::find(g_toolbarNotes.begin(), g_toolbarNotes.end(), static_cast<UINT>(TBN_DROPDOWN)),
              g_toolbarNotes.end());
    EXPECT_EQ(g_toolbarCommands, std::vector<int>{201});
    DestroyWindow(bar);
    DestroyWindow(notes);
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
