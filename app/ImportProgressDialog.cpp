#include "ImportProgressDialog.h"

#include <commctrl.h>

#include <cwchar>

namespace {
std::wstring Megabytes(unsigned long long bytes) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    return text;
}
} // namespace

void ImportProgressDialog::Show(HWND owner) {
    if (!Create(owner)) return;
    if (owner && IsWindowEnabled(owner)) {
        EnableWindow(owner, FALSE);
        disabledOwner_ = owner;
    }
    ShowWindow(Hwnd(), SW_SHOW);
    UpdateWindow(Hwnd());
    Pump();
}

void ImportProgressDialog::Close() {
    // The owner is enabled first so that activation returns to it.
    if (disabledOwner_) {
        EnableWindow(disabledOwner_, TRUE);
        disabledOwner_ = nullptr;
    }
    if (Hwnd()) DestroyWindow(Hwnd());
}

BOOL ImportProgressDialog::OnInitDialog() {
    SendMessageW(Item(IDC_PROGRESS_BAR), PBM_SETRANGE32, 0, 1000);
    SetCurrentFile(L"", 0);
    SetBytesDone(0);
    return TRUE;
}

void ImportProgressDialog::SetCurrentFile(const std::wstring& path, unsigned filesDone) {
    if (!Hwnd()) return;
    SetItemText(IDC_PROGRESS_FILE, path);
    wchar_t text[64];
    std::swprintf(text, 64, L"文件: %u / %u", filesDone, totalFiles_);
    SetItemText(IDC_PROGRESS_COUNT, text);
}

void ImportProgressDialog::SetBytesDone(unsigned long long bytes) {
    if (!Hwnd() || bytes == lastBytes_) return;
    lastBytes_ = bytes;
    SetItemText(IDC_PROGRESS_BYTES, L"数据: " + Megabytes(bytes) + L" / " + Megabytes(totalBytes_));
    int position = totalBytes_ ? static_cast<int>(bytes * 1000 / totalBytes_) : 1000;
    SendMessageW(Item(IDC_PROGRESS_BAR), PBM_SETPOS, position, 0);
}

void ImportProgressDialog::SetOutcome(unsigned verified, unsigned alreadyImported, unsigned failed) {
    if (!Hwnd()) return;
    wchar_t text[96];
    std::swprintf(text, 96, L"已校验: %u    已导入过: %u    失败: %u", verified, alreadyImported, failed);
    SetItemText(IDC_PROGRESS_OUTCOME, text);
}

void ImportProgressDialog::SetManifest(const std::wstring& name) {
    if (Hwnd()) SetItemText(IDC_PROGRESS_MANIFEST, L"清单: " + name);
}

void ImportProgressDialog::Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the loop that owns it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (Hwnd() && IsDialogMessageW(Hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
