#include "FrameGeometry.h"

#include <initializer_list>

FrameParts LayoutFrameParts(const SkinRect (&design)[kFramePartCount], int width, int height) {
    FrameParts out;
    for (int i = 0; i < kFramePartCount; ++i) out.part[i] = HoldRect(design[i]);
    SkinRect* p = out.part;

    // Design rectangles come from the skin file: every sum is held.
    p[kPartTopRight].left = HoldCoordinate(int64_t(width) - design[kPartTopRight].Width());
    p[kPartTopRight].right = width;
    p[kPartTop].right = p[kPartTopRight].left;

    const int bottomTop = HoldCoordinate(int64_t(height) - design[kPartBottomLeft].Height());
    for (int i : {kPartLeft, kPartClient, kPartRight}) p[i].bottom = bottomTop;
    for (int i : {kPartBottomLeft, kPartBottom, kPartBottomRight}) {
        p[i].top = bottomTop;
        p[i].bottom = height;
    }

    p[kPartRight].left = HoldCoordinate(int64_t(width) - design[kPartRight].Width());
    p[kPartRight].right = width;
    p[kPartClient].right = p[kPartRight].left;

    p[kPartBottomRight].left = HoldCoordinate(int64_t(width) - design[kPartBottomRight].Width());
    p[kPartBottomRight].right = width;
    p[kPartBottom].right = p[kPartBottomRight].left;
    return out;
}

bool IsResizableStyle(uint32_t style) {
    return (style & kStyleThickFrame) && !((style & kStyleDlgFrame) && (style & kStyleModalFrameBit));
}

bool HasDialogFrame(uint32_t style) {
    return (style & kStyleDlgFrame) || (style & kStyleModalFrameBit);
}

FrameSize WindowSizeForClient(const SkinRect (&design)[kFramePartCount], int clientWidth, int clientHeight,
                              int menuBarHeight) {
    return {HoldCoordinate(int64_t(clientWidth) + design[kPartLeft].Width() + design[kPartRight].Width()),
            HoldCoordinate(int64_t(clientHeight) + design[kPartTopLeft].Height() + menuBarHeight +
                           design[kPartBottomLeft].Height())};
}

SkinRect ClientRectInWindow(const SkinRect (&design)[kFramePartCount], const SkinRect& window,
                            int menuBarHeight) {
    SkinRect client{HoldCoordinate(int64_t(window.left) + design[kPartLeft].Width()),
                    HoldCoordinate(int64_t(window.top) + design[kPartTopLeft].Height() + menuBarHeight),
                    HoldCoordinate(int64_t(window.right) - design[kPartRight].Width()),
                    HoldCoordinate(int64_t(window.bottom) - design[kPartBottomLeft].Height())};
    // A window smaller than its frame gets an empty client area, not an
    // inverted one.
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
    return client;
}

FrameSize MinimumFrameSize(const SkinRect (&design)[kFramePartCount]) {
    return {HoldCoordinate(int64_t(design[kPartTopLeft].Width()) + design[kPartTopRight].Width() + 10),
            HoldCoordinate(int64_t(design[kPartTopLeft].Height()) + 5)};
}

bool IsCaptionDoubleClick(uint64_t lastUpMs, uint64_t nowMs) {
    return lastUpMs != 0 && nowMs >= lastUpMs && nowMs - lastUpMs <= kCaptionDoubleClickMs;
}

int ScaleForDpi(int value, int dpi) {
    if (dpi <= 0 || dpi == 96) return value;
    const long long scaled = static_cast<long long>(value) * dpi;
    return HoldCoordinate(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
}

void ScaleDesign(const SkinRect (&design)[kFramePartCount], int dpi, SkinRect (&out)[kFramePartCount]) {
    for (int i = 0; i < kFramePartCount; ++i) {
        out[i] = SkinRect{ScaleForDpi(design[i].left, dpi), ScaleForDpi(design[i].top, dpi),
                          ScaleForDpi(design[i].right, dpi), ScaleForDpi(design[i].bottom, dpi)};
    }
}
