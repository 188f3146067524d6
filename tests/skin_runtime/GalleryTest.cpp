// One of each control in a dialog skinned with the default skin, as brevox
// would show them; every control the skin has an object for gets its
// skinner, and the picture is saved as bin/screenshots/controls.bmp.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <iterator>
#include <string>

#include "ControlWindows.h"
#include "ScreenCapture.h"
#include "SkinEntries.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

bool SaveBmp(HWND window, const std::wstring& path) {
    RECT r{};
    return GetWindowRect(window, &r) && testsupport::SaveScreenArea(r, path);
}

TEST(Gallery, EveryControlOfTheDefaultSkinIsSkinned) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&init);
    ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
    ASSERT_TRUE(SkinLoadFile(L"xpblue.tvf"));
    ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    HWND dialog = ctlwin::CreateHostDialog(640, 500);
    ASSERT_TRUE(dialog);
    SetWindowTextW(dialog, L"Skinned controls");

    struct Control {
        const wchar_t* className;
        DWORD style;
        DWORD exStyle;
        RECT box;
        const wchar_t* text;
        bool skinned; // the default skin has an object for it
    };
    const Control controls[] = {
        {WC_TABCONTROLW, 0, 0, {10, 10, 300, 200}, L"", true},
        {L"Button", BS_AUTOCHECKBOX, 0, {24, 50, 150, 70}, L"Check box on a page", true},
        {L"Button", BS_AUTORADIOBUTTON, 0, {24, 76, 150, 96}, L"Radio button", true},
        {TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS, 0, {24, 104, 200, 134}, L"", true},
        {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {24, 142, 140, 164}, L"1", true},
        {UPDOWN_CLASSW,
         UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ARROWKEYS,
         0,
         {0, 0, 0, 0},
         L"",
         true},
        {PROGRESS_CLASSW, 0, 0, {24, 172, 280, 190}, L"", true},
        {TRACKBAR_CLASSW, TBS_VERT | TBS_NOTICKS, 0, {250, 40, 290, 160}, L"", true},
        {L"Edit",
         ES_MULTILINE | WS_VSCROLL | ES_AUTOVSCROLL,
         WS_EX_CLIENTEDGE,
         {310, 10, 470, 110},
         L"",
         true},
        {L"ListBox", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, {480, 10, 630, 110}, L"", true},
        {WC_LISTVIEWW, LVS_REPORT, WS_EX_CLIENTEDGE, {310, 120, 470, 230}, L"", true},
        {WC_TREEVIEWW,
         TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
         WS_EX_CLIENTEDGE,
         {480, 120, 630, 230},
         L"",
         true},
        {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, {10, 210, 150, 330}, L"", true},
        {WC_IPADDRESSW, 0, 0, {160, 210, 300, 232}, L"", true},
        {L"Button", BS_PUSHBUTTON, 0, {10, 244, 100, 268}, L"Button", true},
        {L"Button", BS_GROUPBOX, 0, {110, 240, 300, 290}, L"Group box", true},
        {L"Static", SS_LEFT, 0, {120, 260, 290, 280}, L"Static text", true},
        {L"ScrollBar", SBS_HORZ, 0, {310, 240, 630, 257}, L"", true},
        {DATETIMEPICK_CLASSW, DTS_SHORTDATEFORMAT, 0, {310, 266, 470, 290}, L"", true},
        {WC_LINK, 0, 0, {480, 266, 630, 290}, L"A <a>link control</a>", false},
        {STATUSCLASSNAMEW, 0, 0, {0, 0, 0, 0}, L"Ready", true},
        {TOOLBARCLASSNAMEW,
         TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
         0,
         {10, 300, 300, 326},
         L"",
         true},
        {MONTHCAL_CLASSW, MCS_NOTODAYCIRCLE, WS_EX_CLIENTEDGE, {320, 300, 560, 470}, L"", true},
    };
    std::vector<std::pair<HWND, const Control*>> made;
    int id = 100;
    for (const Control& c : controls) {
        HWND hwnd = ctlwin::AddChild(dialog, c.className, c.style, c.exStyle, c.box, id++, c.text);
        ASSERT_TRUE(hwnd) << "class index " << (id - 100);
        made.emplace_back(hwnd, &c);
    }
    // Content: tabs, lines, items, a tree, columns and status parts.
    HWND tab = made[0].first;
    for (const wchar_t* name : {L"General", L"Scroll", L"More"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(name);
        SendMessageW(tab, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    for (int i = 0; i < 6; ++i) BringWindowToTop(made[i + 1].first);
    BringWindowToTop(made[7].first);
    std::wstring lines;
    for (int i = 1; i <= 40; ++i) lines += L"Line " + std::to_wstring(i) + L" of a skinned edit\r\n";
    SetWindowTextW(made[8].first, lines.c_str());
    for (int i = 1; i <= 40; ++i) {
        const std::wstring text = L"List item " + std::to_wstring(i);
        SendMessageW(made[9].first, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    HWND list = made[10].first;
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 70;
        col.pszText = const_cast<wchar_t*>(column ? L"Size" : L"Name");
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&col));
    }
    for (int i = 0; i < 12; ++i) {
        const std::wstring text = L"file" + std::to_wstring(i) + L".mp4";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    HWND tree = made[11].first;
    TVINSERTSTRUCTW root{};
    root.hInsertAfter = TVI_LAST;
    root.item.mask = TVIF_TEXT;
    root.item.pszText = const_cast<wchar_t*>(L"MEDIA");
    auto parent =
        reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&root)));
    for (const wchar_t* name : {L"PHOTOS", L"MOVIES", L"AUDIOS", L"20261209", L"20261210", L"20261211"}) {
        TVINSERTSTRUCTW child = root;
        child.hParent = parent;
        child.item.pszText = const_cast<wchar_t*>(name);
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&child));
    }
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    for (const wchar_t* item : {L"Administrator", L"User"}) {
        SendMessageW(made[12].first, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageW(made[12].first, CB_SETCURSEL, 0, 0);
    SendMessageW(made[13].first, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
    // The calendar at the size it asks for, so that its today line is not cut off.
    HWND calendar = made[22].first;
    RECT wanted{};
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&wanted));
    AdjustWindowRectEx(&wanted, 0, FALSE, WS_EX_CLIENTEDGE);
    SetWindowPos(calendar, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(made[6].first, PBM_SETPOS, 60, 0);
    SendMessageW(made[3].first, TBM_SETPOS, TRUE, 40);
    SendMessageW(made[7].first, TBM_SETPOS, TRUE, 70);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    info.nMax = 100;
    info.nPage = 20;
    info.nPos = 30;
    SetScrollInfo(made[17].first, SB_CTL, &info, TRUE);
    HWND status = made[20].first;
    const int parts[] = {200, 400, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"Recorder connected"));
    HWND toolbar = made[21].first;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageW(toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    TBBUTTON buttons[] = {
        {STD_FILEOPEN,
         1,
         TBSTATE_ENABLED,
         BTNS_BUTTON | BTNS_AUTOSIZE,
         {},
         0,
         reinterpret_cast<INT_PTR>(L"Import")},
        {STD_PROPERTIES,
         2,
         TBSTATE_ENABLED | TBSTATE_CHECKED,
         BTNS_CHECK | BTNS_AUTOSIZE,
         {},
         0,
         reinterpret_cast<INT_PTR>(L"Settings")},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {STD_PRINT,
         3,
         TBSTATE_ENABLED,
         BTNS_DROPDOWN | BTNS_AUTOSIZE,
         {},
         0,
         reinterpret_cast<INT_PTR>(L"Copy")},
        {STD_DELETE, 4, 0, BTNS_BUTTON | BTNS_AUTOSIZE, {}, 0, reinterpret_cast<INT_PTR>(L"Wipe")},
    };
    SendMessageW(toolbar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    testwin::Pump(100);

    WindowRegistry& registry = WindowRegistry::Instance();
    for (const auto& [hwnd, control] : made) {
        if (!control->skinned) continue;
        char name[64] = {};
        WideCharToMultiByte(CP_UTF8, 0, control->className, -1, name, sizeof name - 1, nullptr, nullptr);
        EXPECT_TRUE(registry.Lookup(hwnd)) << "no skinner for a " << name;
    }
    // The list view's column header is skinned through the list view.
    EXPECT_TRUE(registry.Lookup(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0))));

    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testwin::Pump(300);
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring folder(module);
    folder.resize(folder.find_last_of(L'\\'));
    CreateDirectoryW((folder + L"\\screenshots").c_str(), nullptr);
    EXPECT_TRUE(SaveBmp(dialog, folder + L"\\screenshots\\controls.bmp"));
    DestroyWindow(dialog);
    SkinShutdown();
}

} // namespace
