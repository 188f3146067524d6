// Check boxes (kind 5): glyph and text in the look of the check state;
// auto boxes toggle, auto 3-state boxes cycle through their three states.
#pragma once

#include "SkinButtonBase.h"

class SkinCheckBox : public SkinButtonBase {
public:
    SkinCheckBox() : SkinButtonBase(kKindCheckBox) {}
    void PaintWhole(HDC dc) override;

protected:
    void ClickAction() override;
};
