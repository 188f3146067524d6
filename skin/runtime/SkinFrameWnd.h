// Skinner of an ordinary top-level frame window: the skin's frame, caption
// and region, with the system's own move, size and activation underneath.
#pragma once

#include "SkinFramedWnd.h"

class SkinFrameWnd : public SkinFramedWnd {
public:
    SkinObject* SetObject(SkinObject* object) override;
    bool Attach(HWND hwnd) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintCaptionText(HDC dc, bool active) override;

    virtual LRESULT OnNcButtonUp(WPARAM hit, LPARAM point);
    virtual LRESULT OnNcButtonDown(WPARAM hit, LPARAM point);
    virtual LRESULT OnNcDoubleClick(WPARAM hit, LPARAM point);
    virtual LRESULT OnNcMouseMove(WPARAM hit, LPARAM point);
    int HitTest(int x, int y) override;

protected:
    bool IsMdiChild() const { return isMdiChild_; }

private:
    bool Resizable() const;
    bool isMdiChild_ = false;
    unsigned long long lastUpTime_ = 0;
};
