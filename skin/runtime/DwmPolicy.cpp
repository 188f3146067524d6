#include "DwmPolicy.h"

namespace {

constexpr DWORD kNcRenderingPolicy = 2; // DWMWA_NCRENDERING_POLICY
constexpr int kPolicyUseWindowStyle = 0;
constexpr int kPolicyDisabled = 1;

using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

SetAttribute LoadSetAttribute() {
    // Looked up at run time: the program also runs where dwmapi is absent.
    static SetAttribute function = [] {
        HMODULE module = LoadLibraryW(L"dwmapi.dll");
        return module ? reinterpret_cast<SetAttribute>(
                            reinterpret_cast<void*>(GetProcAddress(module, "DwmSetWindowAttribute")))
                      : nullptr;
    }();
    return function;
}

} // namespace

bool SetNonClientRenderingDisabled(HWND hwnd, bool disabled) {
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) return false;
    SetAttribute set = LoadSetAttribute();
    if (!set) return false;
    const int policy = disabled ? kPolicyDisabled : kPolicyUseWindowStyle;
    return SUCCEEDED(set(hwnd, kNcRenderingPolicy, &policy, sizeof policy));
}
