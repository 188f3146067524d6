#include "InertThreadWindows.h"

namespace {
BOOL CALLBACK Collect(HWND window, LPARAM data) {
    // Hidden windows take no input; an owner already disabled by a modal
    // loop stays that loop's to enable again.
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}
} // namespace

InertThreadWindows::InertThreadWindows() {
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&disabled_));
    HWND focus = GetFocus();
    for (HWND window : disabled_) {
        EnableWindow(window, FALSE);
        // A control keeps the keyboard focus when only its dialog is
        // disabled; it must not take keys either.
        if (focus && (focus == window || IsChild(window, focus))) {
            focus_ = focus;
            SetFocus(nullptr);
        }
    }
}

InertThreadWindows::~InertThreadWindows() {
    for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it)
        if (IsWindow(*it)) EnableWindow(*it, TRUE);
    if (focus_ && IsWindow(focus_) && !GetFocus()) SetFocus(focus_);
}
