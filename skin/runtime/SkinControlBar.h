// Control bars (kind 24): the bar's background from its picture.
#pragma once

#include "SkinControl.h"

class SkinControlBar : public SkinControl {
public:
    SkinControlBar() : SkinControl(kKindControlBar) {}

    void PaintWhole(HDC dc) override;
};
