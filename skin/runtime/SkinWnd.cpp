#include "SkinWnd.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "ChildLookup.h"
#include "ControlKinds.h"
#include "FrameGeometry.h"
#include "FrameHitTest.h"
#include "Skin.h"
#include "SkinEngine.h"
#include "SkinMessages.h"
#include "SkinObject.h"
#include "SkinTooltip.h"
#include "SkinnerFactory.h"
#include "SystemMenu.h"
#include "WindowFrameObjects.h"
#include "WindowRegistry.h"
#include "WindowText.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"OBJECT";
constexpr int kFrameAreaType = 38;
constexpr int kCaptionButtonType = 3;
constexpr int kFrameImageType = 22;

} // namespace

namespace {
long g_liveSkinners = 0;
} // namespace

SkinWnd::SkinWnd() {
    ++g_liveSkinners;
}

SkinWnd::~SkinWnd() {
    // The shared tooltip must not call back into a skinner that is gone.
    if (SkinTooltip* tip = SkinEngine::Instance().Tooltip(); tip && tip->Owner() == this)
        tip->SetOwner(nullptr);
    DropPaintBuffers();
    --g_liveSkinners;
}

long SkinWnd::LiveCount() {
    return g_liveSkinners;
}

SkinWnd* SkinWnd::FromWindow(HWND hwnd) {
    return static_cast<SkinWnd*>(GetPropW(hwnd, kObjectProperty));
}

LRESULT CALLBACK SkinWnd::SharedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (SkinWnd* skinner = FromWindow(hwnd)) return skinner->WindowProc(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT SkinWnd::CallPrev(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!prevProc_) return DefWindowProcW(hwnd_, message, wParam, lParam);
    return CallWindowProcW(prevProc_, hwnd_, message, wParam, lParam);
}

LRESULT SkinWnd::CallPrevWithStyle(DWORD style, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = hwnd_;
    const WNDPROC prev = prevProc_;
    const LONG_PTR saved = GetWindowLongPtrW(hwnd, GWL_STYLE);
    if (static_cast<DWORD>(saved) == style) return CallPrev(message, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWL_STYLE, style);
    // The skinner may be gone when the call returns (the window can be
    // destroyed inside it): only locals from here on.
    const LRESULT result = prev ? CallWindowProcW(prev, hwnd, message, wParam, lParam)
                                : DefWindowProcW(hwnd, message, wParam, lParam);
    if (IsWindow(hwnd)) {
        // Keep bits the call changed on purpose (visibility, minimized and
        // maximized state); restore the decorations.
        constexpr DWORD kStateBits = WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED;
        const DWORD now = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
        const DWORD restored = (static_cast<DWORD>(saved) & ~kStateBits) | (now & kStateBits);
        SetWindowLongPtrW(hwnd, GWL_STYLE, restored);
    }
    return result;
}

LRESULT SkinWnd::CallPrevHiding(DWORD clear, UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    return CallPrevWithStyle(style & ~clear, message, wParam, lParam);
}

const WindowFrameObject* SkinWnd::FrameObject() const {
    return dynamic_cast<const WindowFrameObject*>(object_);
}

bool SkinWnd::Attach(HWND hwnd) {
    hwnd_ = hwnd;
    UpdateDesign();
    WalkChildren();
    prevProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    SetPropW(hwnd, kObjectProperty, this);
    EnableCaptionButtons();
    if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SharedProc))) {
        RemovePropW(hwnd, kObjectProperty);
        return false;
    }
    if (object_) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    return true;
}

void SkinWnd::Detach() {
    // Child skinners first; dropping one changes the set, so walk a copy.
    const std::vector<HWND> children(children_.begin(), children_.end());
    for (HWND child : children) WindowRegistry::Instance().Unregister(child);
    children_.clear();
    if (!hwnd_) return;
    if (!destroyed_ && hasRegion_) SetWindowRgn(hwnd_, nullptr, TRUE);
    hasRegion_ = false;
    if (prevProc_ && GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SharedProc)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prevProc_));
    }
    if (!destroyed_) {
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    RemovePropW(hwnd_, kObjectProperty);
}

