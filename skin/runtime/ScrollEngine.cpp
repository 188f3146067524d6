#include "ScrollEngine.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "ScrollBarPainter.h"
#include "ScrollInterception.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "WindowRegistry.h"

namespace {

constexpr wchar_t kRecordProperty[] = L"SkinScrollPtr";
// The record of an uninstalled engine whose procedure could not leave the chain.
constexpr wchar_t kIdleProperty[] = L"SkinScrollIdle";
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
constexpr DWORD kScrollStyles = WS_HSCROLL | WS_VSCROLL;
constexpr uint32_t kBothArrows = kBarArrow1Disabled | kBarArrow2Disabled;

// One mouse: what is pressed, dragged and hot is kept once for the process.
struct Interaction {
    HWND window = nullptr;
    int bar = 0;
    ScrollPart part = kPartNone;
    bool over = false;
    bool dragging = false;
    RECT dragBar{}; // window coordinates at drag start
    int dragThumbStart = 0;
    int thumbStart = 0;  // where the dragged thumb is drawn now
    int mouseOffset = 0; // cursor inside the thumb
    int lastSent = 0;
    UINT_PTR timer = 0;

    HWND hotWindow = nullptr;
    int hotBar = -1;
    ScrollPart hotPart = kPartNone;
    RECT hotRect{}; // screen coordinates
};

Interaction g_mouse;
ScrollClock g_systemClock;
ScrollClock* g_clock = &g_systemClock;

bool ValidBar(int bar) {
    return bar == SB_HORZ || bar == SB_VERT;
}

int Along(const POINT& p, int bar) {
    return bar == SB_VERT ? p.y : p.x;
}

int Across(const POINT& p, int bar) {
    return bar == SB_VERT ? p.x : p.y;
}

int BarLength(const RECT& rect, int bar) {
    return bar == SB_VERT ? rect.bottom - rect.top : rect.right - rect.left;
}

RECT WindowRectOf(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// A screen point in window coordinates.
POINT ToWindow(HWND hwnd, POINT screen) {
    const RECT window = WindowRectOf(hwnd);
    return POINT{screen.x - window.left, screen.y - window.top};
}

const ScrollBarObject* SkinScrollObject() {
    return dynamic_cast<const ScrollBarObject*>(
        WindowRegistry::Instance().CurrentSkin().FindObjectByType(12));
}

void FrameChanged(HWND hwnd) {
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

// Sets or clears style bits without the window hearing WM_STYLECHANGED
// (it would recompute its own scroll bars).
void SetScrollStyles(HWND hwnd, ScrollRecord& record, DWORD bits, bool set) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const DWORD wanted = set ? (style | bits) : (style & ~bits);
    if (wanted == style) return;
    const bool was = record.changingStyle;
    record.changingStyle = true;
    SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(wanted));
    record.changingStyle = was;
}

// Runs the previous procedure with the scroll styles hidden, so the system
// neither reserves room for its bars nor paints them.
LRESULT CallPrevWithoutBars(HWND hwnd, ScrollRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC prev = record.prevProc;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    const DWORD bars = style & kScrollStyles;
    if (bars) SetScrollStyles(hwnd, record, bars, false);
    const LRESULT result = CallWindowProcW(prev, hwnd, message, wParam, lParam);
    if (bars && ScrollEngine::Record(hwnd) == &record) SetScrollStyles(hwnd, record, bars, true);
    return result;
}

ScrollPaintState ArrowState(HWND hwnd, const ScrollBarRecord& bar, int index, ScrollPart part) {
    if (g_mouse.window == hwnd && g_mouse.bar == index && g_mouse.part == part && g_mouse.over) {
        return ScrollPaintState::Pressed;
    }
    const uint32_t bit = part == kPartArrow1 ? kBarArrow1Disabled : kBarArrow2Disabled;
    if ((bar.flags & bit) || (!ScrollBarScrollable(bar.info) && !(bar.flags & kBarAlwaysShown))) {
        return ScrollPaintState::Disabled;
    }
    if (bar.style == 2 && g_mouse.hotWindow == hwnd && g_mouse.hotBar == index && g_mouse.hotPart == part &&
        !g_mouse.window) {
        return ScrollPaintState::Hot;
    }
    return ScrollPaintState::Normal;
}

// Part rectangles of a bar drawn into a buffer at 0,0.
RECT PartRect(int bar, int start, int end, int thickness) {
    return bar == SB_VERT ? RECT{0, start, thickness, end} : RECT{start, 0, end, thickness};
}

void DrawBar(HWND hwnd, HDC windowDc, int index) {
    ScrollRecord* record = ScrollEngine::Record(hwnd);
    if (!record || !record->bars[index].visible) return;
    const ScrollBarRecord& bar = record->bars[index];
    const RECT rect = ScrollEngine::BarRect(hwnd, index);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    const int thickness = index == SB_VERT ? width : height;
    const ScrollBarLayout layout = ScrollEngine::BarLayout(hwnd, index);

    HDC buffer = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    const ScrollBarPainter painter(SkinScrollObject(), WindowRegistry::Instance().CurrentSkin(),
                                   index == SB_VERT);

    painter.Arrow(buffer, PartRect(index, 0, layout.arrow1, thickness), false,
                  ArrowState(hwnd, bar, index, kPartArrow1));
    painter.Arrow(buffer, PartRect(index, layout.length - layout.arrow2, layout.length, thickness), true,
                  ArrowState(hwnd, bar, index, kPartArrow2));
    const bool pressedHere = g_mouse.window == hwnd && g_mouse.bar == index;
    if (layout.hasThumb) {
        const int thumbEnd = layout.thumbStart + layout.thumbLength;
        painter.Page(buffer, PartRect(index, layout.trackStart, layout.thumbStart, thickness),
                     pressedHere && g_mouse.part == kPartPageBefore && g_mouse.over);
        painter.Page(buffer, PartRect(index, thumbEnd, layout.trackEnd, thickness),
                     pressedHere && g_mouse.part == kPartPageAfter && g_mouse.over);
        ScrollPaintState thumb = ScrollPaintState::Normal;
        if (pressedHere && g_mouse.part == kPartThumb) {
            thumb = ScrollPaintState::Pressed;
        } else if (bar.style == 2 && g_mouse.hotWindow == hwnd && g_mouse.hotBar == index &&
                   g_mouse.hotPart == kPartThumb && !g_mouse.window) {
            thumb = ScrollPaintState::Hot;
        }
        painter.Thumb(buffer, PartRect(index, layout.thumbStart, thumbEnd, thickness), thumb);
    } else {
        painter.Page(buffer, PartRect(index, layout.trackStart, layout.trackEnd, thickness), false);
    }
    BitBlt(windowDc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
}

// The square between two visible bars.
void DrawCorner(HWND hwnd, HDC windowDc, const ScrollRecord& record) {
    if (!record.bars[SB_HORZ].visible || !record.bars[SB_VERT].visible) return;
    const RECT h = ScrollEngine::BarRect(hwnd, SB_HORZ);
    const RECT v = ScrollEngine::BarRect(hwnd, SB_VERT);
    const RECT corner{v.left, h.top, v.right, h.bottom};
    // A size grip only where the window sits in its parent's corner.
    bool grip = false;
    if (const HWND parent = GetParent(hwnd)) {
        RECT client{};
        GetClientRect(parent, &client);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const RECT window = WindowRectOf(hwnd);
        grip = window.bottom == client.bottom &&
               (record.leftScrollBar ? window.left == client.left : window.right == client.right);
    }
    const ScrollBarPainter painter(SkinScrollObject(), WindowRegistry::Instance().CurrentSkin(), false);
    painter.Corner(windowDc, corner, grip, record.leftScrollBar);
}

void RedrawBar(HWND hwnd, int index) {
    if (HDC dc = GetWindowDC(hwnd)) {
        DrawBar(hwnd, dc, index);
        ReleaseDC(hwnd, dc);
    }
}

void RedrawFrame(HWND hwnd) {
    SendMessageW(hwnd, WM_NCPAINT, 1, 0);
}

void SendScroll(HWND hwnd, int bar, int code, int pos) {
    SendMessageW(hwnd, bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)), 0);
}

