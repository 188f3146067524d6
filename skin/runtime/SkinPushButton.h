// Push buttons (kind 4): the state image of the push-button object under
// the icon, bitmap or text, shaped by the magenta pixels of the normal
// image.
#pragma once

#include "SkinButtonBase.h"

class PushButtonObject;

class SkinPushButton : public SkinButtonBase {
public:
    SkinPushButton() : SkinButtonBase(kKindPushButton) {}

    bool Attach(HWND hwnd) override;
    SkinObject* SetObject(SkinObject* object) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintWhole(HDC dc) override;
    HRGN BuildRegion() override;

private:
    const PushButtonObject* ButtonObject() const;
    void PaintImage(HDC dc, const RECT& client, UINT imageType);

    bool isDefault_ = false;
};
