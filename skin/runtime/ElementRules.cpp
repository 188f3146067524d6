#include "ElementRules.h"

#include <algorithm>

#include "FrameHitTest.h"

bool IsElementVisible(uint32_t code, const ElementWindowState& s) {
    switch (code) {
    case 0:
        return true;
    case 1:
        return s.minimized;
    case 2:
        return !s.minimized;
    case 3:
        return s.zoomed;
    case 4:
        return !s.zoomed;
    case 5:
        return s.captionActive;
    case 6:
        return !s.captionActive;
    case 7:
        return s.enabled;
    case 8:
        return !s.enabled;
    case 9:
        return !s.zoomed && !s.minimized;
    default:
        return false;
    }
}

FrameSize DesignExtent(const SkinRect (&design)[kFramePartCount]) {
    FrameSize size{0, 0};
    for (const SkinRect& r : design) {
        size.width = std::max<int>(size.width, r.right);
        size.height = std::max<int>(size.height, r.bottom);
    }
    return size;
}

SkinRect ScaleRectForDpi(const SkinRect& r, int dpi) {
    return SkinRect{ScaleForDpi(r.left, dpi), ScaleForDpi(r.top, dpi), ScaleForDpi(r.right, dpi),
                    ScaleForDpi(r.bottom, dpi)};
}

SkinRect PlaceByAnchor(const SkinRect& design, uint32_t anchor, FrameSize designSize, FrameSize window) {
    const int dx = window.width - designSize.width;
    const int dy = window.height - designSize.height;
    const bool right = anchor == 4 || anchor == 6 || anchor == 5;
    const bool down = anchor == 2 || anchor == 8 || anchor == 5;
    SkinRect r = design;
    if (right) {
        r.left += dx;
        r.right += dx;
    }
    if (down) {
        r.top += dy;
        r.bottom += dy;
    }
    return r;
}

namespace {

// One axis of edge anchoring: the near edge stays unless only the far edge
// is anchored; the far edge follows the window when anchored.
void PlaceAxis(int32_t& nearEdge, int32_t& farEdge, bool nearAnchored, bool farAnchored, int delta) {
    if (!farAnchored) return;
    if (!nearAnchored) nearEdge += delta;
    farEdge += delta;
}

} // namespace

SkinRect PlaceByEdges(const SkinRect& design, const uint32_t (&edges)[4], FrameSize designSize,
                      FrameSize window) {
    SkinRect r = design;
    PlaceAxis(r.left, r.right, edges[0] != 0, edges[2] != 0, window.width - designSize.width);
    PlaceAxis(r.top, r.bottom, edges[1] != 0, edges[3] != 0, window.height - designSize.height);
    return r;
}

int AreaHitCode(uint32_t areaKind) {
    switch (areaKind) {
    case 1:
    case 10:
        return kHitCaption;
    case 2:
        return kHitLeft;
    case 3:
        return kHitTopLeft;
    case 4:
        return kHitTop;
    case 5:
        return kHitTopRight;
    case 6:
        return kHitRight;
    case 7:
        return kHitBottomRight;
    case 8:
        return kHitBottom;
    case 9:
        return kHitBottomLeft;
    default:
        return kHitNowhere;
    }
}

bool SystemMenuItemEnabled(uint32_t command, bool zoomed, bool minimized, uint32_t style) {
    const bool restored = !zoomed && !minimized;
    switch (command) {
    case kScRestore:
        return !restored;
    case kScSize:
        return restored && (style & kStyleThickFrame);
    case kScMove:
        return restored;
    case kScMinimize:
        return !minimized && (style & kStyleMinimizeBox);
    case kScMaximize:
        return !zoomed && (style & kStyleMaximizeBox);
    default:
        return true;
    }
}
