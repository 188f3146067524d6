// Trackbars (kind 13): background (or the window below when TRANSPARENT),
// the channel picture over the control's channel and the thumb picture over
// its thumb. A vertical trackbar is drawn lying and turned a quarter
// clockwise, so one set of pictures serves both.
#pragma once

#include "SkinControl.h"

class SkinTrackbar : public SkinControl {
public:
    SkinTrackbar() : SkinControl(kKindTrackbar) {}

    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
