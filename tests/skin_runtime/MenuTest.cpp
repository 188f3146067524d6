// Skinned popup menus driven by window messages: scrolling, accelerator
// text, the submenu delay, clicks, keys, the end of menu mode (quit,
// cancel, lost capture), the owner's caption subclass and the system menu.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "EngineClasses.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinEntries.h"
#include "SkinFrameWnd.h"
#include "SkinMenuBar.h"
#include "SkinMenus.h"
#include "SkinMessages.h"
#include "SkinPopupMenu.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"

namespace {

using testwin::Pump;

constexpr COLORREF kMenuText = RGB(10, 20, 30);
constexpr COLORREF kMenuBack = RGB(240, 240, 250);
constexpr COLORREF kHighlight = RGB(60, 120, 220);

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> g_seen;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case kWmSkinMenuEnded:
    case kWmSkinMenuKey:
        g_seen.push_back({message, wParam, lParam});
        if (message == WM_SYSCOMMAND) return 0; // recorded, never carried out
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* OwnerClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"MenuTestOwner";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"MenuTestOwner";
}

std::vector<WPARAM> Seen(UINT message) {
    std::vector<WPARAM> out;
    for (const auto& s : g_seen) {
        if (s.message == message) out.push_back(s.wParam);
    }
    return out;
}

SkinPopupMenu* PopupOf(HWND hwnd) {
    return dynamic_cast<SkinPopupMenu*>(static_cast<EngineWindowObject*>(GetPropW(hwnd, kThisProperty)));
}

// The visible top-level popup of this thread, if any.
SkinPopupMenu* OpenMenu() {
    SkinPopupMenu* found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(h, name, 64);
            SkinPopupMenu* popup = lstrcmpW(name, kPopupMenuClass) == 0 ? PopupOf(h) : nullptr;
            if (popup && popup->IsTopLevel() && IsWindowVisible(h)) {
                *reinterpret_cast<SkinPopupMenu**>(out) = popup;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Runs `step` inside the menu loop once the menu shows; `shown` tells
// whether it ever did.
std::function<void(SkinPopupMenu&)> g_step;
bool g_shown = false;
void CALLBACK DriveMenu(HWND, UINT, UINT_PTR id, DWORD) {
    SkinPopupMenu* popup = OpenMenu();
    if (!popup) return;
    KillTimer(nullptr, id);
    g_shown = true;
    if (g_step) g_step(*popup);
}

LPARAM ClientPoint(int x, int y) {
    return MAKELPARAM(x, y);
}

POINT ItemCentre(const SkinPopupMenu& popup, int index) {
    RECT client{};
    GetClientRect(popup.Hwnd(), &client);
    const int y = popup.Scroll().stripHeight + popup.ItemHeight() * (index - popup.FirstVisible()) +
                  popup.ItemHeight() / 2;
    return POINT{client.right / 2, y};
}

void Hover(SkinPopupMenu& popup, int index) {
    const POINT p = ItemCentre(popup, index);
    SendMessageW(popup.Hwnd(), WM_MOUSEMOVE, 0, ClientPoint(p.x, p.y));
}

void Click(SkinPopupMenu& popup, int index) {
    const POINT p = ItemCentre(popup, index);
    SendMessageW(popup.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(p.x, p.y));
}

void Key(SkinPopupMenu& popup, WPARAM key) {
    SendMessageW(popup.Hwnd(), WM_KEYDOWN, key, 0);
}

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        auto skin = testskin::Build({});
        auto menu = CreateSkinObject(17);
        menu->SetName("Menu");
        auto* look = static_cast<PopupMenuObject*>(menu.get());
        // Tall items: 40 of them pass any test display's height.
        look->itemActiveImage.marginTop = look->itemActiveImage.marginBottom = 8;
        look->itemActiveImage.marginLeft = look->itemActiveImage.marginRight = 2;
        look->itemActiveColor = kHighlight;
        look->clientColor = kMenuBack;
        for (TextEffect& effect : look->itemEffects) effect = TextEffect::WithTextColor(kMenuText);
        look->itemEffects[1] = TextEffect::WithTextColor(RGB(150, 150, 150));
        skin->PutObject(std::move(menu));
        ASSERT_TRUE(SkinLoadFile(testskin::WriteSkin(*skin, L"runtime-menus.tvf").c_str()));
        owner_ = CreateWindowExW(0, OwnerClass(), L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400,
                                 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(owner_);
        Pump(30);
        g_seen.clear();
        g_step = nullptr;
        g_shown = false;
    }
    void TearDown() override {
        for (HMENU m : menus_) DestroyMenu(m);
        DestroyWindow(owner_);
        SkinShutdown();
        Pump();
    }
    HMENU Popup(const std::vector<const wchar_t*>& texts) {
        HMENU menu = CreatePopupMenu();
        UINT id = 100;
        for (const wchar_t* text : texts) {
            if (!text) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(menu, MF_STRING, id, text);
            }
            ++id;
        }
        menus_.push_back(menu);
        return menu;
    }
    // Tracks `menu` at (x, y) with `step` run inside the loop; gives up on
    // a menu that never ends.
    void Track(HMENU menu, std::function<void(SkinPopupMenu&)> step, int x = 100, int y = 100,
               bool endAfter = true) {
        g_step = [step, endAfter](SkinPopupMenu& popup) {
            step(popup);
            // A step that leaves the menu open ends it here.
            if (SkinPopupMenu* still = OpenMenu(); still && endAfter) still->EndMenu();
        };
        SetTimer(nullptr, 0, 20, &DriveMenu);
        SkinTrackPopupMenu(menu, x, y, owner_, false);
        g_step = nullptr;
    }
    HWND owner_ = nullptr;
    std::vector<HMENU> menus_;
};

