// The scroll-bar engine: takes over the window scroll bars of a window (the
// ones the system draws in the non-client area of edits, list boxes, list
// and tree views). It subclasses the window, keeps its own copy of both
// bars' scroll state (the record under the window property
// "SkinScrollPtr"), lays the bars out in the non-client area, hit-tests,
// presses and auto-repeats, drags the thumb, hot-tracks, sends
// WM_HSCROLL/WM_VSCROLL to the window and paints every part from the
// skin's scroll-bar object (or the system look without one). The system's
// scroll functions reach the engine's versions below through
// ScrollInterception.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ScrollRules.h"
#include "SystemKind.h"

struct ScrollBarRecord {
    uint32_t flags = 0;   // kBarArrow1Disabled ... kBarShownOnRequest
    bool visible = false; // the last layout gave it room
    ScrollValues info;
    // Pixels; a negative n means n times the system's size.
    int arrowLength = -1;
    int thickness = -1;
    int kind = 0;  // 0 horizontal, 1 vertical
    int style = 0; // 0 normal, 1 flat, 2 hot-tracked
    int minThumb = kMinThumbNt;
};

struct ScrollRecord {
    WNDPROC prevProc = nullptr;
    ScrollBarRecord bars[2];
    RECT insets{}; // window to client distances the previous procedure gives
    bool leftScrollBar = false;
    bool tracking = false;
    bool changingStyle = false;
    HWND tooltip = nullptr;
};

// Timers and the cursor as the engine sees them; tests give it a clock of
// their own to count auto-repeat messages without waiting.
class ScrollClock {
public:
    virtual ~ScrollClock() = default;
    virtual void Start(HWND hwnd, UINT_PTR id, UINT ms);
    virtual void Stop(HWND hwnd, UINT_PTR id);
    virtual POINT Cursor();
};

class ScrollEngine {
public:
    // Timer ids on the engine's windows: the first repeat, the following
    // ones, and the hot-tracking poll.
    static constexpr UINT_PTR kFirstRepeatTimer = 65533;
    static constexpr UINT_PTR kRepeatTimer = 65534;
    static constexpr UINT_PTR kHotTimer = 0xFFFFFFF2;
    static constexpr UINT kFirstRepeatMs = 300;
    static constexpr UINT kRepeatMs = 55;
    static constexpr UINT kHotPollMs = 20;

    // The systems the engine runs on: the NT family, old and new.
    static bool RunsOn(SystemKind kind);
    static int DefaultMinThumb(SystemKind kind);

    // Takes over the window's scroll bars; false when already installed or
    // the window cannot be subclassed.
    static bool Install(HWND hwnd);
    // Gives the bars back to the system (also done at WM_NCDESTROY).
    static void Uninstall(HWND hwnd);
    static ScrollRecord* Record(HWND hwnd);

    // bar: SB_HORZ, SB_VERT or SB_BOTH. Sizes must be non-zero and within
    // -8..256; style 0, 1 or 2; a minimum thumb of -1 is the default.
    static bool SetArrowSize(HWND hwnd, int bar, int length, int thickness);
    static bool SetStyle(HWND hwnd, int bar, int style);
    static bool SetMinThumb(HWND hwnd, int bar, int size);

    // The engine's versions of the system scroll functions, for windows
    // that carry the engine (SB_HORZ, SB_VERT, SB_BOTH where the system
    // takes it).
    static BOOL EnableBar(HWND hwnd, UINT bar, UINT arrows);
    static BOOL GetInfo(HWND hwnd, int bar, SCROLLINFO* info);
    static int GetPos(HWND hwnd, int bar);
    static BOOL GetRange(HWND hwnd, int bar, int* min, int* max);
    static int SetInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
    static int SetPos(HWND hwnd, int bar, int pos, BOOL redraw);
    static BOOL SetRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
    static BOOL ShowBar(HWND hwnd, int bar, BOOL show);

    // A bar's rectangle in window coordinates (0,0 at the window's corner)
    // and its layout along its length, as painted now.
    static RECT BarRect(HWND hwnd, int bar);
    static ScrollBarLayout BarLayout(HWND hwnd, int bar);
    static int ArrowLength(const ScrollBarRecord& bar);
    static int Thickness(const ScrollBarRecord& bar);

    // Interaction state, for painting and tests.
    static HWND PressedWindow();
    static int PressedBar();
    static ScrollPart PressedPart();
    static bool PressedOver();
    static HWND HotWindow();
    static int HotBar();
    static ScrollPart HotPart();

    // Null restores the system's timers and cursor.
    static void SetClockForTesting(ScrollClock* clock);

private:
    static void Remove(HWND hwnd, bool frameChanged);
    static LRESULT CALLBACK EngineProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
