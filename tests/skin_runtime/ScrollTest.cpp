// The scroll-bar engine under the version-6 common controls: the
// redirection of the system scroll functions (exact for windows without the
// engine, undone at shutdown), a list box growing its range through its own
// calls, limits, half arrows, the minimum thumb, auto-repeat counted with a
// fake clock, the thumb's snap-back and hot tracking.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "ControlWindows.h"
#include "EditObjects.h"
#include "ImageObject.h"
#include "ObjectFactory.h"
#include "ScrollEngine.h"
#include "ScrollInterception.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "SkinEntries.h"
#include "SkinScrollBar.h"
#include "TestSkins.h"
#include "TestWindows.h"
#include "WindowRegistry.h"

namespace {

using testwin::CloseColour;
using testwin::Pump;

// Blocks of the picture "sb": every part and state a colour of its own.
enum Block {
    kArrowNormal,
    kArrowPressed,
    kArrowHot,
    kArrowDisabled,
    kTrack,
    kThumbNormal,
    kThumbPressed,
    kThumbHot,
    kTrackPressed,
    kBlockCount
};
constexpr int kBar = 16; // arrows, thickness and minimum thumb
const COLORREF kColour[kBlockCount] = {RGB(200, 30, 30),   RGB(30, 200, 30),   RGB(30, 30, 200),
                                       RGB(120, 120, 120), RGB(230, 230, 170), RGB(90, 40, 140),
                                       RGB(250, 140, 0),   RGB(0, 160, 160),   RGB(160, 100, 60)};

ImageRef Piece(int block) {
    ImageRef ref;
    ref.SetName("sb");
    ref.source = SkinRect{block * kBar, 0, (block + 1) * kBar, kBar};
    ref.drawMode = kDrawStretched;
    return ref;
}

NineGridImage Grid(int block) {
    NineGridImage grid;
    grid.SetName("sb");
    grid.source = SkinRect{block * kBar, 0, (block + 1) * kBar, kBar};
    grid.stretchMode = 1;
    return grid;
}

std::wstring WriteScrollSkin() {
    testskin::Options options;
    options.withStatic = false;
    auto skin = testskin::Build(options);
    auto bars = CreateSkinObject(12);
    bars->SetName("ScrollBar");
    auto& sb = static_cast<ScrollBarObject&>(*bars);
    const int arrows[4] = {kArrowNormal, kArrowPressed, kArrowHot, kArrowDisabled};
    const int thumbs[4] = {kThumbNormal, kThumbPressed, kThumbHot, kThumbNormal};
    for (int state = 0; state < 4; ++state) {
        for (int vertical : {0, 4}) {
            auto& block = sb.states[state + vertical];
            block.arrow1 = Piece(arrows[state]);
            block.arrow2 = Piece(arrows[state]);
            block.track = Grid(state == 1 ? kTrackPressed : kTrack);
            block.thumb = Grid(thumbs[state]);
        }
    }
    skin->PutObject(std::move(bars));
    auto list = CreateSkinObject(9);
    list->SetName("ListBox");
    skin->PutObject(std::move(list));
    auto image = std::make_unique<ImageObject>();
    image->SetName("sb");
    image->SetEncoded(testskin::BlocksBmp({std::begin(kColour), std::end(kColour)}, kBar), 1);
    skin->PutImage(std::move(image));
    return testskin::WriteSkin(*skin, L"runtime-scroll.tvf");
}

// Timers that fire when the test says, and a cursor where the test puts it.
class FakeClock : public ScrollClock {
public:
    void Start(HWND hwnd, UINT_PTR id, UINT ms) override { timers_[{hwnd, id}] = Timer{ms, now_ + ms}; }
    void Stop(HWND hwnd, UINT_PTR id) override { timers_.erase({hwnd, id}); }
    POINT Cursor() override { return cursor_; }

