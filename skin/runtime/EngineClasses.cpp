#include "EngineClasses.h"

bool RegisterEngineClass(HINSTANCE module, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_SAVEBITS; // 0x840
    wc.lpfnWndProc = proc;
    wc.hInstance = module;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

LRESULT CALLBACK EngineObjectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetPropW(hwnd, kThisProperty, create->lpCreateParams);
    }
    auto* object = static_cast<EngineWindowObject*>(GetPropW(hwnd, kThisProperty));
    const LRESULT result = object ? object->HandleMessage(hwnd, message, wParam, lParam)
                                  : DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) RemovePropW(hwnd, kThisProperty);
    return result;
}