ScrollPart PartAt(HWND hwnd, int bar, POINT windowPoint) {
    const RECT rect = ScrollEngine::BarRect(hwnd, bar);
    const POINT local{windowPoint.x - rect.left, windowPoint.y - rect.top};
    const int thickness = bar == SB_VERT ? rect.right - rect.left : rect.bottom - rect.top;
    return ScrollPartAt(ScrollEngine::BarLayout(hwnd, bar), Along(local, bar), Across(local, bar), thickness);
}

void StopRepeat() {
    if (g_mouse.timer && g_mouse.window) g_clock->Stop(g_mouse.window, g_mouse.timer);
    g_mouse.timer = 0;
}

void StopHot(bool repaint) {
    const HWND hwnd = g_mouse.hotWindow;
    if (!hwnd) return;
    g_clock->Stop(hwnd, ScrollEngine::kHotTimer);
    const int bar = g_mouse.hotBar;
    g_mouse.hotWindow = nullptr;
    g_mouse.hotBar = -1;
    g_mouse.hotPart = kPartNone;
    if (repaint && IsWindow(hwnd) && ScrollEngine::Record(hwnd)) RedrawBar(hwnd, bar);
}

// Whether the cursor (window coordinates) is over the pressed part; redraws
// the part when that changed.
void FollowPressed(HWND hwnd, POINT windowPoint) {
    const bool over = PartAt(hwnd, g_mouse.bar, windowPoint) == g_mouse.part;
    if (over != g_mouse.over) {
        g_mouse.over = over;
        RedrawBar(hwnd, g_mouse.bar);
    }
}

