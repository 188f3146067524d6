// Something drawn on a skinned frame above the nine parts (caption buttons,
// images, caption and border areas). The owner lays elements out, draws them,
// offers them the mouse and its timers, and asks them during hit testing.
#pragma once

#include <windows.h>

#include "ElementRules.h"
#include "FrameHitTest.h"

class FrameElementObject;
class SkinObject;
class SkinWnd;
struct ResolvedImage;

class FrameElement {
public:
    explicit FrameElement(SkinWnd& owner) : owner_(owner) {}
    virtual ~FrameElement();
    FrameElement(const FrameElement&) = delete;
    FrameElement& operator=(const FrameElement&) = delete;

    virtual void Draw(HDC dc) = 0;
    // Takes the element's object (a FrameElementObject; others give an
    // element that never shows).
    virtual void SetObject(SkinObject* object);
    virtual void SetEnabled(bool enabled) { enabled_ = enabled; }
    // Mouse messages (the client messages) in window coordinates; true when
    // consumed.
    virtual bool OnMouse(UINT, int, int) { return false; }
    // A WM_TIMER of the owner window; true when the timer is this element's.
    virtual bool OnTimer(UINT_PTR) { return false; }
    // Inside the element's shape (its picture's opaque pixels when the skin
    // makes regions), else its rectangle.
    virtual bool Contains(int x, int y) const;
    // Hit code for a point the element contains, or kNoElementHit when the
    // element leaves the decision to what lies below it.
    virtual int HitCode() const { return kNoElementHit; }
    // Places the element for a window of `window`'s size (origin 0, 0).
    virtual void Layout(const RECT& window);
    virtual bool IsVisible() const;
    // Caption button kind (0..5), or -1 for other elements.
    virtual int ButtonKind() const { return -1; }
    // Frame areas shape the window region; null when this one does not.
    virtual HRGN AreaRegion(int* combineMode) const {
        *combineMode = 0;
        return nullptr;
    }
    bool Enabled() const { return enabled_; }
    // Window coordinates, as last laid out.
    const RECT& Rect() const { return rect_; }

protected:
    // Where the (display-scaled) design rectangle goes in a window of that
    // size; caption buttons and images follow their anchor code.
    virtual SkinRect Place(const SkinRect& design, FrameSize designSize, FrameSize window) const;
    // On a scaled display pictures drawn at their own size grow with the
    // design, so they are stretched.
    int DrawMode(int drawMode) const;
    // The element's shape from now on: `piece` as drawn into its rectangle
    // by `drawMode` (as stored; the display's scale is applied on layout).
    void SetShape(const ResolvedImage* piece, int drawMode);
    // Repaints the frame under the element now.
    void Redraw();
    ElementWindowState WindowState() const;

    SkinWnd& owner_;
    const FrameElementObject* object_ = nullptr;
    RECT rect_{};
    bool enabled_ = true;

private:
    void ReleaseShape();

    const ResolvedImage* shapePiece_ = nullptr;
    int shapeMode_ = 0;
    HRGN shape_ = nullptr;
};
