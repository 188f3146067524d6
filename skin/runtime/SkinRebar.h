// Rebars (kind 36): BACKGROUND, then every band with BANDIMAGE and its text
// inside the picture's margins; the bands' child windows paint themselves.
#pragma once

#include "SkinControl.h"

class SkinRebar : public SkinControl {
public:
    SkinRebar() : SkinControl(kKindRebar) {}

    void PaintWhole(HDC dc) override;
};