void Drag(HWND hwnd, ScrollRecord& record, POINT windowPoint) {
    ScrollBarRecord& bar = record.bars[g_mouse.bar];
    const ScrollBarLayout layout = ScrollEngine::BarLayout(hwnd, g_mouse.bar);
    const SkinRect keep = ScrollSnapRect(
        SkinRect{g_mouse.dragBar.left, g_mouse.dragBar.top, g_mouse.dragBar.right, g_mouse.dragBar.bottom},
        g_mouse.bar == SB_VERT);
    const bool inside = windowPoint.x >= keep.left && windowPoint.x < keep.right &&
                        windowPoint.y >= keep.top && windowPoint.y < keep.bottom;
    const int barStart = g_mouse.bar == SB_VERT ? g_mouse.dragBar.top : g_mouse.dragBar.left;
    int thumbStart = g_mouse.dragThumbStart;
    if (inside) {
        thumbStart = Along(windowPoint, g_mouse.bar) - barStart - g_mouse.mouseOffset;
        thumbStart = std::clamp(thumbStart, layout.trackStart,
                                std::max(layout.trackStart, layout.trackEnd - layout.thumbLength));
    }
    const int pos = ScrollDragPosition(layout, thumbStart, bar.info);
    g_mouse.thumbStart = thumbStart;
    RedrawBar(hwnd, g_mouse.bar);
    if (pos != g_mouse.lastSent) {
        g_mouse.lastSent = pos;
        bar.info.trackPos = pos;
        SendScroll(hwnd, g_mouse.bar, SB_THUMBTRACK, pos);
    }
}

bool Press(HWND hwnd, ScrollRecord& record, int bar, POINT screen) {
    const POINT point = ToWindow(hwnd, screen);
    const ScrollPart part = PartAt(hwnd, bar, point);
    ScrollBarRecord& state = record.bars[bar];
    if (part == kPartNone || !ScrollBarActive(state.info, state.flags)) return false;
    if (part == kPartArrow1 && (state.flags & kBarArrow1Disabled)) return true;
    if (part == kPartArrow2 && (state.flags & kBarArrow2Disabled)) return true;
    StopHot(false);
    g_mouse.window = hwnd;
    g_mouse.bar = bar;
    g_mouse.part = part;
    g_mouse.over = true;
    if (part == kPartThumb) {
        const ScrollBarLayout layout = ScrollEngine::BarLayout(hwnd, bar);
        const RECT rect = ScrollEngine::BarRect(hwnd, bar);
        record.tracking = true;
        state.info.trackPos = state.info.pos;
        g_mouse.dragging = true;
        g_mouse.dragBar = rect;
        g_mouse.dragThumbStart = layout.thumbStart;
        g_mouse.thumbStart = layout.thumbStart;
        g_mouse.mouseOffset = Along(point, bar) - (bar == SB_VERT ? rect.top : rect.left) - layout.thumbStart;
        g_mouse.lastSent = state.info.pos;
        RedrawBar(hwnd, bar);
        SetCapture(hwnd);
        return true;
    }
    SendScroll(hwnd, bar, part, 0);
    if (g_mouse.window != hwnd || !ScrollEngine::Record(hwnd)) return true;
    RedrawBar(hwnd, bar);
    g_mouse.timer = ScrollEngine::kFirstRepeatTimer;
    g_clock->Start(hwnd, g_mouse.timer, ScrollEngine::kFirstRepeatMs);
    SetCapture(hwnd);
    return true;
}