SkinObject* SkinWnd::SetObject(SkinObject* object) {
    SkinObject* previous = object_;
    object_ = object;
    if (!object) return previous;

    uint32_t colour = 0x00FF00FF;
    bool useColour = false;
    if (WindowRegistry::Instance().CurrentSkin().GetTransparency(colour, useColour)) {
        transparentColor_ = colour & 0xFFFFFF;
        regionEnabled_ = useColour;
    } else {
        transparentColor_ = RGB(255, 0, 255);
        regionEnabled_ = false;
    }

    elements_.clear();
    DropPartsCache();
    drawCaptionText_ = true;
    for (const auto& [name, child] : object->Children()) {
        const int type = child->TypeCode();
        if (type != kCaptionButtonType && type != kFrameImageType && type != kFrameAreaType) continue;
        if (type == kFrameAreaType && static_cast<const FrameAreaObject&>(*child).areaKind == 1) {
            drawCaptionText_ = false;
        }
        if (auto element = CreateFrameElement(*this, *child)) {
            element->SetObject(child.get());
            elements_.push_back(std::move(element));
        }
    }
    ResetLastWindowRect();
    if (hwnd_) {
        // New buttons start enabled; a window's style decides as at attach.
        EnableCaptionButtons();
        WalkChildren();
    }
    UpdateDesign();
    for (int i = 0; i < kFramePartCount; ++i) parts_.part[i] = design_[i];
    return previous;
}

void SkinWnd::WalkChildren() {
    if (!hwnd_) return;
    std::vector<HWND> children;
    for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    for (HWND child : children) {
        if (IsWindow(child)) AdoptChild(child, true);
    }
}

void SkinWnd::AdoptChild(HWND child, bool useObjectList) {
    WindowRegistry& registry = WindowRegistry::Instance();
    const std::string className = WindowClassNameAscii(child);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    const HWND parent = GetParent(child);
    const DWORD parentStyle = parent ? static_cast<DWORD>(GetWindowLongPtrW(parent, GWL_STYLE)) : 0;
    const ControlKind kind = KindForWindow(className, style, parentStyle);
    if (kind == kKindNone) return;

    const int typeCode = ObjectTypeForKind(kind);
    SkinObject* object = nullptr;
    if (useObjectList && object_) {
        object = FindChildControl(*object_, typeCode, static_cast<int>(GetWindowLongPtrW(child, GWL_ID)));
    }
    if (!object) object = registry.CurrentSkin().FindObjectByType(typeCode);

    if (SkinWnd* existing = registry.Lookup(child)) {
        if (existing->Hwnd() != child || !object) {
            DropChild(child);
        } else {
            existing->SetObject(object);
        }
        return;
    }
    if (!object) return;
    auto created = CreateControlSkinner(kind);
    if (!created) return;
    SkinWnd* skinner = registry.Register(std::move(created), child);
    if (!skinner) return;
    children_.insert(child);
    skinner->SetOwnerWindow(hwnd_);
    skinner->SetObject(object);
    if (!skinner->Attach(child)) DropChild(child);
}

void SkinWnd::DropChild(HWND child) {
    children_.erase(child);
    WindowRegistry::Instance().Unregister(child);
}

void SkinWnd::LayoutParts(int width, int height) {
    if (FrameObject()) parts_ = LayoutFrameParts(design_, width, height);
}

