// Where the nine frame parts lie for a window size, and the sizes that follow
// from the design rectangles. Plain functions (no window system).
#pragma once

#include <cstdint>

#include "SkinRect.h"

// Parts row by row: 0 top-left, 1 caption strip, 2 top-right, 3 left border,
// 4 client, 5 right border, 6 bottom-left, 7 bottom, 8 bottom-right.
constexpr int kFramePartCount = 9;
enum FramePart : int {
    kPartTopLeft,
    kPartTop,
    kPartTopRight,
    kPartLeft,
    kPartClient,
    kPartRight,
    kPartBottomLeft,
    kPartBottom,
    kPartBottomRight,
};

struct FrameParts {
    SkinRect part[kFramePartCount];
};

// Corners keep their design size, the right column follows the right edge,
// the bottom row the bottom edge, the middle pieces stretch.
FrameParts LayoutFrameParts(const SkinRect (&design)[kFramePartCount], int width, int height);

// Window styles the frame rules look at.
constexpr uint32_t kStyleThickFrame = 0x00040000;
constexpr uint32_t kStyleDlgFrame = 0x00400000;
constexpr uint32_t kStyleBorder = 0x00800000;
constexpr uint32_t kStyleCaption = 0x00C00000;
constexpr uint32_t kStyleSysMenu = 0x00080000;
constexpr uint32_t kStyleMaximizeBox = 0x00010000;
constexpr uint32_t kStyleMinimizeBox = 0x00020000;
constexpr uint32_t kStyleModalFrameBit = 0x80; // DS_MODALFRAME on a dialog

bool IsResizableStyle(uint32_t style);
bool HasDialogFrame(uint32_t style);

struct FrameSize {
    int width;
    int height;
    bool operator==(const FrameSize&) const = default;
};

// The window size that keeps a client area of clientWidth x clientHeight
// inside the skinned frame.
FrameSize WindowSizeForClient(const SkinRect (&design)[kFramePartCount], int clientWidth, int clientHeight,
                              int menuBarHeight);

// The client rectangle inside a window rectangle (any origin).
SkinRect ClientRectInWindow(const SkinRect (&design)[kFramePartCount], const SkinRect& window,
                            int menuBarHeight);

// Smallest size a skinned frame may be tracked to.
FrameSize MinimumFrameSize(const SkinRect (&design)[kFramePartCount]);

// The design rectangles for a display of `dpi` dots per inch (96 is the
// design's own): every coordinate scaled and rounded.
void ScaleDesign(const SkinRect (&design)[kFramePartCount], int dpi, SkinRect (&out)[kFramePartCount]);
int ScaleForDpi(int value, int dpi);

// Two button-ups on a maximized caption count as a double click when the
// second comes at most this long after the first.
constexpr uint64_t kCaptionDoubleClickMs = 1000;
bool IsCaptionDoubleClick(uint64_t lastUpMs, uint64_t nowMs);
