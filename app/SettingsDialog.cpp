#include "SettingsDialog.h"

#include "AppState.h"
#include "ButtonTips.h"
#include "RecorderClock.h"
#include "RecorderText.h"
#include "ResolutionDigits.h"
#include "SkinEntries.h"
#include "StdoutLine.h"
#include "TextRules.h"
#include "ui/DataExchange.h"
#include "ui/MessageBox.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {
constexpr UINT_PTR kClockTimer = 1;
// The recorder keeps six bytes of a password; a longer entry would be cut
// without notice, so the edits take no more than the recorder keeps.
constexpr std::size_t kPasswordBytes = KETRO_LEN_PSW;
const wchar_t kNoRecorder[] = L"连接失败,请确认驱动程序已正确安装及USB连接可靠!";

struct EditLimit {
    int id;
    std::size_t bytes;
};
constexpr EditLimit kLimits[] = {
    {IDC_SET_ADMIN_PSW, kPasswordBytes},
    {IDC_SET_USER_PSW, kPasswordBytes},
    {IDC_SET_MACHINE, 15},
    {IDC_SET_POLICE_NUMBER, 8},
    {IDC_SET_DEVICE_CLOCK, 30},
    {IDC_SET_USER_ADMIN, 18},
    {IDC_SET_USER_USER, 18},
    {IDC_SET_POLICE, 12},
};

std::size_t LimitOf(int id) {
    for (const auto& l : kLimits)
        if (l.id == id) return l.bytes;
    return 0;
}

void AddStrings(HWND combo, std::initializer_list<const wchar_t*> entries) {
    for (const wchar_t* e : entries) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e));
}

std::wstring FormatTime(std::time_t when, bool centuryAsTwenty) {
    std::tm* local = std::localtime(&when);
    return local ? FormatClockDisplay(*local, centuryAsTwenty) : std::wstring();
}
} // namespace

struct SettingsDialog::TextSetter {
    int button;
    int edit;
    const wchar_t* label;
    std::wstring SettingsDialog::*member;
    bool lettersOrDigits;
    bool (*set)(const char*, const char*);
    std::size_t fieldLength;
    const wchar_t* empty;
    const wchar_t* success;
    const wchar_t* failure;
};

namespace {
const wchar_t kPasswordFailure[] = L"操作失败，请检查USB连接并重新登陆";
}

namespace {
const ButtonTip kTips[] = {
    {IDC_SET_ADMIN_PSW_APPLY, L"<b>修改密码</b><br>把管理员密码（6 位）写入执法仪"},
    {IDC_SET_USER_PSW_APPLY, L"<b>修改密码</b><br>把普通用户密码（6 位）写入执法仪"},
    {IDC_SET_TIME_SYNC, L"<b>同步时间</b><br>用电脑时间设置执法仪时钟"},
    {IDC_SET_POLICE_NUMBER_APPLY, L"<b>确定</b><br>把警员编号写入执法仪"},
    {IDC_SET_USER_ADMIN_APPLY, L"<b>确定</b><br>把警员姓名写入执法仪"},
    {IDC_SET_USER_USER_APPLY, L"<b>确定</b><br>把单位名称写入执法仪"},
    {IDC_SET_POLICE_APPLY, L"<b>确定</b><br>把单位编号写入执法仪"},
    {IDC_SET_WIPE, L"<b>清除</b><br>删除执法仪存储中的<font color=#c00000>所有文件</font>（先请您确认）"},
    {IDC_SET_LEAVE, L"<b>退出系统</b><br>关闭设置，回到登录窗口"},
};
} // namespace

void SettingsDialog::FillCombos() {
    AddStrings(Item(IDC_SET_RESOLUTION), {L"1920*1080", L"1280*720"});
    AddStrings(Item(IDC_SET_PHOTO_SIZE), {L"5M", L"8M", L"12M", L"18M"});
    AddStrings(Item(IDC_SET_SEGMENT), {L"关闭", L"3分", L"5分", L"10分"});
    AddStrings(Item(IDC_SET_POWEROFF), {L"不关机", L"3分钟", L"5分钟", L"10分钟"});
    AddStrings(Item(IDC_SET_STARTUP_PICTURE), {L"关闭", L"开启"});
    AddStrings(Item(IDC_SET_FRAME_RATE), {L"30"});
}