// Ends a press: the scroll messages that close it, the bar drawn normal.
void Release(HWND hwnd, bool releaseCapture) {
    ScrollRecord* record = ScrollEngine::Record(hwnd);
    const int bar = g_mouse.bar;
    const ScrollPart part = g_mouse.part;
    const bool dragged = g_mouse.dragging;
    const int last = g_mouse.lastSent;
    StopRepeat();
    g_mouse.window = nullptr;
    g_mouse.part = kPartNone;
    g_mouse.over = false;
    g_mouse.dragging = false;
    if (releaseCapture && GetCapture() == hwnd) ReleaseCapture();
    if (!record) return;
    if (dragged) {
        record->tracking = false;
        SendScroll(hwnd, bar, SB_THUMBPOSITION, last);
    }
    if (part != kPartNone && ScrollEngine::Record(hwnd)) SendScroll(hwnd, bar, SB_ENDSCROLL, 0);
    if (ScrollEngine::Record(hwnd)) RedrawBar(hwnd, bar);
}

void RepeatTick(HWND hwnd, UINT_PTR id) {
    if (g_mouse.window != hwnd || g_mouse.dragging) return;
    if (id == ScrollEngine::kFirstRepeatTimer) {
        g_clock->Stop(hwnd, id);
        g_mouse.timer = ScrollEngine::kRepeatTimer;
        g_clock->Start(hwnd, g_mouse.timer, ScrollEngine::kRepeatMs);
    }
    FollowPressed(hwnd, ToWindow(hwnd, g_clock->Cursor()));
    if (g_mouse.over) SendScroll(hwnd, g_mouse.bar, g_mouse.part, 0);
}

void HotEnter(HWND hwnd, int bar) {
    if (g_mouse.hotWindow == hwnd && g_mouse.hotBar == bar) return;
    StopHot(true);
    g_mouse.hotWindow = hwnd;
    g_mouse.hotBar = bar;
    RECT rect = ScrollEngine::BarRect(hwnd, bar);
    const RECT window = WindowRectOf(hwnd);
    OffsetRect(&rect, window.left, window.top);
    g_mouse.hotRect = rect;
    g_mouse.hotPart = PartAt(hwnd, bar, ToWindow(hwnd, g_clock->Cursor()));
    g_clock->Start(hwnd, ScrollEngine::kHotTimer, ScrollEngine::kHotPollMs);
    RedrawBar(hwnd, bar);
}

void HotTick(HWND hwnd) {
    if (g_mouse.hotWindow != hwnd) {
        g_clock->Stop(hwnd, ScrollEngine::kHotTimer);
        return;
    }
    if (g_mouse.dragging) return;
    const POINT cursor = g_clock->Cursor();
    if (!PtInRect(&g_mouse.hotRect, cursor)) {
        StopHot(true);
        return;
    }
    const ScrollPart part = PartAt(hwnd, g_mouse.hotBar, ToWindow(hwnd, cursor));
    if (part != g_mouse.hotPart) {
        g_mouse.hotPart = part;
        RedrawBar(hwnd, g_mouse.hotBar);
    }
}

void RelayToTooltip(HWND hwnd, const ScrollRecord& record, UINT message, LPARAM lParam) {
    if (!record.tooltip) return;
    MSG msg{};
    msg.hwnd = hwnd;
    msg.message = message;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    msg.pt = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    SendMessageW(record.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

HWND CreateTooltip(HWND hwnd) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
    InitCommonControlsEx(&init);
    HWND tip = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0,
                               0, hwnd, nullptr, nullptr, nullptr);
    if (!tip) return nullptr;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tip;
}

