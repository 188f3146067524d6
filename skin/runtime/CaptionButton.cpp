#include "CaptionButton.h"

#include "FrameElementObjects.h"
#include "ImageDraw.h"
#include "Skin.h"
#include "SkinMessages.h"
#include "SkinWnd.h"
#include "WindowRegistry.h"

namespace {

constexpr UINT kHoverPollMs = 100;

struct IconSearch {
    HMODULE module;
    HICON icon;
    int size;
};

// The first icon group of the module, loaded at `size` pixels.
BOOL CALLBACK TakeFirstIcon(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) {
    auto* search = reinterpret_cast<IconSearch*>(param);
    search->icon = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, search->size, search->size, 0));
    return FALSE;
}

} // namespace

CaptionButton::CaptionButton(SkinWnd& owner) : FrameElement(owner), timerId_(owner.NewTimerId()) {}

CaptionButton::~CaptionButton() {
    StopHoverPoll();
}

void CaptionButton::SetObject(SkinObject* object) {
    FrameElement::SetObject(object);
    button_ = dynamic_cast<const CaptionButtonObject*>(object);
    if (!button_) object_ = nullptr;
    for (auto& picture : pictures_) picture.Release();
    if (!button_) return;
    model_ = CaptionButtonModel(button_->kind, button_->toggle != 0);
    const ImageRef* refs[kPictureCount] = {&button_->image, &button_->hoverImage, &button_->pressedImage,
                                           &button_->disabledImage};
    const Skin& skin = WindowRegistry::Instance().CurrentSkin();
    for (int i = 0; i < kPictureCount; ++i) {
        if (!refs[i]->IsEmpty()) ResolveImageRef(skin, *refs[i], pictures_[i]);
        drawModes_[i] = refs[i]->drawMode;
    }
    SetShape(&pictures_[kNormalPicture], drawModes_[kNormalPicture]);
}

int CaptionButton::ButtonKind() const {
    return button_ ? static_cast<int>(button_->kind) : -1;
}

int CaptionButton::HitCode() const {
    return enabled_ && IsVisible() ? kHitCaption : kNoElementHit;
}

bool CaptionButton::OnMouse(UINT message, int x, int y) {
    if (!button_ || !IsVisible()) return false;
    const bool inside = Contains(x, y);
    // A disabled button still takes its clicks, so they neither drag the
    // window nor reach the caption's double click.
    if (!enabled_) return inside;
    const int before = model_.State();
    ButtonAction action = ButtonAction::kNone;
    switch (message) {
    case WM_MOUSEMOVE:
        if (inside) {
            model_.MoveInside();
            StartHoverPoll();
        } else if (polling_ || model_.Captured()) {
            StopHoverPoll();
            model_.Leave();
        }
        break;
    case WM_LBUTTONDOWN:
        if (inside) action = model_.Press();
        break;
    case WM_LBUTTONUP:
        action = model_.Release(inside, polling_);
        break;
    case WM_LBUTTONDBLCLK:
        if (inside) action = model_.DoubleClick();
        break;
    case WM_RBUTTONDOWN:
        if (inside && button_->kind == kButtonSystemMenu) action = ButtonAction::kSystemMenu;
        break;
    default:
        break;
    }
    if (model_.State() != before) Redraw();
    Act(action, x, y);
    return inside;
}

void CaptionButton::Act(ButtonAction action, int x, int y) {
    const HWND hwnd = owner_.Hwnd();
    switch (action) {
    case ButtonAction::kCommand:
        PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(button_->commandId & 0xFFFF, 0), 0);
        break;
    case ButtonAction::kClose:
        StopHoverPoll();
        PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case ButtonAction::kMaximizeRestore:
        PostMessageW(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, 0);
        break;
    case ButtonAction::kMinimizeRestore:
        PostMessageW(hwnd, WM_SYSCOMMAND, IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE, 0);
        break;
    case ButtonAction::kSystemMenu: {
        // The menu runs its own message loop; it opens once this mouse
        // message is done, so no skinner or element is in use under it.
        RECT window{};
        ::GetWindowRect(hwnd, &window);
        PostMessageW(hwnd, kWmSkinSystemMenu, 0, MAKELPARAM(window.left + x, window.top + y));
        break;
    }
    case ButtonAction::kNone:
        break;
    }
}

bool CaptionButton::OnTimer(UINT_PTR id) {
    if (id != timerId_) return false;
    const HWND hwnd = owner_.Hwnd();
    RECT window{};
    ::GetWindowRect(hwnd, &window);
    Layout(RECT{0, 0, window.right - window.left, window.bottom - window.top});
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!IsVisible() || !Contains(cursor.x - window.left, cursor.y - window.top)) OnMouseLeft();
    return true;
}

void CaptionButton::OnMouseLeft() {
    StopHoverPoll();
    const int before = model_.State();
    model_.Leave();
    if (model_.State() != before && IsVisible()) Redraw();
}

void CaptionButton::StartHoverPoll() {
    if (polling_ || !owner_.Hwnd()) return;
    polling_ = SetTimer(owner_.Hwnd(), timerId_, kHoverPollMs, nullptr) != 0;
}

void CaptionButton::StopHoverPoll() {
    if (!polling_) return;
    polling_ = false;
    if (!owner_.Destroyed() && IsWindow(owner_.Hwnd())) KillTimer(owner_.Hwnd(), timerId_);
}

CaptionButton::Picture CaptionButton::PictureForState() const {
    Picture wanted = kNormalPicture;
    if (!enabled_) {
        wanted = kDisabledPicture;
    } else if (model_.State() == CaptionButtonModel::kHover) {
        wanted = kHoverPicture;
    } else if (model_.State() == CaptionButtonModel::kPressed) {
        wanted = kPressedPicture;
    }
    return pictures_[wanted].image ? wanted : kNormalPicture;
}

void CaptionButton::Draw(HDC dc) {
    if (!button_) return;
    if (button_->kind == kButtonWindowIcon) {
        DrawWindowIcon(dc);
        return;
    }
    const Picture picture = PictureForState();
    if (pictures_[picture].image) {
        DrawResolvedImage(dc, rect_, pictures_[picture], DrawMode(drawModes_[picture]),
                          owner_.TransparentColor());
        return;
    }
    // No picture at all: the platform's push button, in the button's state.
    UINT state = DFCS_BUTTONPUSH;
    if (!enabled_) state |= DFCS_INACTIVE;
    if (enabled_ && model_.State() == CaptionButtonModel::kPressed) state |= DFCS_PUSHED;
    RECT rect = rect_;
    DrawFrameControl(dc, &rect, DFC_BUTTON, state);
}

void CaptionButton::DrawWindowIcon(HDC dc) const {
    const HWND hwnd = owner_.Hwnd();
    if (!hwnd) return;
    const int size = ScaleForDpi(16, owner_.Dpi());
    HICON icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM));
    // The last resort is loaded for this paint only and destroyed after it;
    // the others belong to the window and its class.
    HICON loaded = nullptr;
    if (!icon) {
        IconSearch search{reinterpret_cast<HMODULE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)), nullptr, size};
        EnumResourceNamesW(search.module, RT_GROUP_ICON, &TakeFirstIcon, reinterpret_cast<LONG_PTR>(&search));
        icon = loaded = search.icon;
    }
    if (icon) DrawIconEx(dc, rect_.left, rect_.top, icon, size, size, 0, nullptr, DI_NORMAL);
    if (loaded) DestroyIcon(loaded);
}
