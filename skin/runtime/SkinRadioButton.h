// Radio buttons (kind 11): drawn like check boxes; an auto radio button
// checks itself and unchecks the other radio buttons of its group.
#pragma once

#include "SkinButtonBase.h"

class SkinRadioButton : public SkinButtonBase {
public:
    SkinRadioButton() : SkinButtonBase(kKindRadio) {}
    void PaintWhole(HDC dc) override;

protected:
    void ClickAction() override;
};
