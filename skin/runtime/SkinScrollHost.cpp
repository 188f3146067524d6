#include "SkinScrollHost.h"

#include "ControlObject.h"
#include "NineGridDraw.h"
#include "ScrollEngine.h"
#include "ScrollObjects.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "SkinMessages.h"
#include "WindowRegistry.h"

namespace {
const ScrollBarObject* DefaultScrollObject() {
    return dynamic_cast<const ScrollBarObject*>(
        WindowRegistry::Instance().CurrentSkin().FindObjectByType(12));
}
} // namespace

SkinScrollHost::~SkinScrollHost() {
    ReleaseBrushes();
}

void SkinScrollHost::ReleaseBrushes() {
    if (backBrush_) DeleteObject(backBrush_);
    if (readOnlyBrush_) DeleteObject(readOnlyBrush_);
    backBrush_ = nullptr;
    readOnlyBrush_ = nullptr;
}

bool SkinScrollHost::Attach(HWND hwnd) {
    // Owner-drawn list boxes keep the content and frame their owner gives them.
    constexpr LONG_PTR kOwnerDrawn = LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE;
    if (kind_ == kKindListBox && (GetWindowLongPtrW(hwnd, GWL_STYLE) & kOwnerDrawn)) return false;
    if (!SkinControl::Attach(hwnd)) return false;
    // After the control's own creation has run its first layout.
    PostMessageW(hwnd, kWmSkinInitScroll, 0, 0);
    return true;
}

void SkinScrollHost::Detach() {
    if (engineInstalled_ && hwnd_ && !destroyed_) ScrollEngine::Uninstall(hwnd_);
    engineInstalled_ = false;
    SkinControl::Detach();
}

SkinObject* SkinScrollHost::SetObject(SkinObject* object) {
    // New colours: the brushes are made again when the control first asks,
    // which may be while the base repaints it.
    ReleaseBrushes();
    SkinObject* previous = SkinControl::SetObject(object);
    if (engineInstalled_) SizeBars();
    return previous;
}

void SkinScrollHost::InstallEngine() {
    if (engineTried_ || !hwnd_) return;
    engineTried_ = true;
    // A date-time picker borrows only the border: it has no scroll bars.
    if (kind_ == kKindDateTime) return;
    if (!ScrollEngine::RunsOn(SkinEngine::Instance().Kind()) || !DefaultScrollObject()) return;
    if (!ScrollEngine::Install(hwnd_)) return;
    engineInstalled_ = true;
    ScrollEngine::SetStyle(hwnd_, SB_BOTH, 2);
    SizeBars();
}

void SkinScrollHost::SizeBars() {
    const ScrollBarObject* bars = DefaultScrollObject();
    if (!bars || !ScrollEngine::Record(hwnd_)) return;
    const int size = bars->states[ScrollBarObject::Normal].arrow1.source.Height();
    if (size > 0) ScrollEngine::SetArrowSize(hwnd_, SB_BOTH, size, size);
    const int thumb = bars->states[ScrollBarObject::Normal].thumb.source.Width();
    if (thumb > 0) ScrollEngine::SetMinThumb(hwnd_, SB_BOTH, thumb);
}

COLORREF SkinScrollHost::BackColour() const {
    return object_ ? object_->color1 & 0xFFFFFF : GetSysColor(COLOR_WINDOW);
}

COLORREF SkinScrollHost::TextColour() const {
    return object_ ? object_->color2 & 0xFFFFFF : GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF SkinScrollHost::ReadOnlyColour() const {
    return object_ ? object_->color3 & 0xFFFFFF : GetSysColor(COLOR_BTNFACE);
}

HBRUSH SkinScrollHost::ControlColour(UINT message, HDC dc) {
    if (!object_) return nullptr;
    if (!backBrush_) backBrush_ = CreateSolidBrush(BackColour());
    if (!readOnlyBrush_) readOnlyBrush_ = CreateSolidBrush(ReadOnlyColour());
    if (message == WM_CTLCOLOREDIT && backBrush_) {
        SetBkColor(dc, BackColour());
        SetTextColor(dc, TextColour());
        return backBrush_;
    }
    if (message == WM_CTLCOLORSTATIC && readOnlyBrush_) {
        SetBkColor(dc, ReadOnlyColour());
        SetTextColor(dc, TextColour());
        return readOnlyBrush_;
    }
    return nullptr;
}

BorderWidth SkinScrollHost::Border() const {
    EdgeMetrics metrics;
    metrics.edgeX = GetSystemMetrics(SM_CXEDGE);
    metrics.edgeY = GetSystemMetrics(SM_CYEDGE);
    metrics.dlgFrameX = GetSystemMetrics(SM_CXDLGFRAME);
    metrics.dlgFrameY = GetSystemMetrics(SM_CYDLGFRAME);
    metrics.borderX = GetSystemMetrics(SM_CXBORDER);
    metrics.borderY = GetSystemMetrics(SM_CYBORDER);
    return ScrollHostBorder(static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                            static_cast<uint32_t>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), metrics);
}

void SkinScrollHost::PaintNonClient(HRGN update) {
    const auto* control = dynamic_cast<const ControlObject*>(object_);
    const BorderWidth border = Border();
    if (!control || control->mainImage.IsEmpty() || border.IsEmpty()) {
        CallPrev(WM_NCPAINT, reinterpret_cast<WPARAM>(update), 0);
        return;
    }
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    // The control's own non-client parts (scroll bars) inside the border
    // stay the control's: it paints only there.
    HRGN inside = CreateRectRgn(window.left + border.x, window.top + border.y, window.right - border.x,
                                window.bottom - border.y);
    if (reinterpret_cast<UINT_PTR>(update) > 1) CombineRgn(inside, inside, update, RGN_AND);
    const HWND hwnd = hwnd_;
    CallPrev(WM_NCPAINT, reinterpret_cast<WPARAM>(inside), 0);
    DeleteObject(inside);
    if (!IsWindow(hwnd) || FromWindow(hwnd) != this) return;

    const RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
    HDC dc = GetWindowDC(hwnd_);
    if (!dc) return;
    ExcludeClipRect(dc, border.x, border.y, whole.right - border.x, whole.bottom - border.y);
    DrawNineGrid(dc, whole, control->mainImage, WindowRegistry::Instance().CurrentSkin(), BackColour(),
                 false);
    ReleaseDC(hwnd_, dc);
}

LRESULT SkinScrollHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kWmSkinInitScroll:
        InstallEngine();
        return 0;
    case WM_NCPAINT:
        PaintNonClient(reinterpret_cast<HRGN>(wParam));
        return 0;
    case WM_PAINT:
    case WM_ERASEBKGND:
        // The control draws its content with the brushes its parent hands
        // out for it.
        return CallPrev(message, wParam, lParam);
    default:
        return SkinControl::WindowProc(message, wParam, lParam);
    }
}
