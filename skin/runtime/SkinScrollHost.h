// Base of the skinners of controls that scroll their own content (edits,
// list boxes and the like): the skin's border in place of the system's
// frame, and the brushes the control is painted with. The control paints
// its content itself; the skinned scroll bars build on this later.
#pragma once

#include "ControlRules.h"
#include "SkinControl.h"

class SkinScrollHost : public SkinControl {
public:
    explicit SkinScrollHost(ControlKind kind) : SkinControl(kind) {}
    ~SkinScrollHost() override;

    SkinObject* SetObject(SkinObject* object) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The answer to a control-colour message of this control sent to its
    // parent: WM_CTLCOLOREDIT gets the back colour, WM_CTLCOLORSTATIC (a
    // read-only or disabled edit) the read-only colour, both with the text
    // colour. Null for other messages or without an object. The brushes
    // belong to the skinner.
    HBRUSH ControlColour(UINT message, HDC dc);

protected:
    COLORREF BackColour() const;
    COLORREF TextColour() const;
    COLORREF ReadOnlyColour() const;
    // Width of the system frame the skin's BORDER replaces.
    BorderWidth Border() const;
    // WM_NCPAINT: the control paints inside the border, the skin the border.
    void PaintNonClient(HRGN update);

private:
    void ReleaseBrushes();

    HBRUSH backBrush_ = nullptr;
    HBRUSH readOnlyBrush_ = nullptr;
};
