// Decisions of the scroll-bar engine and the scroll-bar control skinner that
// need no window system: the layout of a bar along its length, which part a
// point hits, position and page limits, when a bar shows, where a dragged
// thumb puts the position and when a drag snaps back. Plain functions, so
// native tests can check them.
#pragma once

#include <cstdint>

#include "SkinRect.h"

// What the system calls a scroll bar's SCROLLINFO, without the mask.
struct ScrollValues {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    int trackPos = 0;
};

// Parts along a bar; for parts 0-3 the part code is also the scroll code
// sent (SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN).
enum ScrollPart : int {
    kPartNone = -1,
    kPartArrow1 = 0,
    kPartArrow2 = 1,
    kPartPageBefore = 2,
    kPartPageAfter = 3,
    kPartThumb = 5,
};

// Bits of a bar's flags.
constexpr uint32_t kBarArrow1Disabled = 1;
constexpr uint32_t kBarArrow2Disabled = 2;
constexpr uint32_t kBarAlwaysShown = 4;
constexpr uint32_t kBarShownOnRequest = 8;

// Minimum thumb length on NT-family systems (every system the engine runs
// on today) and on the old 9x family.
constexpr int kMinThumbNt = 6;
constexpr int kMinThumb9x = 8;

// Windows' MulDiv: a * b / c in 64 bits, rounded to the nearest integer
// (halves away from zero); -1 when c is 0 or the result does not fit.
int ScrollMulDiv(int a, int b, int c);

// The bar can move its content: max >= page, min < max and max != 0.
bool ScrollBarScrollable(const ScrollValues& values);
// Active for the mouse: not both arrows disabled, and always shown or
// scrollable.
bool ScrollBarActive(const ScrollValues& values, uint32_t flags);

// The largest page a range takes: max - min + 1 (0 for an inverted range).
int ClampScrollPage(int page, int min, int max);
// A position held inside min .. max - max(page, 1) + 1 (min when the range
// is shorter than a page).
int ClampScrollPos(int pos, const ScrollValues& values);

// Whether SetScrollInfo leaves the bar shown: asked to stay with
// SIF_DISABLENOSCROLL, always shown, or there is something to scroll.
bool ScrollBarWanted(const ScrollValues& values, bool disableNoScroll, uint32_t flags);

// A bar laid out along its length; offsets from the bar's start.
struct ScrollBarLayout {
    int length = 0;
    int arrow1 = 0; // length of the first arrow (half the bar when short)
    int arrow2 = 0; // length of the second arrow; it ends at `length`
    int trackStart = 0;
    int trackEnd = 0;
    bool hasThumb = false; // thumb and the two page areas exist
    int thumbStart = 0;
    int thumbLength = 0;
};

// Lays out a bar of `length` pixels with arrows `arrowLength` long for the
// values; `flags` are the bar's flags (both arrows disabled: no thumb).
ScrollBarLayout LayoutScrollBar(int length, int arrowLength, const ScrollValues& values, int minThumb,
                                uint32_t flags);

// The part at `along` pixels from the bar's start; `across` is the distance
// from the bar's side, `thickness` the bar's thickness.
ScrollPart ScrollPartAt(const ScrollBarLayout& layout, int along, int across, int thickness);

// The position a thumb dragged to `thumbStart` (offset from the bar's start)
// stands for.
int ScrollDragPosition(const ScrollBarLayout& layout, int thumbStart, const ScrollValues& values);

// Where a drag keeps following the mouse: the bar's rectangle at drag
// start widened by 48 pixels at both ends and 24 on both sides.
constexpr int kSnapAlong = 48;
constexpr int kSnapAcross = 24;
SkinRect ScrollSnapRect(const SkinRect& bar, bool vertical);

// Scroll-bar controls (class "ScrollBar"): a simpler geometry whose thumb
// has the picture's size whatever the page. Along the bar for horizontal
// bars; vertical bars swap the axes.
enum ScrollCtlHit : int {
    kCtlHitNone = 0,
    kCtlHitArrow1 = 1,
    kCtlHitArrow2 = 2,
    kCtlHitPageBefore = 3,
    kCtlHitPageAfter = 4,
    kCtlHitThumb = 5,
};

struct ScrollCtlLayout {
    int length = 0;
    int arrow = 0;
    int trackStart = 0;
    int trackEnd = 0;
    bool hasThumb = false;
    int thumbStart = 0;
    int thumbLength = 0;
};

ScrollCtlLayout LayoutScrollCtl(int length, int arrowLength, int thumbLength, const ScrollValues& values);
ScrollCtlHit ScrollCtlHitAt(const ScrollCtlLayout& layout, int along);
// The position under `along` while the thumb is dragged: the current
// position over the thumb, else min + (along - track start) x range / track
// length, held inside the range (64-bit; a track of no length gives min).
int ScrollCtlPositionAt(const ScrollCtlLayout& layout, int along, const ScrollValues& values);
