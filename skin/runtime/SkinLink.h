// Link controls ("Link Window", kind 41): the control's own picture (its
// text and links) over the skin's background, from the static objects.
#pragma once

#include "SkinControl.h"

class SkinLink : public SkinControl {
public:
    SkinLink() : SkinControl(kKindLink) {}

    void PaintWhole(HDC dc) override;
};