void ApplyVisibility(HWND hwnd, ScrollRecord& record, int bar, bool wanted) {
    if (((record.bars[bar].flags & kBarShownOnRequest) != 0) != wanted)
        ScrollEngine::ShowBar(hwnd, bar, wanted);
}

} // namespace

void ScrollClock::Start(HWND hwnd, UINT_PTR id, UINT ms) {
    SetTimer(hwnd, id, ms, nullptr);
}

void ScrollClock::Stop(HWND hwnd, UINT_PTR id) {
    KillTimer(hwnd, id);
}

POINT ScrollClock::Cursor() {
    POINT point{};
    GetCursorPos(&point);
    return point;
}

void ScrollEngine::SetClockForTesting(ScrollClock* clock) {
    g_clock = clock ? clock : &g_systemClock;
}

bool ScrollEngine::RunsOn(SystemKind kind) {
    return kind == kSystemNt4 || kind == kSystem2000 || kind == kSystemXp || kind == kSystemNtModern;
}

int ScrollEngine::DefaultMinThumb(SystemKind kind) {
    return RunsOn(kind) ? kMinThumbNt : kMinThumb9x;
}

ScrollRecord* ScrollEngine::Record(HWND hwnd) {
    return hwnd ? static_cast<ScrollRecord*>(GetPropW(hwnd, kRecordProperty)) : nullptr;
}

bool ScrollEngine::Install(HWND hwnd) {
    if (!IsWindow(hwnd) || Record(hwnd)) return false;
    auto* record = new ScrollRecord{};
    const SystemScrollFunctions& system = SystemScroll();
    for (int bar : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        if (system.getScrollInfo && system.getScrollInfo(hwnd, bar, &info)) {
            record->bars[bar].info =
                ScrollValues{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
        }
        record->bars[bar].kind = bar;
    }
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    record->leftScrollBar = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    if (style & WS_HSCROLL) record->bars[SB_HORZ].flags |= kBarShownOnRequest;
    if (style & WS_VSCROLL) record->bars[SB_VERT].flags |= kBarShownOnRequest;
    SetPropW(hwnd, kRecordProperty, record);
    record->prevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ScrollEngine::EngineProc)));
    if (!record->prevProc) {
        RemovePropW(hwnd, kRecordProperty);
        delete record;
        return false;
    }
    record->tooltip = CreateTooltip(hwnd);
    FrameChanged(hwnd);
    return true;
}

void ScrollEngine::Uninstall(HWND hwnd) {
    Remove(hwnd, true);
}

void ScrollEngine::Remove(HWND hwnd, bool frameChanged) {
    ScrollRecord* record = Record(hwnd);
    if (!record) return;
    if (g_mouse.window == hwnd) {
        StopRepeat();
        g_mouse.window = nullptr;
        g_mouse.part = kPartNone;
        g_mouse.dragging = false;
        if (GetCapture() == hwnd) ReleaseCapture();
    }
    if (g_mouse.hotWindow == hwnd) StopHot(false);
    RemovePropW(hwnd, kRecordProperty);
    if (record->tooltip) DestroyWindow(record->tooltip);
    record->tooltip = nullptr;
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ScrollEngine::EngineProc)) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->prevProc));
        delete record;
    } else {
        // Someone subclassed the window after us: our procedure stays in
        // the chain and only passes messages on until the window goes.
        SetPropW(hwnd, kIdleProperty, record);
    }
    if (frameChanged) FrameChanged(hwnd);
}

int ScrollEngine::ArrowLength(const ScrollBarRecord& bar) {
    if (bar.arrowLength >= 0) return bar.arrowLength;
    return -bar.arrowLength * GetSystemMetrics(bar.kind == SB_VERT ? SM_CYVSCROLL : SM_CXHSCROLL);
}

int ScrollEngine::Thickness(const ScrollBarRecord& bar) {
    if (bar.thickness >= 0) return bar.thickness;
    return -bar.thickness * GetSystemMetrics(bar.kind == SB_VERT ? SM_CXVSCROLL : SM_CYHSCROLL);
}