TEST_F(Menus, FortyItemsScrollOneItemPerClickOnTheLowerStrip) {
    std::vector<const wchar_t*> texts(40, L"Item");
    HMENU menu = Popup(texts);
    int visible = 0;
    std::vector<int> firsts;
    Track(menu, [&](SkinPopupMenu& popup) {
        ASSERT_TRUE(popup.Scroll().scrolling);
        visible = popup.Scroll().visibleCount;
        ASSERT_GT(visible, 0);
        ASSERT_LT(visible, 40);
        RECT client{};
        GetClientRect(popup.Hwnd(), &client);
        RECT window{};
        GetWindowRect(popup.Hwnd(), &window);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(popup.Hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
        EXPECT_LE(window.bottom, monitor.rcWork.bottom);
        EXPECT_GE(window.top, monitor.rcWork.top);
        const LPARAM lower = ClientPoint(client.right / 2, client.bottom - 2);
        for (int i = 0; i < 45; ++i) {
            firsts.push_back(popup.FirstVisible());
            SendMessageW(popup.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, lower);
        }
        firsts.push_back(popup.FirstVisible());
        EXPECT_FALSE(popup.Done());
        // The upper strip goes back one.
        SendMessageW(popup.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(client.right / 2, 1));
        EXPECT_EQ(popup.FirstVisible(), 40 - visible - 1);
        // The last item is reachable and chosen by a click once visible.
        SendMessageW(popup.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, lower);
        Click(popup, 39);
    });
    ASSERT_GT(visible, 0);
    for (size_t i = 0; i < firsts.size(); ++i) {
        EXPECT_EQ(firsts[i], std::min<int>(static_cast<int>(i), 40 - visible)) << i;
    }
    Pump();
    EXPECT_EQ(Seen(WM_COMMAND), std::vector<WPARAM>{139});
}

TEST_F(Menus, AcceleratorTextIsRightAlignedAndMeasuredWithFourSpaces) {
    HMENU tabbed = Popup({L"Open\tCtrl+O"});
    HMENU plain = Popup({L"OpenCtrl+O"});
    int widthTabbed = 0;
    int widthPlain = 0;
    Track(plain, [&](SkinPopupMenu& popup) {
        RECT r{};
        GetWindowRect(popup.Hwnd(), &r);
        widthPlain = r.right - r.left;
    });
    std::vector<int> textColumns;
    int textRight = 0;
    Track(tabbed, [&](SkinPopupMenu& popup) {
        RECT r{};
        GetWindowRect(popup.Hwnd(), &r);
        widthTabbed = r.right - r.left;
        UpdateWindow(popup.Hwnd());
        RECT client{};
        GetClientRect(popup.Hwnd(), &client);
        const int h = popup.ItemHeight();
        textRight = client.right - 2 - h; // the right square and the margin stay free
        HDC dc = GetDC(popup.Hwnd());
        for (int x = 0; x < client.right; ++x) {
            for (int y = 0; y < h; ++y) {
                if (testwin::CloseColour(GetPixel(dc, x, y), kMenuText, 40)) {
                    textColumns.push_back(x);
                    break;
                }
            }
        }
        ReleaseDC(popup.Hwnd(), dc);
    });
    ASSERT_FALSE(textColumns.empty());
    // "Ctrl+O" ends at the text rectangle's right edge, "Open" starts at
    // its left, and a wide gap lies between them.
    // (antialiased glyph edges fall outside the colour tolerance)
    EXPECT_LT(textColumns.back(), textRight);
    EXPECT_GE(textColumns.back(), textRight - 8);
    int widestGap = 0;
    for (size_t i = 1; i < textColumns.size(); ++i)
        widestGap = std::max(widestGap, textColumns[i] - textColumns[i - 1]);
    EXPECT_GT(widestGap, 15);
    // The tab itself measures something, plus the four spaces.
    EXPECT_GT(widthTabbed, widthPlain + 8);
}

TEST_F(Menus, SubmenuOpensAfterTheDelayAndAnotherItemCancelsIt) {
    HMENU menu = Popup({L"First", L"&More"});
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 300, L"Inner");
    ModifyMenuW(menu, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"&More");
    bool earlyChild = true;
    bool lateChild = false;
    bool cancelledChild = true;
    RECT childRect{};
    RECT itemRect{};
    Track(menu, [&](SkinPopupMenu& popup) {
        Hover(popup, 1);
        Pump(300);
        earlyChild = popup.Child() != nullptr;
        Pump(400);
        lateChild = popup.Child() && IsWindowVisible(popup.Child()->Hwnd());
        if (popup.Child()) GetWindowRect(popup.Child()->Hwnd(), &childRect);
        const POINT c = ItemCentre(popup, 1);
        RECT client{};
        GetClientRect(popup.Hwnd(), &client);
        itemRect = RECT{0, c.y - popup.ItemHeight() / 2, client.right, 0};
        MapWindowPoints(popup.Hwnd(), nullptr, reinterpret_cast<POINT*>(&itemRect), 1);
        Hover(popup, 0); // leaves the submenu's item: it closes
        EXPECT_EQ(popup.Child(), nullptr);
        Hover(popup, 1);
        Pump(200);
        Hover(popup, 0); // before the delay: nothing opens
        Pump(600);
        cancelledChild = popup.Child() != nullptr;
    });
    EXPECT_FALSE(earlyChild);
    EXPECT_TRUE(lateChild);
    EXPECT_FALSE(cancelledChild);
    // Beside the item: its top-left corner at the item's top-right.
    EXPECT_EQ(childRect.top, itemRect.top);
    // Hovering reported each item with the mouse-select flags.
    bool selectSeen = false;
    for (const auto& s : g_seen) {
        if (s.message == WM_MENUSELECT && s.wParam == MAKEWPARAM(100, 0x8080)) selectSeen = true;
    }
    EXPECT_TRUE(selectSeen);
}