void SettingsDialog::Exchange(ui::DataExchange& dx) {
    dx.Text(IDC_SET_ADMIN_PSW, adminPassword_);
    dx.Text(IDC_SET_USER_PSW, userPassword_);
    dx.Text(IDC_SET_PC_CLOCK, pcClock_);
    dx.Text(IDC_SET_MACHINE, machine_);
    dx.Text(IDC_SET_POLICE_NUMBER, policeNumber_);
    dx.Text(IDC_SET_DEVICE_CLOCK, deviceClockText_);
    dx.Text(IDC_SET_STORAGE, storage_);
    dx.Text(IDC_SET_USER_ADMIN, userAdmin_);
    dx.Text(IDC_SET_USER_USER, userUser_);
    dx.Text(IDC_SET_POLICE, police_);
}

BOOL SettingsDialog::OnInitDialog() {
    FillCombos();
    for (const auto& l : kLimits) LimitBytes(l.id, l.bytes);
    UpdateData(false);

    const char* id = App().recorder_id;
    if (!Ketro_Connect(App().recorder_id)) {
        ui::ShowMessage(Hwnd(), kNoRecorder);
        return TRUE;
    }
    // One shared buffer, as the recorder's answers are read in turn: a read
    // that fails leaves the previous content in place.
    char buffer[48] = {};
    auto field = [&](bool ok, std::wstring& member, std::size_t length) {
        if (ok) member = FromRecorderText(buffer, length);
    };
    field(Get_PoliceNumber(buffer, id), policeNumber_, KETRO_LEN_POLICE_NUMBER);
    field(Get_Machine(buffer, id), machine_, KETRO_LEN_MACHINE);
    field(Get_UserAdmin(buffer, id), userAdmin_, KETRO_LEN_USER_ADMIN);
    field(Get_UserUser(buffer, id), userUser_, KETRO_LEN_USER_USER);
    field(Get_Police(buffer, id), police_, KETRO_LEN_POLICE);

    // A failed read leaves the previous field's text in the buffer; read as
    // option digits it would show, and a later save would send, options the
    // recorder does not have. The boxes stay without a selection instead.
    if (!Get_Reso(buffer, id)) buffer[0] = '\0';
    buffer[sizeof buffer - 1] = '\0';
    RecordingOptions options = ParseResolutionDigits(buffer);
    SendMessageW(Item(IDC_SET_RESOLUTION), CB_SETCURSEL, static_cast<WPARAM>(options.resolution), 0);
    SendMessageW(Item(IDC_SET_PHOTO_SIZE), CB_SETCURSEL, static_cast<WPARAM>(options.photoSize), 0);
    SendMessageW(Item(IDC_SET_FRAME_RATE), CB_SETCURSEL, 0, 0);
    SendMessageW(Item(IDC_SET_SEGMENT), CB_SETCURSEL, static_cast<WPARAM>(options.segment), 0);
    SendMessageW(Item(IDC_SET_POWEROFF), CB_SETCURSEL, static_cast<WPARAM>(options.powerOff), 0);
    SendMessageW(Item(IDC_SET_STARTUP_PICTURE), CB_SETCURSEL, static_cast<WPARAM>(options.startupPicture), 0);

    ReadClock();

    // Likewise a failed storage read shows nothing rather than the tail of an
    // earlier field.
    if (Get_SDremain(buffer + 16, id)) {
        buffer[sizeof buffer - 1] = '\0';
        storage_ = FromRecorderText(buffer + 16, 32);
    }

    UpdateData(false);
    SetTimer(Hwnd(), kClockTimer, 1000, nullptr);
    ApplyButtonTips(Hwnd(), kTips);
    UpdateSaveTip();
    return TRUE;
}

void SettingsDialog::ReadClock() {
    char text[20] = {};
    Get_MacTime(text, App().recorder_id);
    deviceClock_ = ParseClockText(text, sizeof text);
}

void SettingsDialog::OnTick() {
    SetItemText(IDC_SET_PC_CLOCK, FormatTime(std::time(nullptr), false));
    ++deviceClock_;
    SetItemText(IDC_SET_DEVICE_CLOCK, FormatTime(deviceClock_, true));
}

