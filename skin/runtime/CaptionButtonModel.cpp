#include "CaptionButtonModel.h"

void CaptionButtonModel::MoveInside() {
    // A toggle button shows its own state, never hover.
    if (!toggle_) state_ = captured_ ? kPressed : kHover;
}

void CaptionButtonModel::Leave() {
    captured_ = false;
    if (!toggle_) state_ = kNormal;
}

ButtonAction CaptionButtonModel::Press() {
    if (kind_ == kButtonSystemMenu) return ButtonAction::kSystemMenu;
    captured_ = true;
    if (!toggle_) state_ = kPressed;
    return ButtonAction::kNone;
}

ButtonAction CaptionButtonModel::Release(bool inside, bool hovering) {
    const bool click = inside && captured_;
    captured_ = false;
    if (!click) {
        if (!toggle_ && state_ == kPressed) state_ = inside && hovering ? kHover : kNormal;
        return ButtonAction::kNone;
    }
    if (kind_ == kButtonMaximize || kind_ == kButtonMinimize) {
        state_ = kNormal;
    } else if (toggle_) {
        state_ = state_ == kPressed ? kNormal : kPressed;
    } else {
        state_ = hovering ? kHover : kNormal;
    }
    switch (kind_) {
    case kButtonCommand:
        return ButtonAction::kCommand;
    case kButtonClose:
        return ButtonAction::kClose;
    case kButtonMaximize:
        return ButtonAction::kMaximizeRestore;
    case kButtonMinimize:
        return ButtonAction::kMinimizeRestore;
    case kButtonSystemMenu:
        return ButtonAction::kSystemMenu;
    default:
        return ButtonAction::kNone;
    }
}

ButtonAction CaptionButtonModel::DoubleClick() {
    if (kind_ == kButtonSystemMenu) return ButtonAction::kClose;
    return Press();
}
