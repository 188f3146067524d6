// Base of every child-control skinner: the per-control object of the owner's
// skin object, the skin font (and the control's own font given back), hover
// tracking, buffered painting on the owner's background, and the owner told
// when the control goes.
#pragma once

#include "ControlKinds.h"
#include "SkinWnd.h"

class ControlObject;

class SkinControl : public SkinWnd {
public:
    explicit SkinControl(ControlKind kind) : kind_(kind) {}
    ~SkinControl() override;

    ControlKind Kind() const { return kind_; }
    bool Attach(HWND hwnd) override;
    void Detach() override;
    SkinObject* SetObject(SkinObject* object) override;
    SkinObject* TooltipObject() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws the whole control into `dc` (client coordinates); nothing here.
    void PaintWhole(HDC) override {}

    virtual void OnMouseLeave();
    // WM_PAINT: the client through a buffer (PaintWhole) to the screen.
    virtual void Paint();

    bool Hovering() const { return hovering_; }
    HFONT SavedFont() const { return savedFont_; }

protected:
    // The object in the owner skinner's object list for this kind and the
    // control's id, or null.
    SkinObject* PerControlObject() const;
    // Sets the object's skin font (when it has one) or gives the control its
    // own font back; moves the control to the object's placement when set.
    // Returns true when a placement moved the control.
    bool ApplyFontAndPlacement(SkinObject* object, bool redraw);
    // Fills `dc` with what the owner shows under the control (its client
    // background), or the system face colour when the owner cannot.
    void PaintOwnerBackground(HDC dc, const RECT& rect);
    // Paints through a buffer on a GetDC device context at once.
    void RepaintNow();
    // The whole client through a client-sized buffer onto `dc`.
    void PaintThroughBuffer(HDC dc);
    bool TakesFonts() const;
    // Passes a message that changes what the control shows to the control,
    // then invalidates the whole client: the control would repaint only
    // the pieces it knows, the skin's picture is one piece.
    LRESULT CallPrevAndInvalidate(UINT message, WPARAM wParam, LPARAM lParam);

    ControlKind kind_;
    bool hovering_ = false;
    HFONT savedFont_ = nullptr;
    bool fontSaved_ = false;
    // The font the skin has set; WM_SETFONT from the application while it is
    // set only changes what detach gives back.
    HFONT skinFont_ = nullptr;
};