void SettingsDialog::OnTextSetter(const TextSetter& row) {
    UpdateData(true);
    const std::wstring& value = this->*row.member;
    if (value.empty()) {
        ui::ShowMessage(Hwnd(), row.empty);
        return;
    }
    std::optional<std::string> exact = ToRecorderTextExactly(value);
    if (!exact) {
        ui::ShowMessage(Hwnd(), std::wstring(row.label) + L"含有执法仪不支持的字符,请修改后再保存。");
        return;
    }
    const std::string& bytes = *exact;
    // The edit shows what is written, so a longer value read from the
    // recorder is refused until the user shortens it, never cut.
    std::size_t limit = LimitOf(row.edit);
    if (bytes.size() > limit) {
        ui::ShowMessage(
            Hwnd(), std::wstring(row.label) + L"超过" + std::to_wstring(limit) + L"个字节,请修改后再保存。");
        return;
    }
    if (row.lettersOrDigits && !IsLetterOrDigitText(bytes)) {
        ui::ShowMessage(Hwnd(), L"请输入数字或字母");
        return;
    }
    std::vector<char> field = PaddedField(bytes, row.fieldLength);
    bool ok = row.set(field.data(), App().recorder_id);
    ui::ShowMessage(Hwnd(), ok ? row.success : row.failure);
}

namespace {
struct OptionBox {
    int id;
    int RecordingOptions::*index;
    const wchar_t* label;
    int digitPosition; // where the box's digit stands in the eight sent
};
// In the order the boxes stand on the screen, so the first empty one is named.
const OptionBox kOptionBoxes[] = {
    {IDC_SET_RESOLUTION, &RecordingOptions::resolution, L"分辨率", 0},
    {IDC_SET_PHOTO_SIZE, &RecordingOptions::photoSize, L"像素设置", 1},
    {IDC_SET_SEGMENT, &RecordingOptions::segment, L"分段录像", 2},
    {IDC_SET_POWEROFF, &RecordingOptions::powerOff, L"自动关机", 7},
    {IDC_SET_STARTUP_PICTURE, &RecordingOptions::startupPicture, L"开机画面", 6},
};
} // namespace

RecordingOptions SettingsDialog::SelectedOptions() const {
    RecordingOptions o;
    for (const auto& box : kOptionBoxes)
        o.*box.index = static_cast<int>(SendMessageW(Item(box.id), CB_GETCURSEL, 0, 0));
    return o;
}

void SettingsDialog::UpdateSaveTip() {
    // The tip names the digits a save would send for the boxes as they are
    // now; an empty box shows "?" because a save asks for it first.
    const RecordingOptions o = SelectedOptions();
    std::string digits = ComposeResolutionDigits(o);
    for (const auto& box : kOptionBoxes)
        if (o.*box.index < 0) digits[box.digitPosition] = '?';
    const std::wstring text =
        L"<b>确定并保存</b><br>把录像选项作为 8 位数字发送到执法仪：<br><font color=#0040c0><b>" +
        std::wstring(digits.begin(), digits.end()) + L"</b></font>";
    SkinSetTooltipText(Item(IDC_SET_SAVE), text.c_str());
}

void SettingsDialog::OnSave() {
    UpdateData(true);
    const RecordingOptions o = SelectedOptions();
    wchar_t line[64];
    std::swprintf(line, 64, L"m_VideoRes.GetCurSel() = %d\n", o.resolution);
    WriteStdout(line);
    for (const auto& box : kOptionBoxes) {
        // A box left empty by a failed or out-of-range read has no value to
        // send; any digit put in its place would overwrite the recorder's
        // option with one the user never chose.
        if (o.*box.index < 0) {
            ui::ShowMessage(Hwnd(), std::wstring(L"请选择") + box.label + L"后再保存。");
            return;
        }
    }
    std::vector<char> digits = PaddedField(ComposeResolutionDigits(o), KETRO_LEN_RESO);
    bool ok = Set_Reso(digits.data(), App().recorder_id);
    ui::ShowMessage(Hwnd(), ok ? L"设置保存成功" : L"设置保存失败");
}

void SettingsDialog::OnTimeSync() {
    if (Time_sync(App().recorder_id)) {
        ReadClock();
        ui::ShowMessage(Hwnd(), L"时间同步成功");
    } else {
        ui::ShowMessage(Hwnd(), L"时间同步失败");
    }
}

