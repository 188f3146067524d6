// Skinner of a frame's MDI client window: its background comes from the
// frame's skin, and a maximized child gives way before a new one is created.
// It has no object of its own, so a new skin never drops it.
#pragma once

#include "SkinWnd.h"

class SkinMdiClient : public SkinWnd {
public:
    bool KeepWithoutObject() const override { return true; }
    HWND ActiveMdiChild(bool* maximized) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnEraseBackground(HDC dc);
};