TEST_F(Menus, ClicksOnDisabledSeparatorAndOutsideItems) {
    HMENU menu = Popup({L"Enabled", nullptr, L"Disabled"});
    EnableMenuItem(menu, 102, MF_BYCOMMAND | MF_GRAYED);
    std::vector<bool> open;
    Track(menu, [&](SkinPopupMenu& popup) {
        Click(popup, 2); // disabled
        open.push_back(IsWindowVisible(popup.Hwnd()) && !popup.Done());
        Click(popup, 1); // separator
        open.push_back(IsWindowVisible(popup.Hwnd()) && !popup.Done());
        SendMessageW(popup.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(-50, -50));
        open.push_back(!popup.Done());
    });
    EXPECT_EQ(open, (std::vector<bool>{true, true, false}));
    Pump();
    EXPECT_TRUE(Seen(WM_COMMAND).empty());
    // The end of menu mode is reported: WM_MENUSELECT 0xFFFF0000 and
    // WM_SKIN_MENUENDED.
    EXPECT_FALSE(Seen(kWmSkinMenuEnded).empty());
    bool closed = false;
    for (const auto& s : g_seen)
        closed |= s.message == WM_MENUSELECT && s.wParam == 0xFFFF0000 && s.lParam == 0;
    EXPECT_TRUE(closed);
    // WM_INITMENUPOPUP came first of all.
    ASSERT_FALSE(g_seen.empty());
    EXPECT_EQ(g_seen.front().message, static_cast<UINT>(WM_INITMENUPOPUP));
    EXPECT_EQ(g_seen.front().wParam, reinterpret_cast<WPARAM>(menu));
}