    // Moves time on, delivering every timer that falls due on the way.
    void Advance(UINT ms) {
        const UINT end = now_ + ms;
        for (;;) {
            auto due = timers_.end();
            for (auto it = timers_.begin(); it != timers_.end(); ++it) {
                if (it->second.due <= end && (due == timers_.end() || it->second.due < due->second.due))
                    due = it;
            }
            if (due == timers_.end()) break;
            const auto [hwnd, id] = due->first;
            now_ = due->second.due;
            due->second.due += due->second.period;
            SendMessageW(hwnd, WM_TIMER, id, 0);
        }
        now_ = end;
    }
    bool Running(HWND hwnd, UINT_PTR id) const { return timers_.count({hwnd, id}) != 0; }
    void Put(POINT screen) { cursor_ = screen; }

private:
    struct Timer {
        UINT period;
        UINT due;
    };
    std::map<std::pair<HWND, UINT_PTR>, Timer> timers_;
    UINT now_ = 0;
    POINT cursor_{};
};

// Scroll messages a window received: (bar message, code, position).
struct ScrollCall {
    UINT message;
    int code;
    int pos;
    HWND from; // lParam: the scroll-bar control, or none
};
std::vector<ScrollCall> g_scrolls;
std::map<HWND, WNDPROC> g_counted;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL || message == WM_HSCROLL) {
        g_scrolls.push_back(ScrollCall{message, LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                       reinterpret_cast<HWND>(lParam)});
    }
    return CallWindowProcW(g_counted[hwnd], hwnd, message, wParam, lParam);
}

void CountScrolls(HWND hwnd) {
    g_counted[hwnd] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
}

int Count(int code) {
    int n = 0;
    for (const ScrollCall& call : g_scrolls) n += call.code == code;
    return n;
}

// The entry of `module`'s import table for user32's `name`.
void* ImportEntry(HMODULE module, const char* name) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* nt =
        reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
        if (_stricmp(reinterpret_cast<char*>(base + d->Name), "user32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* entries = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++entries) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), name) == 0) {
                return reinterpret_cast<void*>(entries->u1.Function);
            }
        }
    }
    return nullptr;
}

const char* const kScrollFunctions[] = {"EnableScrollBar", "GetScrollInfo", "GetScrollPos",
                                        "GetScrollRange",  "SetScrollInfo", "SetScrollPos",
                                        "SetScrollRange",  "ShowScrollBar"};

class Scroll : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr));
        ASSERT_TRUE(SkinLoadFile(WriteScrollSkin().c_str()));
        ASSERT_TRUE(SkinSetDialogDefault(L"Dialog"));
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        dialog_ = ctlwin::CreateHostDialog(420, 320);
        ASSERT_TRUE(dialog_);
        ScrollEngine::SetClockForTesting(&clock_);
        g_scrolls.clear();
    }
    void TearDown() override {
        ScrollEngine::SetClockForTesting(nullptr);
        if (dialog_) DestroyWindow(dialog_);
        SkinShutdown();
    }
    // A skinned list box with `items` lines; its scroll messages are counted.
    HWND ListBox(int items, RECT box = RECT{10, 10, 150, 170}) {
        HWND list =
            ctlwin::AddChild(dialog_, L"ListBox", WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, box, 200);
        CountScrolls(list);
        Pump(20); // the engine comes with WM_SKIN_INITSCROLL
        for (int i = 0; i < items; ++i) {
            const std::wstring text = L"line " + std::to_wstring(i);
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        Pump(20);
        return list;
    }
    // Screen point `along` pixels down the vertical bar, in its middle.
    static POINT OnBar(HWND hwnd, int along) {
        const RECT bar = ScrollEngine::BarRect(hwnd, SB_VERT);
        RECT window{};
        GetWindowRect(hwnd, &window);
        return POINT{window.left + (bar.left + bar.right) / 2, window.top + bar.top + along};
    }
    // Colour of the bar `along` pixels down, read from the window.
    static COLORREF BarPixel(HWND hwnd, int along) {
        const RECT bar = ScrollEngine::BarRect(hwnd, SB_VERT);
        return testwin::WindowPixel(hwnd, (bar.left + bar.right) / 2, bar.top + along);
    }
    void Press(HWND hwnd, POINT screen) {
        clock_.Put(screen);
        SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
    }
    void MoveTo(HWND hwnd, POINT screen) {
        clock_.Put(screen);
        POINT client = screen;
        ScreenToClient(hwnd, &client);
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }
    void Release(HWND hwnd) { SendMessageW(hwnd, WM_LBUTTONUP, 0, 0); }

    HWND dialog_ = nullptr;
    FakeClock clock_;
};

