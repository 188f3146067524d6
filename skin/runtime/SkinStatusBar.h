// Status bars (kind 15): BACKIMAGE over the bar, then every part with the
// item picture and its text inside the picture's side margins.
#pragma once

#include "SkinControl.h"

class SkinStatusBar : public SkinControl {
public:
    SkinStatusBar() : SkinControl(kKindStatusBar) {}

    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
