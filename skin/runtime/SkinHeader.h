// Header controls (kind 37), the column headings of list views: BACKGROUND,
// then every item with the ITEM picture and its text in TEXTEFFECT.
#pragma once

#include "SkinControl.h"

class SkinHeader : public SkinControl {
public:
    SkinHeader() : SkinControl(kKindHeader) {}

    void PaintWhole(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
