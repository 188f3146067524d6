#include "ui/Dialog.h"

#include "RecorderText.h"
#include "ui/DataExchange.h"

namespace ui {

Dialog::~Dialog() {
    if (hwnd_ && !modal_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::DoModal(HWND owner) {
    owner_ = owner;
    modal_ = true;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Proc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND owner) {
    owner_ = owner;
    modal_ = false;
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner, Proc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_)
        ::EndDialog(hwnd_, result);
    else
        DestroyWindow(hwnd_);
}

std::wstring Dialog::ItemText(int id) const {
    HWND item = Item(id);
    if (!item) return {};
    int length = GetWindowTextLengthW(item);
    std::wstring text(length + 1, L'\0');
    int got = GetWindowTextW(item, text.data(), length + 1);
    text.resize(got > 0 ? got : 0);
    return text;
}

void Dialog::SetItemText(int id, const std::wstring& text) {
    // The byte limit is for typing: text the program puts in (a longer value
    // read from the recorder) is shown as it is.
    auto it = limits_.find(id);
    if (it == limits_.end()) {
        SetDlgItemTextW(hwnd_, id, text.c_str());
        return;
    }
    bool wasRestoring = it->second.restoring;
    it->second.restoring = true;
    SetDlgItemTextW(hwnd_, id, text.c_str());
    it->second.restoring = wasRestoring;
    it->second.lastGood = text;
}

void Dialog::LimitBytes(int id, std::size_t maxBytes) {
    // Characters never take fewer bytes than one, so the edit's own character
    // limit is a first bound; the byte count is checked on every change.
    SendDlgItemMessageW(hwnd_, id, EM_LIMITTEXT, maxBytes, 0);
    limits_[id] = ByteLimit{maxBytes, TruncateToRecorderBytes(ItemText(id), maxBytes)};
}

void Dialog::EnforceByteLimit(int id) {
    auto it = limits_.find(id);
    if (it == limits_.end() || it->second.restoring) return;
    std::wstring text = ItemText(id);
    // A longer value put in by the program must stay editable: a change that
    // does not make it longer is kept, so it can be shortened step by step.
    std::size_t bytes = RecorderTextLength(text);
    if (bytes <= it->second.maxBytes || bytes <= RecorderTextLength(it->second.lastGood)) {
        it->second.lastGood = text;
        return;
    }
    DWORD start = 0, end = 0;
    SendDlgItemMessageW(hwnd_, id, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    std::size_t removed = text.size() - it->second.lastGood.size();
    DWORD caret = start > removed ? static_cast<DWORD>(start - removed) : 0;
    SetItemText(id, it->second.lastGood);
    SendDlgItemMessageW(hwnd_, id, EM_SETSEL, caret, caret);
    MessageBeep(MB_OK);
}

void Dialog::UpdateData(bool save) {
    DataExchange dx(*this, save);
    Exchange(dx);
    if (!save)
        for (auto& [id, limit] : limits_) limit.lastGood = ItemText(id);
}

void Dialog::OnOk() {
    UpdateData(true);
    EndDialog(IDOK);
}

Dialog::Result Dialog::OnMessage(UINT, WPARAM, LPARAM) {
    return {};
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_UPDATE) EnforceByteLimit(LOWORD(wParam));
    Result r = OnMessage(message, wParam, lParam);
    if (r.handled) {
        switch (message) {
        // These messages take the procedure's own return value as their answer.
        case WM_INITDIALOG:
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            return r.value;
        default:
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, r.value);
            return TRUE;
        }
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == IDOK) {
                OnOk();
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
        }
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace ui
