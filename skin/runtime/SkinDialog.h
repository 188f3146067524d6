// Skinner of a dialog box (class "#32770"): the skin's frame around the
// dialog's own client area, which the dialog manager keeps driving.
#pragma once

#include "SkinFramedWnd.h"

class SkinDialog : public SkinFramedWnd {
public:
    SkinObject* SetObject(SkinObject* object) override;
    bool Attach(HWND hwnd) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintCaptionText(HDC dc, bool active) override;

protected:
    int HitTest(int x, int y) override;

private:
    // Code run in WM_INITDIALOG (a message box's layout) sizes the window
    // for the system's frame; give it the client size that code meant.
    void RestoreIntendedClientSize(const RECT& before);
};
