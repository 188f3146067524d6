// Base of the skinners of controls that scroll their own content (edits,
// list boxes, IP address controls, list and tree views): the skin's border
// in place of the system's frame, the brushes the control is painted with,
// and the scroll-bar engine for its window scroll bars, sized from the
// skin's scroll-bar pictures. The control paints its content itself.
#pragma once

#include "ControlRules.h"
#include "SkinControl.h"

class SkinScrollHost : public SkinControl {
public:
    explicit SkinScrollHost(ControlKind kind) : SkinControl(kind) {}
    ~SkinScrollHost() override;

    bool Attach(HWND hwnd) override;
    void Detach() override;
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

    bool EngineInstalled() const { return engineInstalled_; }

private:
    void ReleaseBrushes();
    // WM_SKIN_INITSCROLL: the engine, once, where it runs and the skin has
    // scroll-bar pictures.
    void InstallEngine();
    // Arrow and thumb sizes from the skin's scroll-bar object.
    void SizeBars();

    bool engineInstalled_ = false;
    bool engineTried_ = false;
    HBRUSH backBrush_ = nullptr;
    HBRUSH readOnlyBrush_ = nullptr;
};
