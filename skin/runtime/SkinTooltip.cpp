#include "SkinTooltip.h"

#include <algorithm>

#include "TooltipRules.h"
#include "WorkArea.h"
#include "richtext/GdiRichText.h"
#include "richtext/GdiSystemColours.h"

namespace {

SkinTooltip::TimerHook& Hook() {
    static SkinTooltip::TimerHook hook;
    return hook;
}

// The built-in look: a 1-pixel frame in the info-text colour on the info
// background.
void MakeBuiltIn(TooltipObject& look) {
    const SkinRect design[9] = {{0, 0, 1, 1},     {1, 0, 277, 1},     {277, 0, 278, 1},
                                {0, 1, 1, 151},   {1, 1, 277, 151},   {277, 1, 278, 151},
                                {0, 151, 1, 152}, {1, 151, 277, 152}, {277, 151, 278, 152}};
    for (int i = 0; i < 9; ++i) look.designRects[i] = design[i];
    look.clientColor = GetSysColor(COLOR_INFOBK);
    look.activeColor = GetSysColor(COLOR_INFOTEXT);
}

} // namespace

SkinTooltip::SkinTooltip() : renderer_(richtext::GdiSystemColours{}) {
    MakeBuiltIn(builtIn_);
    SkinWnd::SetObject(&builtIn_);
}

SkinTooltip::~SkinTooltip() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void SkinTooltip::SetTimerHookForTesting(TimerHook hook) {
    Hook() = std::move(hook);
}

bool SkinTooltip::Create(HINSTANCE module) {
    renderer_.SetResourceModule(module);
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kTooltipClass, L"", WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, module, static_cast<EngineWindowObject*>(this));
    if (!hwnd) return false;
    hwnd_ = hwnd;
    SkinWnd::SetObject(object_);
    return true;
}

const ::TooltipObject& SkinTooltip::Look() const {
    return *static_cast<const ::TooltipObject*>(object_);
}

SkinObject* SkinTooltip::SetObject(SkinObject* object) {
    auto* tip = dynamic_cast<::TooltipObject*>(object);
    if (tip == object_ || (!tip && object_ == &builtIn_)) return object_;
    if (tip && !tip->text.empty()) renderer_.SetStyleSheet(tip->text);
    return SkinWnd::SetObject(tip ? static_cast<SkinObject*>(tip) : &builtIn_);
}

void SkinTooltip::StartTimer(UINT_PTR id, UINT delayMs) {
    if (Hook()) {
        Hook()(id, delayMs);
        return;
    }
    if (hwnd_) SetTimer(hwnd_, id, delayMs, nullptr);
}

void SkinTooltip::StopTimer(UINT_PTR id) {
    if (Hook()) {
        Hook()(id, 0);
        return;
    }
    if (hwnd_) KillTimer(hwnd_, id);
}

void SkinTooltip::Hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    StopTimer(kShowTimer);
    StopTimer(kHideTimer);
    tracking_ = false;
}

void SkinTooltip::HideUnlessHovered() {
    if (hwnd_ && IsWindowVisible(hwnd_)) {
        POINT cursor{};
        RECT tip{};
        GetCursorPos(&cursor);
        ::GetWindowRect(hwnd_, &tip);
        // The tip hides itself when the mouse leaves it.
        if (PtInRect(&tip, cursor)) return;
    }
    Hide();
}

void SkinTooltip::Start(const std::wstring& text, std::optional<POINT> point) {
    Hide();
    if (point) {
        point_ = *point;
    } else {
        GetCursorPos(&point_);
    }
    text_ = text;
    if (!text_.empty()) StartTimer(kShowTimer, Look().showDelay);
}

void SkinTooltip::Display() {
    Hide();
    if (!hwnd_ || text_.empty()) return;
    HDC dc = GetDC(hwnd_);
    const SIZE text = richtext::MeasureRichText(renderer_, dc, text_);
    ReleaseDC(hwnd_, dc);
    const int width = text.cx + design_[kPartLeft].Width() + design_[kPartRight].Width();
    const int height = text.cy + design_[kPartTopLeft].Height() + design_[kPartBottomLeft].Height();
    const SkinRect r =
        PlaceTooltip(static_cast<int>(Look().placement), point_.x, point_.y, width, height,
                     WorkAreaOf(MonitorFromPoint(point_, MONITOR_DEFAULTTONEAREST)), &usedPlacement_);
    SetWindowPos(hwnd_, HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(),
                 SWP_NOCOPYBITS | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    StartTimer(kHideTimer, Look().hideDelay);
}

void SkinTooltip::OnTimer(UINT_PTR id) {
    if (id == kShowTimer) {
        StopTimer(kShowTimer);
        GetCursorPos(&point_);
        if (owner_) text_ = owner_->GetTooltipText(point_.x, point_.y);
        if (!text_.empty()) Display();
    } else if (id == kHideTimer) {
        Hide();
    }
}

void SkinTooltip::Paint() {
    PaintOwnClient([this](HDC dc, const RECT& client) {
        PaintClientBackground(dc, true);
        SetBkMode(dc, TRANSPARENT);
        richtext::DrawRichText(renderer_, dc, text_, client);
    });
}

LRESULT SkinTooltip::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd_) hwnd_ = hwnd;
    switch (message) {
    case WM_NCCALCSIZE:
        return OwnFrameCalcSize(wParam, lParam);
    case WM_NCPAINT:
        if (IsWindowVisible(hwnd)) PaintOwnFrame();
        return 0;
    case WM_NCACTIVATE:
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof track;
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = hwnd;
            tracking_ = TrackMouseEvent(&track) != FALSE;
        }
        return 0;
    case WM_MOUSELEAVE:
        Hide();
        return 0;
    case WM_NCDESTROY: {
        const LRESULT result = DefWindowProcW(hwnd, message, wParam, lParam);
        hwnd_ = nullptr;
        return result;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
