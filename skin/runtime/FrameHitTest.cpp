#include "FrameHitTest.h"

namespace {

constexpr int kGrip = 5; // corners and strips that resize

bool In(const SkinRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
bool InTopLeftCorner(const SkinRect& r, int x, int y) {
    return In(r, x, y) && x < r.left + kGrip && y < r.top + kGrip;
}
bool InTopRightCorner(const SkinRect& r, int x, int y) {
    return In(r, x, y) && x >= r.right - kGrip && y < r.top + kGrip;
}
bool InBottomRightCorner(const SkinRect& r, int x, int y) {
    return In(r, x, y) && x >= r.right - kGrip && y >= r.bottom - kGrip;
}
bool InBottomLeftCorner(const SkinRect& r, int x, int y) {
    return In(r, x, y) && x < r.left + kGrip && y >= r.bottom - kGrip;
}

// The corner and strip sequence shared by frames and dialogs; `fallback` is
// the answer when no part contains the point.
int BorderHit(const FrameHitInput& in, int x, int y, int fallback) {
    const SkinRect* p = in.parts.part;
    const bool sizing = in.resizable;
    auto edge = [sizing](int code) { return sizing ? code : kHitNowhere; };
    auto topEdge = [sizing](int code) { return sizing ? code : kHitCaption; };
    if (InTopLeftCorner(p[kPartTopLeft], x, y)) return topEdge(kHitTopLeft);
    if (In(p[kPartTopLeft], x, y)) return kHitCaption;
    if (In(p[kPartTop], x, y) && y < p[kPartTop].top + kGrip) return topEdge(kHitTop);
    if (In(p[kPartTop], x, y)) return kHitCaption;
    if (InTopRightCorner(p[kPartTopRight], x, y)) return topEdge(kHitTopRight);
    if (In(p[kPartTopRight], x, y)) return kHitCaption;
    if (In(p[kPartRight], x, y)) return edge(kHitRight);
    if (In(p[kPartLeft], x, y)) return edge(kHitLeft);
    if (InBottomRightCorner(p[kPartBottomRight], x, y)) return edge(kHitBottomRight);
    if (In(p[kPartBottomRight], x, y)) return edge(kHitBottom);
    if (InBottomLeftCorner(p[kPartBottomLeft], x, y)) return edge(kHitBottomLeft);
    if (In(p[kPartBottomLeft], x, y) || In(p[kPartBottom], x, y)) return edge(kHitBottom);
    if (In(p[kPartClient], x, y)) return kHitClient;
    return fallback;
}

bool InTopRow(const FrameHitInput& in, int x, int y) {
    const SkinRect* p = in.parts.part;
    return In(p[kPartTopLeft], x, y) || In(p[kPartTop], x, y) || In(p[kPartTopRight], x, y);
}

} // namespace

int FrameHitTest(const FrameHitInput& in, int x, int y) {
    if (In(in.menuBar, x, y)) return kHitMenu;
    if (in.maximized) {
        if (in.elementHit == kHitCaption || InTopRow(in, x, y)) return kHitCaption;
        return In(in.parts.part[kPartClient], x, y) ? kHitClient : kHitNowhere;
    }
    if (in.elementHit != kNoElementHit) return in.elementHit;
    return BorderHit(in, x, y, kHitError);
}

int DialogHitTest(const FrameHitInput& in, int x, int y) {
    if (in.elementHit == kHitCaption) return kHitCaption;
    if (In(in.parts.part[kPartClient], x, y)) return kHitClient;
    if (!in.resizable || in.maximized) return InTopRow(in, x, y) ? kHitCaption : kHitNowhere;
    return BorderHit(in, x, y, kHitNowhere);
}
