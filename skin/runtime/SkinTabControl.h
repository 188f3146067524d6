// Tab controls (kind 16): background (or the window below), the page frame
// under the tab strip and every tab from the state's picture, turned to the
// side the tabs stand on. Controls on a page ask it for their background
// (WM_SKIN_CHILDBKGND) and get the page's picture.
#pragma once

#include "SkinControl.h"
#include "TabRules.h"

class SkinTabControl : public SkinControl {
public:
    SkinTabControl() : SkinControl(kKindTabControl) {}

    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintTab(HDC dc, int index, TabSide side, bool enabled, int selected);
    // WM_SKIN_CHILDBKGND: the piece of this control under `child`.
    LRESULT PaintChildBackground(HDC childDc, HWND child);
};