int SkinWnd::WindowDpi(HWND hwnd) {
    // GetDpiForWindow exists from Windows 10 on; older systems have one
    // system-wide setting.
    using GetDpi = UINT(WINAPI*)(HWND);
    static GetDpi getDpi = reinterpret_cast<GetDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpi && hwnd) {
        if (const UINT dpi = getDpi(hwnd)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void SkinWnd::UpdateDesign() {
    DropPartsCache();
    if (hwnd_) dpi_ = WindowDpi(hwnd_);
    const WindowFrameObject* frame = FrameObject();
    if (!frame) {
        for (auto& r : design_) r = SkinRect{};
        return;
    }
    ScaleDesign(frame->designRects, dpi_, design_);
}

bool SkinWnd::SizeChangedSinceRegion(const RECT& window) const {
    return window.right - window.left != lastWindowRect_.right - lastWindowRect_.left ||
           window.bottom - window.top != lastWindowRect_.bottom - lastWindowRect_.top;
}

void SkinWnd::RememberWindowRect(const RECT& window) {
    lastWindowRect_ = window;
}

void SkinWnd::EnableCaptionButtons() {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    for (auto& element : elements_) {
        switch (element->ButtonKind()) {
        case 1: // close
        case 5: // system menu
            element->SetEnabled((style & WS_SYSMENU) != 0);
            break;
        case 3:
            element->SetEnabled((style & WS_MAXIMIZEBOX) != 0);
            break;
        case 4:
            element->SetEnabled((style & WS_MINIMIZEBOX) != 0);
            break;
        default:
            break;
        }
    }
}

void SkinWnd::PaintElements(HDC dc, const RECT& window) {
    const RECT local{0, 0, window.right - window.left, window.bottom - window.top};
    for (auto& element : elements_) {
        element->Layout(local);
        if (element->IsVisible()) element->Draw(dc);
    }
}

void SkinWnd::LayoutElements() {
    RECT window{};
    ::GetWindowRect(hwnd_, &window);
    const RECT local{0, 0, window.right - window.left, window.bottom - window.top};
    for (auto& element : elements_) element->Layout(local);
}

int SkinWnd::ElementHit(int x, int y) {
    LayoutElements();
    for (const auto& element : elements_) {
        if (!element->IsVisible() || !element->Contains(x, y)) continue;
        // Disabled buttons and pictures let the point through.
        const int code = element->HitCode();
        if (code != kNoElementHit) return code;
    }
    return kNoElementHit;
}

bool SkinWnd::OfferToElements(UINT clientMessage, int x, int y) {
    LayoutElements();
    bool consumed = false;
    // Every element hears the message: buttons also see moves and releases
    // outside themselves.
    for (auto& element : elements_) {
        if (element->OnMouse(clientMessage, x, y)) consumed = true;
    }
    return consumed;
}

bool SkinWnd::OfferTimerToElements(UINT_PTR id) {
    for (auto& element : elements_) {
        if (element->OnTimer(id)) return true;
    }
    return false;
}

std::wstring SkinWnd::GetTooltipText(int, int) {
    return tooltipText_;
}

void SkinWnd::SetTooltipText(const wchar_t* text) {
    tooltipText_ = text ? text : L"";
}

void SkinWnd::ShowTooltip() {
    SkinTooltip* tip = SkinEngine::Instance().Tooltip();
    if (!tip || tooltipText_.empty()) return;
    tip->SetObject(TooltipObject());
    tip->SetOwner(this);
    tip->Start(tooltipText_, std::nullopt);
}

void SkinWnd::HideTooltip() {
    SkinTooltip* tip = SkinEngine::Instance().Tooltip();
    if (tip && tip->Owner() == this) tip->HideUnlessHovered();
}

SkinObject* SkinWnd::TooltipObject() {
    return WindowRegistry::Instance().CurrentSkin().FindObjectByType(42);
}

HMENU SkinWnd::GetMenu() {
    return ::GetMenu(hwnd_);
}

void SkinWnd::SetMenu(HMENU menu) {
    ::SetMenu(hwnd_, menu);
}

LRESULT SkinWnd::MenuKey(WPARAM, LPARAM) {
    return 0;
}

HWND SkinWnd::ActiveMdiChild(bool* maximized) {
    if (maximized) *maximized = false;
    return nullptr;
}

RECT SkinWnd::GetWindowRect() {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    return r;
}

RECT SkinWnd::MenuBarRect() {
    return RECT{};
}

LRESULT SkinWnd::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
    destroyed_ = true;
    // Unregistering deletes this skinner: keep what the last call needs.
    const HWND hwnd = hwnd_;
    const WNDPROC prev = prevProc_;
    WindowRegistry::Instance().Unregister(hwnd);
    return prev ? CallWindowProcW(prev, hwnd, WM_NCDESTROY, wParam, lParam)
                : DefWindowProcW(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT SkinWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCDESTROY:
        return OnNcDestroy(wParam, lParam);
    case kWmSkinRemoveChild:
        DropChild(reinterpret_cast<HWND>(wParam));
        return 0;
    case kWmSkinMenuKey:
        return MenuKey(wParam, lParam);
    case WM_TIMER:
        if (OfferTimerToElements(wParam)) return 0;
        return CallPrev(message, wParam, lParam);
    case kWmSkinSystemMenu:
        // Runs a menu loop in which this skinner may go: nothing after it.
        TrackSystemMenu(hwnd_, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    default:
        return CallPrev(message, wParam, lParam);
    }
}