TEST_F(Scroll, RedirectedCallsOnPlainWindowsAnswerAsTheSystemAndShutdownPutsEntriesBack) {
    const HMODULE self = GetModuleHandleW(nullptr);
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    // Our own calls and the common controls' calls are redirected.
    EXPECT_EQ(RedirectedEntries(self), std::size(kScrollFunctions));
    EXPECT_GT(RedirectedEntries(GetModuleHandleW(L"comctl32.dll")), 0u);
    EXPECT_EQ(RedirectedEntries(user32), 0u);

    // Two identical windows without the engine: one through the redirected
    // entries, one straight to the system.
    auto make = [] {
        return CreateWindowExW(0, testwin::PlainClass(), L"", WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL,
                               0, 0, 200, 150, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    };
    HWND viaEntries = make();
    HWND direct = make();
    HWND controlA = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | SBS_HORZ, 0, 0, 100, 16, viaEntries,
                                    nullptr, nullptr, nullptr);
    HWND controlB = CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | SBS_HORZ, 0, 0, 100, 16, direct, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(viaEntries && direct && controlA && controlB);
    ASSERT_FALSE(ScrollEngine::Record(viaEntries));
    const SystemScrollFunctions& system = SystemScroll();
    struct Call {
        const char* what;
        LONG_PTR (*redirected)(HWND, HWND);
        LONG_PTR (*original)(HWND, HWND, const SystemScrollFunctions&);
    };
    static SCROLLINFO setInfo{sizeof(SCROLLINFO), SIF_ALL, 0, 50, 10, 20, 0};
    const Call calls[] = {
        {"SetScrollInfo", [](HWND w, HWND) -> LONG_PTR { return SetScrollInfo(w, SB_VERT, &setInfo, TRUE); },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.setScrollInfo(w, SB_VERT, &setInfo, TRUE);
         }},
        {"SetScrollPos", [](HWND w, HWND) -> LONG_PTR { return SetScrollPos(w, SB_VERT, 99, TRUE); },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.setScrollPos(w, SB_VERT, 99, TRUE);
         }},
        {"GetScrollPos", [](HWND w, HWND) -> LONG_PTR { return GetScrollPos(w, SB_VERT); },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR { return s.getScrollPos(w, SB_VERT); }},
        {"SetScrollRange", [](HWND w, HWND) -> LONG_PTR { return SetScrollRange(w, SB_HORZ, 5, 30, FALSE); },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.setScrollRange(w, SB_HORZ, 5, 30, FALSE);
         }},
        {"GetScrollRange",
         [](HWND w, HWND) -> LONG_PTR {
             int lo = -1, hi = -1;
             return GetScrollRange(w, SB_HORZ, &lo, &hi) * 10000 + lo * 100 + hi;
         },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             int lo = -1, hi = -1;
             return s.getScrollRange(w, SB_HORZ, &lo, &hi) * 10000 + lo * 100 + hi;
         }},
        {"EnableScrollBar",
         [](HWND w, HWND) -> LONG_PTR { return EnableScrollBar(w, SB_VERT, ESB_DISABLE_UP); },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.enableScrollBar(w, SB_VERT, ESB_DISABLE_UP);
         }},
        {"ShowScrollBar", [](HWND w, HWND) -> LONG_PTR { return ShowScrollBar(w, SB_HORZ, FALSE); },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.showScrollBar(w, SB_HORZ, FALSE);
         }},
        {"GetScrollInfo",
         [](HWND w, HWND) -> LONG_PTR {
             SCROLLINFO i{};
             i.cbSize = sizeof i;
             i.fMask = SIF_ALL;
             return GetScrollInfo(w, SB_VERT, &i) * 1000000 + i.nMax * 10000 + i.nPage * 100 + i.nPos;
         },
         [](HWND w, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             SCROLLINFO i{};
             i.cbSize = sizeof i;
             i.fMask = SIF_ALL;
             return s.getScrollInfo(w, SB_VERT, &i) * 1000000 + i.nMax * 10000 + i.nPage * 100 + i.nPos;
         }},
        {"SetScrollInfo SB_CTL",
         [](HWND, HWND c) -> LONG_PTR { return SetScrollInfo(c, SB_CTL, &setInfo, TRUE); },
         [](HWND, HWND c, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.setScrollInfo(c, SB_CTL, &setInfo, TRUE);
         }},
        {"GetScrollPos SB_CTL", [](HWND, HWND c) -> LONG_PTR { return GetScrollPos(c, SB_CTL); },
         [](HWND, HWND c, const SystemScrollFunctions& s) -> LONG_PTR { return s.getScrollPos(c, SB_CTL); }},
        {"GetScrollInfo of nothing",
         [](HWND, HWND) -> LONG_PTR { return GetScrollInfo(nullptr, SB_VERT, nullptr); },
         [](HWND, HWND, const SystemScrollFunctions& s) -> LONG_PTR {
             return s.getScrollInfo(nullptr, SB_VERT, nullptr);
         }},
    };
    for (const Call& call : calls) {
        EXPECT_EQ(call.redirected(viaEntries, controlA), call.original(direct, controlB, system))
            << call.what;
    }
    DestroyWindow(viaEntries);
    DestroyWindow(direct);

    SkinShutdown();
    for (const char* name : kScrollFunctions) {
        EXPECT_EQ(ImportEntry(self, name), reinterpret_cast<void*>(GetProcAddress(user32, name))) << name;
    }
    EXPECT_EQ(RedirectedEntries(self), 0u);
    EXPECT_EQ(RedirectedEntries(GetModuleHandleW(L"comctl32.dll")), 0u);
    // TearDown's shutdown is a no-op now; the dialog goes with the test.
}

