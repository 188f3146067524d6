#include "ui/MessageBox.h"

namespace ui {

const std::wstring& AppName() {
    static const std::wstring kName = [] {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring p = path;
        auto slash = p.find_last_of(L"\\/");
        if (slash != std::wstring::npos) p.erase(0, slash + 1);
        auto dot = p.rfind(L'.');
        if (dot != std::wstring::npos && dot > 0) p.erase(dot);
        return p;
    }();
    return kName;
}

void ShowMessage(HWND owner, const std::wstring& text) {
    ShowMessage(owner, text, AppName());
}

void ShowMessage(HWND owner, const std::wstring& text, const std::wstring& caption) {
    MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK);
}

bool AskOkCancel(HWND owner, const std::wstring& text, const std::wstring& caption) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OKCANCEL | MB_DEFBUTTON2) == IDOK;
}

} // namespace ui