RECT ScrollEngine::BarRect(HWND hwnd, int bar) {
    const ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar)) return RECT{};
    const RECT window = WindowRectOf(hwnd);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const RECT& in = record->insets;
    const ScrollBarRecord& h = record->bars[SB_HORZ];
    const ScrollBarRecord& v = record->bars[SB_VERT];
    if (bar == SB_HORZ) {
        RECT rect{in.left, 0, width - in.right, height - in.bottom};
        rect.top = rect.bottom - Thickness(h);
        if (v.visible) {
            if (record->leftScrollBar) {
                rect.left += Thickness(v);
            } else {
                rect.right -= Thickness(v);
            }
        }
        return rect;
    }
    RECT rect{0, in.top, 0, height - in.bottom - (h.visible ? Thickness(h) : 0)};
    if (record->leftScrollBar) {
        rect.left = in.left;
        rect.right = rect.left + Thickness(v);
    } else {
        rect.right = width - in.right;
        rect.left = rect.right - Thickness(v);
    }
    return rect;
}

ScrollBarLayout ScrollEngine::BarLayout(HWND hwnd, int bar) {
    const ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar)) return ScrollBarLayout{};
    const ScrollBarRecord& state = record->bars[bar];
    ScrollBarLayout layout = LayoutScrollBar(BarLength(BarRect(hwnd, bar), bar), ArrowLength(state),
                                             state.info, state.minThumb, state.flags);
    if (layout.hasThumb && g_mouse.dragging && g_mouse.window == hwnd && g_mouse.bar == bar) {
        layout.thumbStart = g_mouse.thumbStart;
    }
    return layout;
}

bool ScrollEngine::SetArrowSize(HWND hwnd, int bar, int length, int thickness) {
    ScrollRecord* record = Record(hwnd);
    auto valid = [](int size) { return size != 0 && size >= -8 && size <= 256; };
    if (!record || !valid(length) || !valid(thickness)) return false;
    if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) return false;
    for (int i : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && bar != i) continue;
        record->bars[i].arrowLength = length;
        record->bars[i].thickness = thickness;
    }
    FrameChanged(hwnd);
    return true;
}

bool ScrollEngine::SetStyle(HWND hwnd, int bar, int style) {
    ScrollRecord* record = Record(hwnd);
    if (!record || style < 0 || style > 2 || (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH))
        return false;
    for (int i : {SB_HORZ, SB_VERT}) {
        if (bar == SB_BOTH || bar == i) record->bars[i].style = style;
    }
    RedrawFrame(hwnd);
    return true;
}

bool ScrollEngine::SetMinThumb(HWND hwnd, int bar, int size) {
    ScrollRecord* record = Record(hwnd);
    if (!record || (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) || size < -1) return false;
    const int value = size == -1 ? DefaultMinThumb(SkinEngine::Instance().Kind()) : size;
    for (int i : {SB_HORZ, SB_VERT}) {
        if (bar == SB_BOTH || bar == i) record->bars[i].minThumb = value;
    }
    return true;
}

BOOL ScrollEngine::EnableBar(HWND hwnd, UINT bar, UINT arrows) {
    ScrollRecord* record = Record(hwnd);
    if (!record || (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH)) return FALSE;
    const uint32_t bits = arrows & kBothArrows;
    int changed = 0;
    int asked = 0;
    for (int i : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && static_cast<int>(bar) != i) continue;
        ++asked;
        ScrollBarRecord& state = record->bars[i];
        const uint32_t flags = (state.flags & ~kBothArrows) | bits;
        if (flags != state.flags) ++changed;
        state.flags = flags;
    }
    if (changed) RedrawFrame(hwnd);
    return changed == asked;
}

BOOL ScrollEngine::GetInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar) || !info) return FALSE;
    const ScrollBarRecord& state = record->bars[bar];
    bool filled = false;
    if (info->fMask & SIF_PAGE) {
        info->nPage = static_cast<UINT>(state.info.page);
        filled = true;
    }
    if (info->fMask & SIF_POS) {
        info->nPos = state.info.pos;
        filled = true;
    }
    if (info->fMask & SIF_TRACKPOS) {
        // Outside a drag the track position is the position.
        const bool dragged = g_mouse.dragging && g_mouse.window == hwnd && g_mouse.bar == bar;
        info->nTrackPos = dragged ? state.info.trackPos : state.info.pos;
        filled = true;
    }
    if (info->fMask & SIF_RANGE) {
        info->nMin = state.info.min;
        info->nMax = state.info.max;
        return TRUE;
    }
    return filled;
}