TEST_F(Scroll, ListBoxGrowingItsRangeReachesTheEngine) {
    HWND list = ListBox(200);
    ScrollRecord* record = ScrollEngine::Record(list);
    ASSERT_TRUE(record) << "the list box's skinner installs the engine";
    const ScrollBarRecord& bar = record->bars[SB_VERT];
    RECT client{};
    GetClientRect(list, &client);
    const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(bar.info.min, 0);
    EXPECT_EQ(bar.info.max, 199);
    EXPECT_EQ(bar.info.page, client.bottom / itemHeight);
    EXPECT_TRUE(bar.visible);
    // The list box's own calls never reached the system's copy.
    SCROLLINFO system{};
    system.cbSize = sizeof system;
    system.fMask = SIF_RANGE;
    SystemScroll().getScrollInfo(list, SB_VERT, &system);
    EXPECT_NE(system.nMax, 199);

    // The bar is the skin's: sized from its pictures, thumb as computed.
    EXPECT_EQ(ScrollEngine::Thickness(bar), kBar);
    const ScrollBarLayout layout = ScrollEngine::BarLayout(list, SB_VERT);
    const int track = layout.trackEnd - layout.trackStart;
    EXPECT_EQ(layout.thumbLength, std::max(MulDiv(bar.info.page, track, 200), kBar));
    EXPECT_TRUE(CloseColour(BarPixel(list, 2), kColour[kArrowNormal]));
    EXPECT_TRUE(CloseColour(BarPixel(list, layout.thumbStart + 2), kColour[kThumbNormal]));
    EXPECT_TRUE(CloseColour(BarPixel(list, layout.thumbStart + layout.thumbLength + 2), kColour[kTrack]));

    // Scrolling by the list box's own means moves the engine's thumb.
    SendMessageW(list, LB_SETTOPINDEX, 100, 0);
    Pump(20);
    EXPECT_EQ(bar.info.pos, 100);
    EXPECT_GT(ScrollEngine::BarLayout(list, SB_VERT).thumbStart, layout.thumbStart);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 100);
}

