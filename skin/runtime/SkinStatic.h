// Static controls (kind 14): text, icon or bitmap on the skin's background
// or, for transparent objects, on what the window below shows.
#pragma once

#include "SkinControl.h"

class SkinStatic : public SkinControl {
public:
    SkinStatic() : SkinControl(kKindStatic) {}

    bool Attach(HWND hwnd) override;
    void Detach() override;
    SkinObject* SetObject(SkinObject* object) override;
    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // WS_EX_TRANSPARENT follows the object's TRANSPARENT flag; what we
    // added is taken away again at detach.
    void UpdateTransparentStyle();
    void PaintIcon(HDC dc, const RECT& client, DWORD style);
    void PaintBitmap(HDC dc, const RECT& client);
    void PaintText(HDC dc, const RECT& client, DWORD style);

    bool addedTransparent_ = false;
};
