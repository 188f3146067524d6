#include "LoginDialog.h"

#include "AboutDialog.h"
#include "AppState.h"
#include "ButtonTips.h"
#include "InertThreadWindows.h"
#include "MediaImport.h"
#include "RecorderText.h"
#include "SettingsDialog.h"
#include "ui/DataExchange.h"
#include "ui/MessageBox.h"

#include <shlobj.h>

#include <cstring>

namespace {
constexpr std::size_t kPasswordBytes = 6;
constexpr std::size_t kPasswordBuffer = 16;
constexpr UINT kDeviceArrival = 0x8000;
constexpr UINT kAboutCommand = 0x0010;
constexpr UINT kDeferredArrival = WM_APP + 1;
const wchar_t kAdministrator[] = L"管理员";
const wchar_t kUser[] = L"用户";
const wchar_t kNoRecorder[] = L"连接失败,请确认驱动程序已正确安装及USB连接可靠!";
const wchar_t kWrongPassword[] = L"密码错误，请重新输入!";

const ButtonTip kTips[] = {
    {IDC_LOGIN_DISK,
     L"<b>移动磁盘</b><br>核对密码后把执法仪切换为移动磁盘：管理员可读写（并同步时钟），"
     L"普通用户只读；随后导入照片、录像和录音，本程序退出"},
    {IDC_LOGIN_SETTINGS, L"<b>设置</b><br>核对管理员密码后打开执法仪参数设置"},
    {IDC_LOGIN_EXIT, L"<b>退出</b><br>关闭本程序，不改动执法仪"},
};

// A failed read leaves the buffer empty, which never equals a non-empty
// typed password.
bool StoredPasswordEquals(bool (*read)(char*, const char*), const std::wstring& typed) {
    char stored[kPasswordBuffer] = {};
    read(stored, App().recorder_id);
    stored[kPasswordBuffer - 1] = '\0';
    return std::strcmp(stored, ToRecorderText(typed).c_str()) == 0;
}
} // namespace

LoginDialog::~LoginDialog() {
    ReleaseTitleFont();
    if (smallIcon_) DestroyIcon(smallIcon_);
}

BOOL LoginDialog::OnInitDialog() {
    HWND role = Item(IDC_LOGIN_ROLE);
    SendMessageW(role, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kAdministrator));
    SendMessageW(role, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kUser));
    LimitBytes(IDC_LOGIN_PASSWORD, kPasswordBytes);
    UpdateData(false);

    titleFont_ = CreateFontW(20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20, L"宋体");
    SendMessageW(GetDlgItem(Hwnd(), IDC_STATIC), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), TRUE);

    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon_ = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    smallIcon_ =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_ ? smallIcon_ : icon_));

    SendMessageW(role, CB_SETCURSEL, 0, 0);
    ApplyButtonTips(Hwnd(), kTips);
    return TRUE;
}

void LoginDialog::Exchange(ui::DataExchange& dx) {
    dx.Text(IDC_LOGIN_PASSWORD, password_);
}

