// Month calendars (kind 35): the skin's six colours pushed to the control,
// which paints its days over the skin's picture; the title's previous and
// next buttons from the skin's pictures.
#pragma once

#include "SkinControl.h"

class SkinMonthCal : public SkinControl {
public:
    SkinMonthCal() : SkinControl(kKindMonthCalendar) {}

    bool Attach(HWND hwnd) override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    const RECT& PreviousButton() const { return buttons_[0]; }
    const RECT& NextButton() const { return buttons_[1]; }

private:
    void PushColours();
    // The title buttons, found by hit-testing the upper half.
    void FindButtons();

    RECT buttons_[2]{};
    int pressed_ = -1;
};