TEST_F(Scroll, PositionAndPageLimitsHalfArrowsAndMinimumThumb) {
    // A window that leaves its scroll bars to whoever calls the functions
    // (a list box would set its own values again on every change of size).
    HWND list = CreateWindowExW(0, testwin::PlainClass(), L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10,
                                140, 160, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(ScrollEngine::Install(list));
    ASSERT_TRUE(ScrollEngine::SetArrowSize(list, SB_BOTH, kBar, kBar));
    ASSERT_TRUE(ScrollEngine::SetMinThumb(list, SB_BOTH, kBar));
    auto set = [list](int min, int max, int page, int pos, UINT extra = 0) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | extra;
        info.nMin = min;
        info.nMax = max;
        info.nPage = static_cast<UINT>(page);
        info.nPos = pos;
        return SetScrollInfo(list, SB_VERT, &info, TRUE);
    };
    struct Case {
        int min, max, page, pos;
        int heldPos, heldPage;
    };
    const Case cases[] = {
        {0, 99, 0, 500, 99, 0},   // no page: the last position is max
        {0, 99, 250, 40, 0, 100}, // a page beyond the range: range + 1, pos at min
        {0, 99, 10, 95, 90, 10},
        {-20, 20, 5, -50, -20, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(set(c.min, c.max, c.page, c.pos), c.heldPos) << c.max << " " << c.page;
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &info));
        EXPECT_EQ(info.nPos, c.heldPos);
        EXPECT_EQ(static_cast<int>(info.nPage), c.heldPage);
    }

    // A range of 10 000 with a page of 1: the thumb keeps its minimum.
    set(0, 9999, 1, 0);
    EXPECT_EQ(ScrollEngine::BarLayout(list, SB_VERT).thumbLength, kBar);

    // Nothing to scroll: the bar goes, unless SIF_DISABLENOSCROLL keeps it
    // disabled; enough to scroll enables it again.
    set(0, 0, 0, 0);
    Pump(10);
    EXPECT_FALSE(ScrollEngine::Record(list)->bars[SB_VERT].visible);
    set(0, 0, 0, 0, SIF_DISABLENOSCROLL);
    Pump(10);
    EXPECT_TRUE(ScrollEngine::Record(list)->bars[SB_VERT].visible);
    EXPECT_TRUE(CloseColour(BarPixel(list, 2), kColour[kArrowDisabled]));
    set(0, 99, 10, 0, SIF_DISABLENOSCROLL);
    EXPECT_EQ(ScrollEngine::Record(list)->bars[SB_VERT].flags & (kBarArrow1Disabled | kBarArrow2Disabled),
              0u);

    // A list box shorter than two arrows: two half arrows, no thumb.
    HWND shortList = ListBox(50, RECT{200, 10, 330, 36});
    ASSERT_TRUE(ScrollEngine::Record(shortList));
    const RECT bar = ScrollEngine::BarRect(shortList, SB_VERT);
    const ScrollBarLayout halves = ScrollEngine::BarLayout(shortList, SB_VERT);
    EXPECT_LT(bar.bottom - bar.top, 2 * kBar);
    EXPECT_EQ(halves.arrow1, (bar.bottom - bar.top) / 2);
    EXPECT_EQ(halves.arrow2, halves.arrow1);
    EXPECT_FALSE(halves.hasThumb);

    // ShowScrollBar(SB_BOTH, FALSE) clears both styles and both bars.
    ShowScrollBar(list, SB_BOTH, FALSE);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
    EXPECT_FALSE(ScrollEngine::Record(list)->bars[SB_VERT].visible);
}

TEST_F(Scroll, HeldArrowRepeatsAfter300MsThenEvery55Ms) {
    HWND list = ListBox(200);
    ASSERT_TRUE(ScrollEngine::Record(list));
    const ScrollBarLayout layout = ScrollEngine::BarLayout(list, SB_VERT);
    const POINT arrow = OnBar(list, layout.length - kBar / 2);
    Press(list, arrow);
    EXPECT_EQ(Count(SB_LINEDOWN), 1) << "one at once";
    EXPECT_TRUE(CloseColour(BarPixel(list, layout.length - kBar / 2), kColour[kArrowPressed]));
    clock_.Advance(299);
    EXPECT_EQ(Count(SB_LINEDOWN), 1);
    clock_.Advance(1);
    EXPECT_EQ(Count(SB_LINEDOWN), 2) << "the next at 300 ms";
    clock_.Advance(54);
    EXPECT_EQ(Count(SB_LINEDOWN), 2);
    clock_.Advance(1);
    EXPECT_EQ(Count(SB_LINEDOWN), 3);
    clock_.Advance(55 * 4);
    EXPECT_EQ(Count(SB_LINEDOWN), 7) << "then one per 55 ms";

    // Off the arrow the repeat pauses and the arrow shows normal; back on
    // it, it goes on.
    MoveTo(list, OnBar(list, layout.length / 2));
    clock_.Advance(55 * 3);
    EXPECT_EQ(Count(SB_LINEDOWN), 7);
    EXPECT_TRUE(CloseColour(BarPixel(list, layout.length - kBar / 2), kColour[kArrowNormal]));
    MoveTo(list, arrow);
    clock_.Advance(55);
    EXPECT_EQ(Count(SB_LINEDOWN), 8);

    Release(list);
    EXPECT_EQ(Count(SB_ENDSCROLL), 1);
    EXPECT_FALSE(clock_.Running(list, ScrollEngine::kRepeatTimer));
    clock_.Advance(500);
    EXPECT_EQ(Count(SB_LINEDOWN), 8);
    EXPECT_EQ(ScrollEngine::Record(list)->bars[SB_VERT].info.pos, 8);
}

