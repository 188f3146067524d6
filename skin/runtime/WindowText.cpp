#include "WindowText.h"

std::string WindowClassNameAscii(HWND hwnd) {
    wchar_t name[100];
    const int length = GetClassNameW(hwnd, name, 100);
    if (length <= 0) return {};
    std::string out;
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        if (name[i] > 0x7F) return {};
        out.push_back(static_cast<char>(name[i]));
    }
    return out;
}

std::wstring WindowTextLimited(HWND hwnd, int limit) {
    std::wstring text(static_cast<size_t>(limit) + 1, L'\0');
    const int length = GetWindowTextW(hwnd, text.data(), limit + 1);
    text.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return text;
}
