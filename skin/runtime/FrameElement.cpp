#include "FrameElement.h"

#include "FrameElementObjects.h"
#include "PieceRegion.h"
#include "SkinWnd.h"

FrameElement::~FrameElement() {
    ReleaseShape();
}

void FrameElement::SetObject(SkinObject* object) {
    object_ = dynamic_cast<const FrameElementObject*>(object);
}

bool FrameElement::Contains(int x, int y) const {
    if (shape_) return PtInRegion(shape_, x, y) != FALSE;
    const POINT p{x, y};
    return PtInRect(&rect_, p) != FALSE;
}

SkinRect FrameElement::Place(const SkinRect& design, FrameSize designSize, FrameSize window) const {
    return PlaceByAnchor(design, object_->anchor, designSize, window);
}

void FrameElement::Layout(const RECT& window) {
    if (!object_) {
        rect_ = RECT{};
        return;
    }
    const SkinRect design = ScaleRectForDpi(object_->autoPlaceRect, owner_.Dpi());
    const FrameSize size{static_cast<int>(window.right - window.left),
                         static_cast<int>(window.bottom - window.top)};
    const SkinRect placed = Place(design, DesignExtent(owner_.Design()), size);
    const RECT rect{placed.left, placed.top, placed.right, placed.bottom};
    if (EqualRect(&rect, &rect_) && (shape_ || !shapePiece_)) return;
    rect_ = rect;
    ReleaseShape();
    if (shapePiece_) shape_ = PieceRegion(*shapePiece_, rect_, DrawMode(shapeMode_));
}

bool FrameElement::IsVisible() const {
    return object_ && IsElementVisible(object_->visibility, WindowState());
}

int FrameElement::DrawMode(int drawMode) const {
    return owner_.Dpi() != 96 && drawMode == kDrawNatural ? kDrawStretched : drawMode;
}

void FrameElement::SetShape(const ResolvedImage* piece, int drawMode) {
    ReleaseShape();
    // Only pictures the skin cut a region for have a shape of their own.
    shapePiece_ = piece && piece->region ? piece : nullptr;
    shapeMode_ = drawMode;
    rect_ = RECT{};
}

void FrameElement::ReleaseShape() {
    if (shape_) DeleteObject(shape_);
    shape_ = nullptr;
}

void FrameElement::Redraw() {
    const HWND hwnd = owner_.Hwnd();
    if (!hwnd || owner_.Destroyed() || !IsWindowVisible(hwnd)) return;
    // The frame repaints the strip under the element through its buffer, so
    // the parts below show through the picture's transparent pixels.
    RECT window{};
    ::GetWindowRect(hwnd, &window);
    POINT client{0, 0};
    ClientToScreen(hwnd, &client);
    RECT r = rect_;
    OffsetRect(&r, window.left - client.x, window.top - client.y);
    RedrawWindow(hwnd, &r, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

ElementWindowState FrameElement::WindowState() const {
    ElementWindowState state;
    const HWND hwnd = owner_.Hwnd();
    if (!hwnd) return state;
    state.minimized = IsIconic(hwnd) != FALSE;
    state.zoomed = IsZoomed(hwnd) != FALSE;
    state.captionActive = owner_.CaptionActive();
    state.enabled = IsWindowEnabled(hwnd) != FALSE;
    return state;
}
