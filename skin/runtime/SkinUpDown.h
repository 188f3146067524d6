// Up-down controls (kind 27): both arrows from the state pictures (normal,
// hover, pressed, disabled). A horizontal control without horizontal
// pictures shows the vertical ones turned a quarter counter-clockwise.
#pragma once

#include "SkinControl.h"

class SkinUpDown : public SkinControl {
public:
    SkinUpDown() : SkinControl(kKindUpDown) {}

    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // 0 up (or right), 1 down (or left), -1 none.
    int HotArrow() const { return hot_; }
    int PressedArrow() const { return pressed_; }

private:
    bool Horizontal() const;
    int ArrowAt(LPARAM lParam) const;

    int hot_ = -1;
    int pressed_ = -1;
};
