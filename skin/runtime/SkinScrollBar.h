// Scroll-bar controls (class "ScrollBar", kind 12): drawn from the skin's
// scroll-bar object with a thumb of the picture's size, driven by our own
// mouse handling (the parent hears WM_HSCROLL/WM_VSCROLL as from the
// system's control) and answering the SBM_ messages from a copy of the
// control's scroll state that it keeps in step with the control.
#pragma once

#include "ScrollRules.h"
#include "SkinControl.h"

class ScrollBarObject;

class SkinScrollBar : public SkinControl {
public:
    // Repeat timer of a held arrow or page area.
    static constexpr UINT_PTR kRepeatTimer = 1000;
    static constexpr UINT kRepeatMs = 300;

    SkinScrollBar() : SkinControl(kKindScrollBar) {}

    bool Attach(HWND hwnd) override;
    void Detach() override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool Initialised() const { return initialised_; }
    const ScrollValues& Values() const { return values_; }
    ScrollCtlHit PressedHit() const { return pressed_; }
    ScrollCtlHit HotHit() const { return hot_; }
    ScrollCtlLayout Layout() const;

private:
    bool Vertical() const;
    bool SizeBox() const;
    const ScrollBarObject* Bars() const;
    int Along(LPARAM lParam) const;
    void ReadControl();
    void Scroll(int code, int pos);
    void OnButtonDown(LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnButtonUp(LPARAM lParam);
    LRESULT SetInfo(WPARAM redraw, const SCROLLINFO* info);

    bool initialised_ = false;
    ScrollValues values_;
    ScrollCtlHit pressed_ = kCtlHitNone;
    ScrollCtlHit hot_ = kCtlHitNone;
    bool repeating_ = false;
    int lastAlong_ = 0;
};