TEST_F(Menus, KeysMoveChooseAndReachTheOwner) {
    HMENU menu = Popup({L"&Alpha", nullptr, L"&Beta", L"Gamma", nullptr});
    struct Case {
        std::vector<WPARAM> keys;
        std::vector<WPARAM> commands;
        std::vector<WPARAM> ownerKeys;
    };
    const Case cases[] = {
        {{VK_UP, VK_RETURN}, {103}, {}},            // none -> the last that is no separator
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {102}, {}}, // separators skipped
        {{VK_DOWN, VK_UP, VK_UP, VK_RETURN}, {102}, {}},
        {{'B'}, {102}, {}},           // mnemonic
        {{VK_RIGHT}, {}, {VK_RIGHT}}, // no submenu: the owner moves on
        {{VK_LEFT}, {}, {VK_LEFT}},
        {{VK_ESCAPE}, {}, {}},
    };
    for (const Case& c : cases) {
        g_seen.clear();
        Track(menu, [&](SkinPopupMenu& popup) {
            for (WPARAM key : c.keys) Key(popup, key);
            Pump();
        });
        Pump();
        EXPECT_EQ(Seen(WM_COMMAND), c.commands) << c.keys.front();
        EXPECT_EQ(Seen(kWmSkinMenuKey), c.ownerKeys) << c.keys.front();
    }
}

TEST_F(Menus, KeyboardOpenedSubmenuIsFittedToTheWorkArea) {
    HMENU menu = Popup({L"&Sub"});
    HMENU sub = CreatePopupMenu();
    for (int i = 0; i < 5; ++i) AppendMenuW(sub, MF_STRING, 400 + i, L"A rather long inner item");
    ModifyMenuW(menu, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"&Sub");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT child{};
    RECT parent{};
    Track(
        menu,
        [&](SkinPopupMenu& popup) {
            GetWindowRect(popup.Hwnd(), &parent);
            Key(popup, VK_DOWN);
            Key(popup, VK_RIGHT);
            ASSERT_NE(popup.Child(), nullptr);
            GetWindowRect(popup.Child()->Hwnd(), &child);
            // Enter on a submenu item chooses inside it.
            Key(*popup.Child(), VK_DOWN);
            Key(*popup.Child(), VK_RETURN);
            Pump();
        },
        monitor.rcWork.right - 40, monitor.rcWork.bottom - 40);
    EXPECT_LE(child.right, monitor.rcWork.right);
    EXPECT_LE(child.bottom, monitor.rcWork.bottom);
    EXPECT_LE(child.right, parent.left + 8); // flipped to the left of its item
    Pump();
    EXPECT_EQ(Seen(WM_COMMAND), std::vector<WPARAM>{400});
}

TEST_F(Menus, QuitCancelAndLostCaptureEndTheMenu) {
    HMENU menu = Popup({L"One"});
    // WM_QUIT: the call returns and the quit stays for the application.
    Track(
        menu, [](SkinPopupMenu&) { PostQuitMessage(7); }, 100, 100, false);
    EXPECT_EQ(OpenMenu(), nullptr);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    bool done = false;
    Track(menu, [&](SkinPopupMenu& popup) {
        SendMessageW(popup.Hwnd(), WM_CANCELMODE, 0, 0);
        done = popup.Done();
    });
    EXPECT_TRUE(done);
    done = false;
    Track(menu, [&](SkinPopupMenu& popup) {
        EXPECT_EQ(GetCapture(), popup.Hwnd());
        SetCapture(owner_);
        done = popup.Done();
        ReleaseCapture();
    });
    EXPECT_TRUE(done);
    // Every way out gave the owner its own procedure back.
    EXPECT_EQ(GetWindowLongPtrW(owner_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnerProc));
}

