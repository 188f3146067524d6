// Hit codes of a skinned frame or dialog for a point in window coordinates.
// Plain functions; the codes are the platform's HT values.
#pragma once

#include "FrameGeometry.h"

enum HitCode : int {
    kHitError = -2,
    kHitNowhere = 0,
    kHitClient = 1,
    kHitCaption = 2,
    kHitMenu = 5,
    kHitLeft = 10,
    kHitRight = 11,
    kHitTop = 12,
    kHitTopLeft = 13,
    kHitTopRight = 14,
    kHitBottom = 15,
    kHitBottomLeft = 16,
    kHitBottomRight = 17,
};

// No frame element contains the point.
constexpr int kNoElementHit = -1000;

struct FrameHitInput {
    FrameParts parts;
    SkinRect menuBar{}; // empty for dialogs and frames without a menu bar
    bool resizable = false;
    bool maximized = false;
    int elementHit = kNoElementHit; // code of the first element containing the point
};

int FrameHitTest(const FrameHitInput& in, int x, int y);
int DialogHitTest(const FrameHitInput& in, int x, int y);