int ScrollEngine::GetPos(HWND hwnd, int bar) {
    const ScrollRecord* record = Record(hwnd);
    return record && ValidBar(bar) ? record->bars[bar].info.pos : 0;
}

BOOL ScrollEngine::GetRange(HWND hwnd, int bar, int* min, int* max) {
    const ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar) || !min || !max) return FALSE;
    *min = record->bars[bar].info.min;
    *max = record->bars[bar].info.max;
    return TRUE;
}

int ScrollEngine::SetInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar) || !info) return 0;
    ScrollBarRecord& state = record->bars[bar];
    if (info->fMask & SIF_RANGE) {
        state.info.min = info->nMin;
        state.info.max = info->nMax;
    }
    if (info->fMask & SIF_PAGE) state.info.page = static_cast<int>(std::min<UINT>(info->nPage, 0x7FFFFFFF));
    // A new range can make the old page and position impossible: both
    // are held inside it, as the system does.
    state.info.page = ClampScrollPage(state.info.page, state.info.min, state.info.max);
    if (info->fMask & SIF_POS) state.info.pos = info->nPos;
    state.info.pos = ClampScrollPos(state.info.pos, state.info);

    const bool disableNoScroll = (info->fMask & SIF_DISABLENOSCROLL) != 0;
    if (disableNoScroll) {
        // Kept on screen, and disabled only while it has nothing to scroll.
        state.flags &= ~kBothArrows;
        if (!ScrollBarScrollable(state.info)) state.flags |= kBothArrows;
    }
    const bool wanted = ScrollBarWanted(state.info, disableNoScroll, state.flags);
    const bool visibilityChanged = ((state.flags & kBarShownOnRequest) != 0) != wanted;
    if (visibilityChanged) {
        ApplyVisibility(hwnd, *record, bar, wanted);
    } else if (redraw && !record->tracking && state.visible) {
        // Only this bar changed: it is painted again, not the whole frame.
        RedrawBar(hwnd, bar);
    }
    ScrollRecord* still = Record(hwnd);
    return still ? still->bars[bar].info.pos : 0;
}

int ScrollEngine::SetPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar)) return 0;
    ScrollBarRecord& state = record->bars[bar];
    const int old = state.info.pos;
    state.info.pos = ClampScrollPos(pos, state.info);
    if (redraw && !record->tracking && state.visible) RedrawBar(hwnd, bar);
    return old;
}

BOOL ScrollEngine::SetRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    ScrollRecord* record = Record(hwnd);
    if (!record || !ValidBar(bar)) return FALSE;
    if (record->tracking) return record->bars[bar].info.pos;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    info.nMin = min;
    info.nMax = max;
    SetInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

BOOL ScrollEngine::ShowBar(HWND hwnd, int bar, BOOL show) {
    ScrollRecord* record = Record(hwnd);
    if (!record || (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH)) return FALSE;
    DWORD styles = 0;
    for (int i : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && bar != i) continue;
        if (show) {
            record->bars[i].flags |= kBarShownOnRequest;
        } else {
            record->bars[i].flags &= ~kBarShownOnRequest;
        }
        styles |= i == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    }
    SetScrollStyles(hwnd, *record, styles, show != FALSE);
    FrameChanged(hwnd);
    return TRUE;
}

HWND ScrollEngine::PressedWindow() {
    return g_mouse.window;
}

int ScrollEngine::PressedBar() {
    return g_mouse.bar;
}

ScrollPart ScrollEngine::PressedPart() {
    return g_mouse.window ? g_mouse.part : kPartNone;
}

bool ScrollEngine::PressedOver() {
    return g_mouse.window && g_mouse.over;
}

HWND ScrollEngine::HotWindow() {
    return g_mouse.hotWindow;
}

int ScrollEngine::HotBar() {
    return g_mouse.hotBar;
}

ScrollPart ScrollEngine::HotPart() {
    return g_mouse.hotPart;
}

