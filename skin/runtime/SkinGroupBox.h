// Group boxes (kind 8): the frame image around the box and the caption
// over its top edge. The box is transparent and paints straight to the
// screen; the controls inside it are drawn again over it.
#pragma once

#include "SkinControl.h"
#include "SkinRect.h"

class GroupBoxObject;

class SkinGroupBox : public SkinControl {
public:
    SkinGroupBox() : SkinControl(kKindGroupBox) {}

    bool Attach(HWND hwnd) override;
    void Detach() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintWhole(HDC dc) override;
    void Paint() override;

private:
    const GroupBoxObject* BoxObject() const;
    // The caption box of the current text and font, in client coordinates.
    SkinRect CaptionRect(HDC dc) const;
    SkinRect CaptionRect() const;
    void PaintCaptionBackground(HDC dc, const GroupBoxObject& box, const RECT& caption);
    // Invalidates `rect` (client coordinates) in the parent and the box and
    // updates both.
    void RedrawThrough(const RECT& rect);
    void RepaintLaterSiblings();

    bool addedTransparent_ = false;
};
