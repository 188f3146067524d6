// Toolbars (kind 23): the main picture, then every button from the state
// pictures (normal, pressed or checked, hot, disabled) with its icon and
// text, drop-down buttons with their arrow; the hot button is drawn last.
// The skinner follows the mouse itself (TB_HITTEST) to repaint the buttons
// whose look changes.
#pragma once

#include "SkinControl.h"

class SkinToolbar : public SkinControl {
public:
    SkinToolbar() : SkinControl(kKindToolbar) {}

    void Paint() override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintButton(HDC dc, int index, bool hot, bool textMode);
    int ButtonAt(LPARAM lParam);

    int lastHit_ = -1;
};