LRESULT CALLBACK ScrollEngine::EngineProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ScrollRecord* record = Record(hwnd);
    if (!record) {
        auto* idle = static_cast<ScrollRecord*>(GetPropW(hwnd, kIdleProperty));
        if (!idle) return DefWindowProcW(hwnd, message, wParam, lParam);
        const WNDPROC idlePrev = idle->prevProc;
        if (message == WM_NCDESTROY) {
            RemovePropW(hwnd, kIdleProperty);
            delete idle;
        }
        return CallWindowProcW(idlePrev, hwnd, message, wParam, lParam);
    }
    const WNDPROC prev = record->prevProc;
    switch (message) {
    case WM_NCCALCSIZE: {
        RECT* proposed = reinterpret_cast<RECT*>(lParam);
        const RECT window = *proposed;
        const LRESULT result = CallPrevWithoutBars(hwnd, *record, message, wParam, lParam);
        record = Record(hwnd);
        if (!record) return result;
        RECT& client = *proposed;
        record->insets = RECT{client.left - window.left, client.top - window.top, window.right - client.right,
                              window.bottom - client.bottom};
        ScrollBarRecord& h = record->bars[SB_HORZ];
        ScrollBarRecord& v = record->bars[SB_VERT];
        h.visible = (h.flags & kBarShownOnRequest) && Thickness(h) < client.bottom - client.top;
        if (h.visible) client.bottom -= Thickness(h);
        v.visible = (v.flags & kBarShownOnRequest) && client.right - client.left >= Thickness(v);
        if (v.visible) {
            if (record->leftScrollBar) {
                client.left += Thickness(v);
            } else {
                client.right -= Thickness(v);
            }
        }
        return result;
    }
    case WM_NCHITTEST: {
        const POINT point = ToWindow(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        for (int bar : {SB_HORZ, SB_VERT}) {
            if (!record->bars[bar].visible) continue;
            const RECT rect = BarRect(hwnd, bar);
            if (PtInRect(&rect, point)) return bar == SB_VERT ? HTVSCROLL : HTHSCROLL;
        }
        return CallWindowProcW(prev, hwnd, message, wParam, lParam);
    }
    case WM_NCPAINT: {
        const LRESULT result = CallPrevWithoutBars(hwnd, *record, message, wParam, lParam);
        record = Record(hwnd);
        if (!record) return result;
        if (HDC dc = GetWindowDC(hwnd)) {
            DrawBar(hwnd, dc, SB_HORZ);
            DrawBar(hwnd, dc, SB_VERT);
            DrawCorner(hwnd, dc, *record);
            ReleaseDC(hwnd, dc);
        }
        return result;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTHSCROLL || wParam == HTVSCROLL) {
            const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (Press(hwnd, *record, wParam == HTVSCROLL ? SB_VERT : SB_HORZ, screen)) return 0;
        }
        break;
    case WM_NCMOUSEMOVE:
        RelayToTooltip(hwnd, *record, message, lParam);
        if ((wParam == HTHSCROLL || wParam == HTVSCROLL) && !g_mouse.window) {
            const int bar = wParam == HTVSCROLL ? SB_VERT : SB_HORZ;
            if (record->bars[bar].style == 2) HotEnter(hwnd, bar);
        }
        break;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
        RelayToTooltip(hwnd, *record, message, lParam);
        break;
    case WM_MOUSEMOVE:
        if (g_mouse.window == hwnd) {
            const POINT cursor = ToWindow(hwnd, g_clock->Cursor());
            if (g_mouse.dragging) {
                Drag(hwnd, *record, cursor);
            } else {
                FollowPressed(hwnd, cursor);
            }
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (g_mouse.window == hwnd) {
            Release(hwnd, true);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press ends here.
        if (g_mouse.window == hwnd && reinterpret_cast<HWND>(lParam) != hwnd) Release(hwnd, false);
        break;
    case WM_TIMER:
        if (wParam == kFirstRepeatTimer || wParam == kRepeatTimer) {
            RepeatTick(hwnd, wParam);
            return 0;
        }
        if (wParam == kHotTimer) {
            HotTick(hwnd);
            return 0;
        }
        break;
    case WM_STYLECHANGED:
        if (record->changingStyle) return 0;
        break;
    case WM_NCDESTROY:
        Remove(hwnd, false);
        return CallWindowProcW(prev, hwnd, message, wParam, lParam);
    default:
        break;
    }
    return CallWindowProcW(prev, hwnd, message, wParam, lParam);
}