bool LoginDialog::IsAdministratorSelected() const {
    HWND role = Item(IDC_LOGIN_ROLE);
    LRESULT index = SendMessageW(role, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return false;
    LRESULT length = SendMessageW(role, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return false;
    std::wstring text(length + 1, L'\0');
    SendMessageW(role, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return ToRecorderText(text) == ToRecorderText(kAdministrator);
}

bool LoginDialog::CheckAndConnect() {
    UpdateData(true);
    if (password_.empty()) {
        ui::ShowMessage(Hwnd(), L"密码不能为空!");
        return false;
    }
    // A character GBK lacks would be compared as "?" and could match a
    // stored "?".
    if (!ToRecorderTextExactly(password_)) {
        ui::ShowMessage(Hwnd(), L"密码含有执法仪不支持的字符,请重新输入!");
        return false;
    }
    if (!Ketro_Connect(App().recorder_id)) {
        ui::ShowMessage(Hwnd(), kNoRecorder);
        return false;
    }
    return true;
}

void LoginDialog::OnOpenSettings() {
    if (!CheckAndConnect()) return;
    if (!IsAdministratorSelected()) {
        ui::ShowMessage(Hwnd(), L"用户无此权限!");
        return;
    }
    if (!StoredPasswordEquals(Get_Psw, password_)) {
        ui::ShowMessage(Hwnd(), kWrongPassword);
        return;
    }
    SettingsDialog settings;
    settings.DoModal(Hwnd());
}

void LoginDialog::OnRemovableDisk() {
    if (!CheckAndConnect()) return;
    if (IsAdministratorSelected()) {
        if (StoredPasswordEquals(Get_Psw, password_)) {
            Time_sync(App().recorder_id);
            ui::ShowMessage(Hwnd(), L"密码正确,进入移动磁盘模式,当前程序退出!");
            Msdc(App().recorder_id);
            EndDialog(IDCANCEL);
            return;
        }
    } else if (StoredPasswordEquals(Get_Psw_App, password_)) {
        ui::ShowMessage(Hwnd(), L"密码正确,进入移动磁盘盘模式,当前程序退出!");
        Msdc_ROnly(App().recorder_id);
        EndDialog(IDCANCEL);
        return;
    }
    ui::ShowMessage(Hwnd(), kWrongPassword);
}

void LoginDialog::ReleaseTitleFont() {
    if (!titleFont_) return;
    if (Hwnd()) SendMessageW(GetDlgItem(Hwnd(), IDC_STATIC), WM_SETFONT, 0, FALSE);
    DeleteObject(titleFont_);
    titleFont_ = nullptr;
}

void LoginDialog::OnExit() {
    ReleaseTitleFont();
    EndDialog(IDCANCEL);
}

void LoginDialog::OnChooseFolder() {
    UpdateData(true);
    BROWSEINFOW info{};
    info.hwndOwner = Hwnd();
    info.pidlRoot = nullptr;
    info.lpszTitle = L"请选择目录";
    info.ulFlags = 0x55; // file-system folders only, status text, edit box, new style
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (!chosen) return;
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(chosen, path)) {
        App().mediaRootOverride = path;
        UpdateData(false);
    }
    CoTaskMemFree(chosen);
}

void LoginDialog::OnDeviceArrival() {
    // An import pumps messages for its progress window; a second arrival
    // meanwhile must not start another one.
    if (importing_) return;
    // The notification is broadcast, so it also comes while the settings or
    // about dialog or a message box runs above this one (which they keep
    // disabled). Importing then would end this dialog under them; it waits
    // until this dialog is the one taking input again.
    if (!IsWindowEnabled(Hwnd())) {
        arrivalDeferred_ = true;
        return;
    }
    arrivalDeferred_ = false;
    auto drive = FindMarkerDrive();
    // Without a recorder drive there is nothing to open or import: stay open.
    if (!drive) return;
    importing_ = true;
    {
        InertThreadWindows inert;
        OpenDriveInExplorer(*drive);
        ImportMedia(*drive, Hwnd());
    }
    importing_ = false;
    EndDialog(IDCANCEL);
}

bool LoginDialog::OnPaint() {
    if (!IsIconic(Hwnd())) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(), &ps);
    SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Hwnd(), &client);
    int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    int x = (client.right - client.left - cx + 1) / 2;
    int y = (client.bottom - client.top - cy + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(Hwnd(), &ps);
    return true;
}

ui::Dialog::Result LoginDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) break;
        switch (LOWORD(wParam)) {
        case IDC_LOGIN_SETTINGS:
            OnOpenSettings();
            return Handled();
        case IDC_LOGIN_DISK:
            OnRemovableDisk();
            return Handled();
        case IDC_LOGIN_EXIT:
            OnExit();
            return Handled();
        case IDC_LOGIN_FOLDER:
            OnChooseFolder();
            return Handled();
        }
        break;
    case WM_DEVICECHANGE:
        if (wParam == kDeviceArrival) OnDeviceArrival();
        return Handled(TRUE);
    case WM_ENABLE:
        // Enabled again when the window above has ended; the deferred
        // arrival runs once that window's modal loop has returned.
        if (wParam && arrivalDeferred_) PostMessageW(Hwnd(), kDeferredArrival, 0, 0);
        break;
    case kDeferredArrival:
        if (arrivalDeferred_) OnDeviceArrival();
        return Handled(0);
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == kAboutCommand) {
            AboutDialog about;
            about.DoModal(Hwnd());
            return Handled(0);
        }
        break;
    case WM_PAINT:
        if (OnPaint()) return Handled(0);
        break;
    case WM_QUERYDRAGICON:
        return Handled(reinterpret_cast<INT_PTR>(icon_));
    }
    return {};
}