void SettingsDialog::OnWipe() {
    if (!Ketro_Connect(App().recorder_id)) {
        ui::ShowMessage(Hwnd(), kNoRecorder);
        return;
    }
    if (!ui::AskOkCancel(Hwnd(), L"磁盘所有文件将被清空，请您确认？", L"警告")) return;
    bool ok = format(App().recorder_id);
    Sleep(2000);
    // A failed wipe must not be reported as done.
    ui::ShowMessage(Hwnd(), ok ? L"磁盘已清空" : L"磁盘清空失败!", L"提示");
}

void SettingsDialog::OnReset() {
    if (Reset_Param(App().recorder_id)) ui::ShowMessage(Hwnd(), L"reset param!");
}

void SettingsDialog::OnLeave() {
    if (leaving_) return;
    leaving_ = true;
    EndDialog(IDCANCEL);
    if (Owner()) ShowWindow(Owner(), SW_SHOW);
}

ui::Dialog::Result SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    static const TextSetter kRows[] = {
        {IDC_SET_ADMIN_PSW_APPLY, IDC_SET_ADMIN_PSW, L"管理员密码", &SettingsDialog::adminPassword_, true,
         Set_Psw, KETRO_LEN_PSW, L"密码不能为空!", L"管理员密码修改成功", kPasswordFailure},
        {IDC_SET_USER_PSW_APPLY, IDC_SET_USER_PSW, L"用户密码", &SettingsDialog::userPassword_, true,
         Set_Psw_App, KETRO_LEN_PSW, L"密码不能为空!", L"用户密码修改成功", kPasswordFailure},
        {IDC_SET_MACHINE_APPLY, IDC_SET_MACHINE, L"设备编号", &SettingsDialog::machine_, false, Set_Machine,
         KETRO_LEN_MACHINE, L"设备编码不能为空!", L"设置设备编码成功!", L"设置设备编码失败!"},
        {IDC_SET_POLICE_NUMBER_APPLY, IDC_SET_POLICE_NUMBER, L"警员编号", &SettingsDialog::policeNumber_,
         true, Set_PoliceNumber, KETRO_LEN_POLICE_NUMBER, L"警员编码不能为空!", L"设置警员编码成功!",
         L"设置警号失败!"},
        {IDC_SET_USER_ADMIN_APPLY, IDC_SET_USER_ADMIN, L"警员姓名", &SettingsDialog::userAdmin_, false,
         Set_UserAdmin, KETRO_LEN_USER_ADMIN, L"警员姓名不能为空!", L"设置警员姓名成功!",
         L"设置警员姓名失败!"},
        {IDC_SET_USER_USER_APPLY, IDC_SET_USER_USER, L"单位名称", &SettingsDialog::userUser_, false,
         Set_UserUser, KETRO_LEN_USER_USER, L"单位名称不能为空!", L"设置单位名称成功!", L"设置单位名称失败!"},
        {IDC_SET_POLICE_APPLY, IDC_SET_POLICE, L"单位编号", &SettingsDialog::police_, false, Set_Police,
         KETRO_LEN_POLICE, L"单位编号不能为空!", L"设置单位编号成功!", L"设置单位编号失败!"},
    };
    switch (message) {
    case WM_TIMER:
        if (wParam == kClockTimer) OnTick();
        return Handled(0);
    case WM_DESTROY:
        KillTimer(Hwnd(), kClockTimer);
        OnLeave();
        return Handled(0);
    case WM_COMMAND: {
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            UpdateSaveTip();
            break;
        }
        if (HIWORD(wParam) != BN_CLICKED) break;
        int id = LOWORD(wParam);
        for (const auto& row : kRows)
            if (row.button == id) {
                OnTextSetter(row);
                return Handled();
            }
        switch (id) {
        case IDC_SET_SAVE:
            OnSave();
            return Handled();
        case IDC_SET_TIME_SYNC:
            OnTimeSync();
            return Handled();
        case IDC_SET_WIPE:
            OnWipe();
            return Handled();
        case IDC_SET_RESET:
            OnReset();
            return Handled();
        case IDC_SET_LEAVE:
            OnLeave();
            return Handled();
        }
        break;
    }
    }
    return {};
}