TEST_F(Menus, OwnerCaptionStaysActiveAndItsProcedureComesBackWhenThePopupIsDestroyed) {
    HMENU menu = Popup({L"One"});
    auto popup = std::make_unique<SkinPopupMenu>(owner_, SkinPopupMenu::kDropDown);
    ASSERT_TRUE(popup->Create());
    popup->Fill(menu);
    const SIZE size = popup->Measure();
    popup->Place(SkinRect{100, 100, 100 + size.cx, 100 + size.cy});
    popup->Show();
    EXPECT_NE(GetWindowLongPtrW(owner_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnerProc));
    EXPECT_EQ(SendMessageW(owner_, WM_NCACTIVATE, FALSE, 0), 1);
    ASSERT_TRUE(IsWindowVisible(popup->Hwnd()));
    DestroyWindow(popup->Hwnd()); // while visible
    EXPECT_EQ(GetWindowLongPtrW(owner_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnerProc));
    EXPECT_EQ(GetPropW(owner_, L"SKIN_WNDPROC"), nullptr);
    popup.reset();
}

TEST_F(Menus, PaintsHighlightTextAndFrameFromTheSkin) {
    HMENU menu = Popup({L"One", L"Two"});
    COLORREF highlighted = 0;
    COLORREF plain = 0;
    Track(menu, [&](SkinPopupMenu& popup) {
        Hover(popup, 1);
        UpdateWindow(popup.Hwnd());
        HDC dc = GetDC(popup.Hwnd());
        const POINT second = ItemCentre(popup, 1);
        const POINT first = ItemCentre(popup, 0);
        highlighted = GetPixel(dc, 3, second.y);
        plain = GetPixel(dc, 3, first.y);
        ReleaseDC(popup.Hwnd(), dc);
    });
    EXPECT_TRUE(testwin::CloseColour(highlighted, kHighlight)) << std::hex << highlighted;
    EXPECT_TRUE(testwin::CloseColour(plain, kMenuBack)) << std::hex << plain;
}

TEST_F(Menus, SystemMenuItemsFollowTheWindowState) {
    HWND window = CreateWindowExW(0, OwnerClass(), L"Sys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 300, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const UINT items[] = {SC_RESTORE, SC_SIZE, SC_MOVE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    struct Case {
        int show;
        const char* states; // per item: 1 enabled, 0 disabled, - absent
    };
    const Case cases[] = {
        {SW_RESTORE, "011111"},
        {SW_MAXIMIZE, "100101"},
        {SW_MINIMIZE, "100011"},
    };
    for (const Case& c : cases) {
        ShowWindow(window, c.show);
        Pump(30);
        std::string got;
        g_step = [&](SkinPopupMenu& popup) {
            for (UINT item : items) {
                char state = '-';
                for (const SkinMenuItem& entry : popup.Items()) {
                    if (entry.commandId == item) state = MenuItemEnabled(entry.state) ? '1' : '0';
                }
                got += state;
            }
            EXPECT_EQ(popup.Mode(), SkinPopupMenu::kSystemMenu);
            popup.EndMenu();
        };
        SetTimer(nullptr, 0, 20, &DriveMenu);
        SkinShowSystemMenu(window);
        EXPECT_EQ(got, c.states) << c.show;
    }
    // A choice arrives as WM_SYSCOMMAND.
    ShowWindow(window, SW_RESTORE);
    g_seen.clear();
    g_step = [](SkinPopupMenu& popup) {
        Key(popup, VK_UP);
        Key(popup, VK_RETURN);
    };
    SetTimer(nullptr, 0, 20, &DriveMenu);
    SkinShowSystemMenu(window);
    Pump();
    EXPECT_EQ(Seen(WM_SYSCOMMAND), std::vector<WPARAM>{SC_CLOSE});
    DestroyWindow(window);
}

} // namespace