TEST_F(Scroll, DraggedThumbFollowsAndSnapsBackFarFromTheBar) {
    HWND list = ListBox(200);
    ASSERT_TRUE(ScrollEngine::Record(list));
    const ScrollBarLayout start = ScrollEngine::BarLayout(list, SB_VERT);
    const POINT grab = OnBar(list, start.thumbStart + start.thumbLength / 2);
    Press(list, grab);
    EXPECT_TRUE(ScrollEngine::Record(list)->tracking);

    MoveTo(list, POINT{grab.x, grab.y + 30});
    const ScrollBarLayout moved = ScrollEngine::BarLayout(list, SB_VERT);
    EXPECT_EQ(moved.thumbStart, start.thumbStart + 30);
    ASSERT_FALSE(g_scrolls.empty());
    EXPECT_EQ(g_scrolls.back().code, SB_THUMBTRACK);
    const int tracked = g_scrolls.back().pos;
    EXPECT_GT(tracked, 0);
    EXPECT_EQ(ScrollEngine::Record(list)->bars[SB_VERT].info.trackPos, tracked);
    EXPECT_TRUE(CloseColour(BarPixel(list, moved.thumbStart + 2), kColour[kThumbPressed]));

    // Still following 20 pixels beside the bar; far beside it, back home.
    MoveTo(list, POINT{grab.x + 8 + 20, grab.y + 40});
    EXPECT_EQ(ScrollEngine::BarLayout(list, SB_VERT).thumbStart, start.thumbStart + 40);
    MoveTo(list, POINT{grab.x + 8 + 40, grab.y + 40});
    EXPECT_EQ(ScrollEngine::BarLayout(list, SB_VERT).thumbStart, start.thumbStart);
    EXPECT_EQ(g_scrolls.back().code, SB_THUMBTRACK);
    EXPECT_EQ(g_scrolls.back().pos, 0);

    Release(list);
    ASSERT_GE(g_scrolls.size(), 2u);
    EXPECT_EQ(g_scrolls[g_scrolls.size() - 2].code, SB_THUMBPOSITION);
    EXPECT_EQ(g_scrolls[g_scrolls.size() - 2].pos, 0);
    EXPECT_EQ(g_scrolls.back().code, SB_ENDSCROLL);
    EXPECT_FALSE(ScrollEngine::Record(list)->tracking);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 0);
}

TEST_F(Scroll, HotTrackingFollowsThePartAndClearsWhenTheMouseLeaves) {
    HWND list = ListBox(200);
    ASSERT_TRUE(ScrollEngine::Record(list));
    const POINT up = OnBar(list, kBar / 2);
    clock_.Put(up);
    SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(up.x, up.y));
    EXPECT_EQ(ScrollEngine::HotWindow(), list);
    EXPECT_EQ(ScrollEngine::HotPart(), kPartArrow1);
    EXPECT_TRUE(CloseColour(BarPixel(list, kBar / 2), kColour[kArrowHot]));

    const ScrollBarLayout layout = ScrollEngine::BarLayout(list, SB_VERT);
    clock_.Put(OnBar(list, layout.thumbStart + 2));
    clock_.Advance(20);
    EXPECT_EQ(ScrollEngine::HotPart(), kPartThumb);
    EXPECT_TRUE(CloseColour(BarPixel(list, kBar / 2), kColour[kArrowNormal]));
    EXPECT_TRUE(CloseColour(BarPixel(list, layout.thumbStart + 2), kColour[kThumbHot]));

    clock_.Put(POINT{up.x - 60, up.y});
    clock_.Advance(20);
    EXPECT_EQ(ScrollEngine::HotWindow(), nullptr);
    EXPECT_FALSE(clock_.Running(list, ScrollEngine::kHotTimer));
    EXPECT_TRUE(CloseColour(BarPixel(list, layout.thumbStart + 2), kColour[kThumbNormal]));
}

