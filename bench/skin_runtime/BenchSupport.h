// What the skin runtime benches share: timing a call and an empty dialog of
// a given template size.
#pragma once

#include <windows.h>

#include <chrono>

namespace bench {

// Microseconds per call of `f`, repeated until the run lasts 0.3 s.
template <typename F>
double MicrosecondsPerCall(F&& f) {
    using Clock = std::chrono::steady_clock;
    f();
    long n = 1;
    for (;;) {
        const auto start = Clock::now();
        for (long i = 0; i < n; ++i) f();
        const double s = std::chrono::duration<double>(Clock::now() - start).count();
        if (s > 0.3) return s * 1e6 / double(n);
        n *= 2;
    }
}

inline INT_PTR CALLBACK EmptyDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// A visible modal-frame dialog (class "#32770") of cx x cy dialog units.
inline HWND EmptyDialog(short cx, short cy) {
    struct {
        DLGTEMPLATE t;
        WORD menu, cls, title;
    } tpl{};
    tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    tpl.t.cx = cx;
    tpl.t.cy = cy;
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.t, nullptr, &EmptyDialogProc, 0);
}

} // namespace bench