namespace {

class MenuBars : public Menus {
protected:
    // A frame with a menu of `count` entries: "&File" and "&Edit" open
    // submenus, the rest are commands 500, 501, ...
    HWND FrameWithMenu(int width, int count = 3) {
        menu_ = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuW(file, MF_STRING, 200, L"&Open\tCtrl+O");
        AppendMenuW(file, MF_STRING, 201, L"&Close");
        HMENU edit = CreatePopupMenu();
        AppendMenuW(edit, MF_STRING, 210, L"&Copy");
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
        for (int i = 2; i < count; ++i) AppendMenuW(menu_, MF_STRING, 500 + i - 2, L"&Help");
        frame_ = CreateWindowExW(0, OwnerClass(), L"Menu bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                                 width, 240, nullptr, menu_, GetModuleHandleW(nullptr), nullptr);
        EXPECT_TRUE(SkinAttachWindow(frame_, L"Alt"));
        SetForegroundWindow(frame_);
        RedrawWindow(frame_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        Pump(30);
        g_seen.clear();
        return frame_;
    }
    SkinMenuBar& Bar() {
        return static_cast<SkinFrameWnd*>(WindowRegistry::Instance().Lookup(frame_))->MenuBar();
    }
    LPARAM ScreenOfItem(int index) {
        const RECT r = Bar().ItemRect(index);
        RECT window{};
        GetWindowRect(frame_, &window);
        return MAKELPARAM(window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2);
    }
    void TearDown() override {
        if (IsWindow(frame_)) DestroyWindow(frame_);
        Menus::TearDown();
    }
    HMENU menu_ = nullptr;
    HWND frame_ = nullptr;
};

TEST_F(MenuBars, TakesTheMenuAndWrapsEntriesOnANarrowFrame) {
    HWND wide = FrameWithMenu(500, 6);
    EXPECT_EQ(GetMenu(wide), nullptr); // the bar draws it
    const RECT oneRow = Bar().Rect();
    EXPECT_EQ(Bar().ItemRect(5).top, Bar().ItemRect(0).top);
    const SIZE wideClient = testwin::ClientSize(wide);
    SetWindowPos(wide, nullptr, 0, 0, 150, 240, SWP_NOMOVE | SWP_NOZORDER);
    RedrawWindow(wide, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT rows = Bar().Rect();
    EXPECT_GT(Bar().ItemRect(5).top, Bar().ItemRect(0).top);
    EXPECT_GE(rows.bottom - rows.top, 2 * (oneRow.bottom - oneRow.top) - 8);
    // The client area gives the extra rows to the bar.
    EXPECT_LT(testwin::ClientSize(wide).cy, wideClient.cy);
    // A point in the bar hit-tests as the menu.
    RECT window{};
    GetWindowRect(wide, &window);
    EXPECT_EQ(SendMessageW(wide, WM_NCHITTEST, 0, ScreenOfItem(0)), HTMENU);
}

TEST_F(MenuBars, HotAndDroppedEntriesFollowTheMouse) {
    HWND frame = FrameWithMenu(500);
    SendMessageW(frame, WM_NCMOUSEMOVE, HTMENU, ScreenOfItem(1));
    EXPECT_EQ(Bar().Hot(), 1);
    EXPECT_EQ(Bar().Dropped(), -1);
    SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, ScreenOfItem(0));
    EXPECT_EQ(Bar().Dropped(), 0);
    ASSERT_NE(Bar().DropDown(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Bar().DropDown()->Hwnd()));
    // Moving over another entry with a submenu drops that one instead.
    SendMessageW(frame, kWmSkinMenuMoveOut, 0, ScreenOfItem(1));
    EXPECT_EQ(Bar().Dropped(), 1);
    // A click on the dropped entry closes it and leaves it hot.
    SendMessageW(frame, kWmSkinMenuClickOut, 0, ScreenOfItem(1));
    EXPECT_EQ(Bar().Dropped(), -1);
    EXPECT_EQ(Bar().Hot(), 1);
    // A command entry posts its command.
    SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, ScreenOfItem(2));
    Pump();
    EXPECT_EQ(Seen(WM_COMMAND), std::vector<WPARAM>{500});
    // Choosing in a drop-down posts the command and ends the drop-down.
    SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, ScreenOfItem(0));
    ASSERT_NE(Bar().DropDown(), nullptr);
    Key(*Bar().DropDown(), VK_DOWN);
    Key(*Bar().DropDown(), VK_RETURN);
    Pump();
    EXPECT_EQ(Seen(WM_COMMAND), (std::vector<WPARAM>{500, 200}));
    EXPECT_EQ(Bar().Dropped(), -1);
    EXPECT_EQ(Bar().DropDown(), nullptr);
}

TEST_F(MenuBars, F10AltAndArrowsNavigateTheBar) {
    HWND frame = FrameWithMenu(500);
    // F10 enters the bar (both transitions are taken), arrows move, down drops.
    EXPECT_EQ(SendMessageW(frame, kWmSkinMenuKey, VK_F10, 0), 1);
    EXPECT_EQ(SendMessageW(frame, kWmSkinMenuKey, VK_F10, static_cast<LPARAM>(0xC0000000u)), 1);
    EXPECT_EQ(Bar().Hot(), 0);
    EXPECT_EQ(GetFocus(), frame);
    SendMessageW(frame, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(Bar().Hot(), 1);
    SendMessageW(frame, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Bar().Dropped(), 1);
    // The drop-down sends right and left back: the bar moves on.
    SendMessageW(frame, kWmSkinMenuKey, VK_LEFT, 0);
    EXPECT_EQ(Bar().Dropped(), 0);
    SendMessageW(frame, kWmSkinMenuKey, VK_RIGHT, 0);
    EXPECT_EQ(Bar().Dropped(), 1);
    // Alt with a letter drops that entry; Escape in the drop-down ends it all.
    EXPECT_EQ(SendMessageW(frame, kWmSkinMenuKey, 'F', 1 << 29), 1);
    EXPECT_EQ(Bar().Dropped(), 0);
    Key(*Bar().DropDown(), VK_ESCAPE);
    Pump();
    EXPECT_EQ(Bar().Dropped(), -1);
    EXPECT_FALSE(Bar().InMenuMode());
    // Alt alone enters the bar; a second Alt leaves it.
    EXPECT_EQ(SendMessageW(frame, kWmSkinMenuKey, static_cast<WPARAM>(-1), 1 << 29), 1);
    EXPECT_TRUE(Bar().InMenuMode());
    EXPECT_EQ(SendMessageW(frame, kWmSkinMenuKey, static_cast<WPARAM>(-1), 1 << 29), 1);
    EXPECT_FALSE(Bar().InMenuMode());
}

TEST_F(MenuBars, RealAltLetterAndEnterChooseThroughTheHook) {
    HWND frame = FrameWithMenu(500);
    auto key = [](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof input);
        Pump(30);
    };
    SetForegroundWindow(frame);
    SetFocus(frame);
    Pump(50);
    key(VK_MENU, false);
    key('E', false);
    key('E', true);
    key(VK_MENU, true);
    EXPECT_EQ(Bar().Dropped(), 1);
    key(VK_DOWN, false);
    key(VK_DOWN, true);
    key(VK_RETURN, false);
    key(VK_RETURN, true);
    Pump(50);
    EXPECT_EQ(Seen(WM_COMMAND), std::vector<WPARAM>{210});
    EXPECT_FALSE(Bar().InMenuMode());
}

TEST_F(MenuBars, TheMenuGoesBackToTheWindow) {
    HWND frame = FrameWithMenu(500);
    HMENU menu = menu_;
    SkinShutdown(); // detach: the window shows its own menu again
    EXPECT_EQ(GetMenu(frame), menu);
    ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
    ASSERT_TRUE(SkinLoadFile(testskin::Write(L"runtime-menubar.tvf", {}).c_str()));
    ASSERT_TRUE(SkinAttachWindow(frame, L"Alt"));
    EXPECT_EQ(GetMenu(frame), nullptr);
    DestroyWindow(frame); // destroyed with its window, not left behind
    EXPECT_FALSE(IsMenu(menu));
}

} // namespace