TEST_F(Scroll, ScrollBarControlDrawsItsPartsAndDrivesItsParent) {
    CountScrolls(dialog_);
    HWND control = ctlwin::AddChild(dialog_, L"ScrollBar", SBS_HORZ, 0, RECT{10, 200, 210, 216}, 300);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = 100;
    info.nPage = 10;
    info.nPos = 50;
    SetScrollInfo(control, SB_CTL, &info, TRUE);
    Pump(20);
    auto* skinner = dynamic_cast<SkinScrollBar*>(WindowRegistry::Instance().Lookup(control));
    ASSERT_TRUE(skinner);
    ASSERT_TRUE(skinner->Initialised());
    EXPECT_EQ(skinner->Values().pos, 50);
    EXPECT_EQ(GetScrollPos(control, SB_CTL), 50);

    // Arrows at both ends, the thumb (the picture's length) centred on 50.
    const ScrollCtlLayout layout = skinner->Layout();
    EXPECT_EQ(layout.trackStart, kBar);
    EXPECT_EQ(layout.thumbLength, kBar);
    EXPECT_EQ(layout.thumbStart, kBar + (200 - 2 * kBar) / 2 - kBar / 2);
    struct Pixel {
        int x;
        COLORREF colour;
    };
    const Pixel pixels[] = {{2, kColour[kArrowNormal]},
                            {layout.trackStart + 4, kColour[kTrack]},
                            {layout.thumbStart + 4, kColour[kThumbNormal]},
                            {197, kColour[kArrowNormal]}};
    for (const Pixel& p : pixels) {
        EXPECT_TRUE(CloseColour(ctlwin::ClientPixel(control, p.x, 8), p.colour)) << p.x;
    }

    // Pressing the second arrow: the parent hears SB_LINEDOWN from the
    // control, and again from timer 1000 while the mouse stays on it.
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(195, 8));
    EXPECT_EQ(skinner->PressedHit(), kCtlHitArrow2);
    EXPECT_TRUE(CloseColour(ctlwin::ClientPixel(control, 197, 8), kColour[kArrowPressed]));
    SendMessageW(control, WM_TIMER, SkinScrollBar::kRepeatTimer, 0);
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, 8));
    SendMessageW(control, WM_TIMER, SkinScrollBar::kRepeatTimer, 0);
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(100, 8));
    EXPECT_EQ(Count(SB_LINEDOWN), 2);
    EXPECT_EQ(Count(SB_ENDSCROLL), 1);
    ASSERT_FALSE(g_scrolls.empty());
    EXPECT_EQ(g_scrolls.front().from, control);
    EXPECT_EQ(g_scrolls.front().message, static_cast<UINT>(WM_HSCROLL));

    // The thumb: tracking follows the cursor along the track.
    g_scrolls.clear();
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(layout.thumbStart + 4, 8));
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(layout.trackEnd - 1, 8));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(layout.trackEnd, 8));
    ASSERT_EQ(g_scrolls.size(), 4u);
    EXPECT_EQ(g_scrolls[0].code, SB_THUMBTRACK);
    EXPECT_EQ(g_scrolls[0].pos, 50);
    EXPECT_EQ(g_scrolls[1].code, SB_THUMBTRACK);
    EXPECT_EQ(g_scrolls[1].pos, 99);
    EXPECT_EQ(g_scrolls[2].code, SB_THUMBPOSITION);
    EXPECT_EQ(g_scrolls[2].pos, 100);
    EXPECT_EQ(g_scrolls[3].code, SB_ENDSCROLL);

    // SIF_DISABLENOSCROLL disables only a control that cannot scroll.
    info.fMask = SIF_RANGE | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = 100;
    SetScrollInfo(control, SB_CTL, &info, TRUE);
    EXPECT_TRUE(IsWindowEnabled(control));
    info.nMax = 0;
    SetScrollInfo(control, SB_CTL, &info, TRUE);
    EXPECT_EQ(skinner->Values().max, 0);
    // A structure of another size changes nothing and answers the old pos.
    SCROLLINFO small = info;
    small.cbSize = sizeof info - 4;
    small.fMask = SIF_POS;
    small.nPos = 7;
    EXPECT_EQ(SendMessageW(control, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&small)), 0);
}

} // namespace
