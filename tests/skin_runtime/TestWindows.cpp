#include "TestWindows.h"

#include <cstdlib>
#include <vector>

namespace testwin {

namespace {

void Align(std::vector<WORD>& t) {
    if (t.size() % 2) t.push_back(0);
}

void PushText(std::vector<WORD>& t, const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p) t.push_back(static_cast<WORD>(*p));
    t.push_back(0);
}

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

HWND CreateDialogWindow(DWORD style, int width, int height, bool withStatic, HWND owner) {
    // DLGTEMPLATE in dialog units; the test measures in pixels afterwards.
    std::vector<WORD> t;
    auto push32 = [&t](DWORD v) {
        t.push_back(LOWORD(v));
        t.push_back(HIWORD(v));
    };
    push32(style);
    push32(0);
    t.push_back(withStatic ? 1 : 0);
    t.push_back(10);
    t.push_back(10);
    t.push_back(static_cast<WORD>(width * 4 / 7));
    t.push_back(static_cast<WORD>(height * 8 / 15));
    t.push_back(0); // menu
    t.push_back(0); // class
    PushText(t, L"Test dialog");
    if (withStatic) {
        while ((t.size() * 2) % 4) t.push_back(0);
        push32(WS_CHILD | WS_VISIBLE | SS_LEFT);
        push32(0);
        t.push_back(5);
        t.push_back(5);
        t.push_back(60);
        t.push_back(10);
        t.push_back(100);
        t.push_back(0xFFFF);
        t.push_back(0x0082); // static
        PushText(t, L"Label");
        t.push_back(0);
    }
    Align(t);
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(t.data()),
                                      owner, &DialogProc, 0);
}

const wchar_t* PlainClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &FrameProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"RuntimeTestFrame";
        RegisterClassW(&wc);
        registered = true;
    }
    return L"RuntimeTestFrame";
}

HWND CreateFrameWindow(DWORD style, int width, int height) {
    return CreateWindowExW(0, PlainClass(), L"Test frame", style, 40, 40, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (ms) Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
    HDC dc = GetWindowDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
}

bool CloseColour(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

} // namespace testwin
