// Scrolling a 10 000-line edit by line and by page with the default skin's
// scroll-bar engine, in microseconds per scroll step (the scroll, the
// content repaint and the bar repaint), against the same edit without the
// skin in the same run.
#include <windows.h>

#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "SkinEntries.h"

namespace {

const std::wstring& TenThousandLines() {
    static const std::wstring text = [] {
        std::wstring lines;
        for (int i = 0; i < 10000; ++i) lines += L"line " + std::to_wstring(i) + L" of the scrolled edit\r\n";
        return lines;
    }();
    return text;
}

HWND Edit(HWND dialog) {
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 10, 10,
                                360, 260, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextW(edit, TenThousandLines().c_str());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    return edit;
}

// One step down (back to the top at the end), painted.
double MicrosecondsPerStep(HWND edit, WORD code) {
    return bench::MicrosecondsPerCall([&] {
        const int before = GetScrollPos(edit, SB_VERT);
        SendMessageW(edit, WM_VSCROLL, code, 0);
        if (GetScrollPos(edit, SB_VERT) == before) SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
        UpdateWindow(edit);
        GdiFlush();
    });
}

} // namespace

int main() {
    SkinStartup(GetModuleHandleW(nullptr), nullptr, nullptr, nullptr);
    if (!SkinLoadFile(L"xpblue.tvf")) {
        std::printf("skin_scroll_bench: xpblue.tvf not found in the working folder\n");
        return 1;
    }
    SkinSetDialogDefault(L"Dialog");
    HWND skinnedDialog = bench::EmptyDialog(260, 200);
    HWND skinned = Edit(skinnedDialog);
    SkinClearDialogDefault();
    HWND plainDialog = bench::EmptyDialog(260, 200);
    HWND plain = Edit(plainDialog);

    std::printf("%-22s %14s %14s %8s\n", "10 000-line edit", "skinned (us)", "platform (us)", "ratio");
    for (const auto& [name, code] :
         {std::pair{"scroll by line", SB_LINEDOWN}, std::pair{"scroll by page", SB_PAGEDOWN}}) {
        const double skinnedUs = MicrosecondsPerStep(skinned, static_cast<WORD>(code));
        const double plainUs = MicrosecondsPerStep(plain, static_cast<WORD>(code));
        std::printf("%-22s %14.1f %14.1f %8.2f\n", name, skinnedUs, plainUs, skinnedUs / plainUs);
    }
    DestroyWindow(skinnedDialog);
    DestroyWindow(plainDialog);
    SkinShutdown();
    return 0;
}
