#include "ButtonDialogs.h"

#include "SkinMessages.h"

namespace testwin {

namespace {

std::set<int>& Skipped() {
    static std::set<int> ids;
    return ids;
}

INT_PTR CALLBACK ButtonDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        Notifications().push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return TRUE;
    case kWmSkinQuerySkip:
        if (!Skipped().count(static_cast<int>(wParam))) return FALSE;
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, 1);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

std::vector<Notification>& Notifications() {
    static std::vector<Notification> received;
    return received;
}

int ClicksOf(int id) {
    int count = 0;
    for (const auto& n : Notifications()) count += n.id == id && n.code == BN_CLICKED;
    return count;
}

HWND CreateButtonDialog(int width, int height, const std::vector<ButtonItem>& buttons,
                        const std::set<int>& skipped) {
    // An empty template; the size is set in pixels afterwards.
    struct alignas(4) {
        DLGTEMPLATE header;
        WORD menu, windowClass, title;
    } empty{};
    empty.header.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    empty.header.cx = 100;
    empty.header.cy = 100;
    Skipped() = skipped;
    HWND dialog =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, nullptr, &ButtonDialogProc, 0);
    if (!dialog) return nullptr;
    RECT client{};
    GetClientRect(dialog, &client);
    RECT window{};
    GetWindowRect(dialog, &window);
    // Whatever frame the dialog has: grow it by the client size missing.
    SetWindowPos(dialog, HWND_TOP, 60, 60, window.right - window.left + width - client.right,
                 window.bottom - window.top + height - client.bottom, SWP_NOACTIVATE);
    for (const auto& b : buttons) {
        CreateWindowExW(0, L"BUTTON", b.text, WS_CHILD | WS_VISIBLE | b.style, b.rect.left, b.rect.top,
                        b.rect.right - b.rect.left, b.rect.bottom - b.rect.top, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), GetModuleHandleW(nullptr),
                        nullptr);
    }
    SetForegroundWindow(dialog);
    return dialog;
}

} // namespace testwin
