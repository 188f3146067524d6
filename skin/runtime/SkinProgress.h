// Progress bars (kind 10): background, then the bar in one of three
// styles (stretched picture, revealed picture, whole chunks); vertical bars
// are drawn lying down and turned. The skinner keeps its own copy of range,
// position and step, computed in 64 bits, and answers the progress
// messages from it; the control is told every change too, so it is right
// again when the skin lets go of it.
#pragma once

#include <cstdint>

#include "SkinControl.h"

class ProgressBarObject;

class SkinProgress : public SkinControl {
public:
    SkinProgress() : SkinControl(kKindProgress) {}

    bool Attach(HWND hwnd) override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int32_t Position() const { return pos_; }

private:
    // The bar lying down, `length` long and `thickness` high, at 0,0.
    void PaintLying(HDC dc, int length, int thickness, const ProgressBarObject& bar);
    void PaintVertical(HDC dc, const RECT& client, const ProgressBarObject& bar);
    // Our copy starts from the control's own values.
    void ReadControl();
    void SetRange(int32_t low, int32_t high);
    // Sets the position and repaints when it changed; returns the old one.
    int32_t MoveTo(int32_t pos);
    // A range, position or step message applied to our copy; its answer.
    LRESULT Change(UINT message, WPARAM wParam, LPARAM lParam);

    int32_t low_ = 0;
    int32_t high_ = 100;
    int32_t pos_ = 0;
    int32_t step_ = 10;
};
