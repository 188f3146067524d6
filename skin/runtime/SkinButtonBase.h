// What push buttons, check boxes and radio buttons share: they handle the
// mouse and the space bar themselves (press, capture, click notification)
// and repaint at once on every change; the control's own procedure keeps
// only the text, font and check state.
#pragma once

#include "SkinControl.h"

class SkinButtonBase : public SkinControl {
public:
    using SkinControl::SkinControl;

    bool Attach(HWND hwnd) override;
    void Detach() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Held down by the mouse (inside the button) or the space bar.
    bool Pressed() const { return pressed_; }

protected:
    // What a click does to the control before its parent hears of it.
    virtual void ClickAction() {}

    // BM_GETSTATE of the control's own procedure.
    UINT ButtonState();
    int CheckState() { return static_cast<int>(ButtonState() & 3); }
    bool Focused() const { return GetFocus() == hwnd_; }
    // Check boxes and radio buttons: the look of the current state.
    void PaintGlyphLook(HDC dc, bool checkBox);

    bool pressed_ = false;

private:
    // Click action, repaint, then BN_CLICKED posted to the parent once.
    void Click();
    void EndPress();
    bool InClient(LPARAM point) const;

    // The space bar pressed the button; only its release clicks.
    bool keyPressed_ = false;
    // The procedure to give back at detach when the system button
    // procedure stands in for a pseudo-handle.
    WNDPROC replacedProc_ = nullptr;
};
