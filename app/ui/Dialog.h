// Thin dialog framework: a dialog from a resource template, driven by one
// message switch per dialog class. Modal (DoModal) or modeless (Create).
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace ui {

class DataExchange;

class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    INT_PTR DoModal(HWND owner);
    HWND Create(HWND owner);
    HWND Hwnd() const { return hwnd_; }
    HWND Owner() const { return owner_; }
    void EndDialog(INT_PTR result);

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::wstring ItemText(int id) const;
    void SetItemText(int id, const std::wstring& text);

    // Edit `id` refuses typed or pasted input beyond `maxBytes` GBK bytes.
    void LimitBytes(int id, std::size_t maxBytes);

    // Moves control contents into the members (save) or members into the
    // controls (load), through Exchange().
    void UpdateData(bool save);

protected:
    // Answer of the message switch: handled or not, and the result.
    struct Result {
        bool handled = false;
        INT_PTR value = 0;
    };
    virtual Result OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOk();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void Exchange(DataExchange&) {}

    static Result Handled(INT_PTR value = TRUE) { return {true, value}; }

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void EnforceByteLimit(int id);

    struct ByteLimit {
        std::size_t maxBytes;
        std::wstring lastGood;
        bool restoring = false;
    };
    int templateId_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    bool modal_ = false;
    std::map<int, ByteLimit> limits_;
};

} // namespace ui
