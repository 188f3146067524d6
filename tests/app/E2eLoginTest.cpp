// The login dialog end to end: every refusal, both removable-disk flows,
// the ways out, and the about box.
#include "AppDriver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {
constexpr int kRole = 1015, kPassword = 1002, kDisk = 1003, kSettings = 1004, kExit = 1005;
const std::wstring kNoRecorder = L"连接失败,请确认驱动程序已正确安装及USB连接可靠!";
const std::wstring kWrong = L"密码错误，请重新输入!";
const std::wstring kSettingsTitle = L"单警执法视音频记录仪 V4.3";
} // namespace

TEST(LoginDialog, RefusalsKeepTheDialogOpen) {
    SimRecorder recorder(L"login-refusals");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    EXPECT_EQ(App::ComboIndex(app.Login(), kRole), 0);
    EXPECT_EQ(App::ItemText(app.Login(), -1), L"单警执法视音频记录仪");
    CreateDirectoryW((BinFolder() + L"\\screenshots").c_str(), nullptr);
    EXPECT_TRUE(SaveScreenshot(app.Login(), BinFolder() + L"\\screenshots\\login.bmp"));

    // Empty password, both buttons.
    app.Press(app.Login(), kSettings);
    app.Expect(L"密码不能为空!");
    app.Press(app.Login(), kDisk);
    app.Expect(L"密码不能为空!");

    // Wrong administrator password; letters differ only in case.
    recorder.Set("psw", "Ab12cd");
    app.Type(app.Login(), kPassword, L"ab12cd");
    app.Press(app.Login(), kSettings);
    app.Expect(kWrong);
    app.Press(app.Login(), kDisk);
    app.Expect(kWrong);

    // The user may not open the settings, whatever the password.
    app.SelectRole(1);
    app.Type(app.Login(), kPassword, L"000000");
    app.Press(app.Login(), kSettings);
    app.Expect(L"用户无此权限!");
    app.Type(app.Login(), kPassword, L"000001");
    app.Press(app.Login(), kDisk);
    app.Expect(kWrong);
    EXPECT_EQ(recorder.Get("mode"), "<unset>");

    // Escape ends the application like the exit button.
    PostMessageW(GetDlgItem(app.Login(), kPassword), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(GetDlgItem(app.Login(), kPassword), WM_KEYUP, VK_ESCAPE, 0xC0010001);
    ASSERT_TRUE(app.WaitExit());
    EXPECT_EQ(app.ExitCode(), 0u);
}

TEST(LoginDialog, NoRecorderGivesTheConnectionMessage) {
    SimRecorder recorder(L"login-absent", "", false);
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    // An empty password is refused before any library call.
    app.Press(app.Login(), kSettings);
    app.Expect(L"密码不能为空!");
    app.Type(app.Login(), kPassword, L"888888");
    app.Press(app.Login(), kSettings);
    app.Expect(kNoRecorder);
    app.SelectRole(1);
    // The connection is checked before the role.
    app.Press(app.Login(), kSettings);
    app.Expect(kNoRecorder);
    app.Press(app.Login(), kDisk);
    app.Expect(kNoRecorder);
    app.Press(app.Login(), kExit);
    ASSERT_TRUE(app.WaitExit());
    EXPECT_EQ(app.ExitCode(), 0u);
}

TEST(LoginDialog, FailedPasswordReadsNeverMatch) {
    // The recorder is there but refuses both password reads.
    SimRecorder recorder(L"login-read-fails",
                         "log = transfer.log\nfault.status = 0x00\nfault.commands = OY\n");
    recorder.Set("clock_offset", "-100000");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);

    // The user asking for the settings is refused after the connection check
    // and before any password is read.
    app.SelectRole(1);
    app.Type(app.Login(), kPassword, L"000000");
    app.Press(app.Login(), kSettings);
    app.Expect(L"用户无此权限!");
    std::string log = ReadBytes(recorder.Folder() + L"\\transfer.log");
    EXPECT_NE(log.find("open "), std::string::npos);
    EXPECT_EQ(log.find("out 01 4F "), std::string::npos);
    EXPECT_EQ(log.find("out 01 59 "), std::string::npos);

    // The typed passwords are the recorder's, but unread they cannot match.
    app.Press(app.Login(), kDisk);
    app.Expect(kWrong);
    app.SelectRole(0);
    app.Type(app.Login(), kPassword, L"888888");
    app.Press(app.Login(), kSettings);
    app.Expect(kWrong);
    app.Press(app.Login(), kDisk);
    app.Expect(kWrong);
    EXPECT_EQ(recorder.Get("mode"), "<unset>");
    EXPECT_EQ(recorder.Get("clock_offset"), "-100000");
    app.Press(app.Login(), kExit);
    ASSERT_TRUE(app.WaitExit());
}

TEST(LoginDialog, CharacterGbkCannotHoldNeverMatchesAStoredQuestionMark) {
    SimRecorder recorder(L"login-gbk", "log = transfer.log\n");
    recorder.Set("psw", "88888?");
    recorder.Set("psw_app", "0000?");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    const struct {
        int role, button;
        const wchar_t* typed;
    } kCases[] = {
        {0, kSettings, L"88888한"},
        {0, kDisk, L"88888\u00e4"},
        {1, kDisk, L"0000\U0001F600"}, // one "?" for the pair
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(Gbk(c.typed));
        app.SelectRole(c.role);
        app.Type(app.Login(), kPassword, c.typed);
        app.Press(app.Login(), c.button);
        app.Expect(L"密码含有执法仪不支持的字符,请重新输入!");
    }
    // Refused before the library was called at all.
    EXPECT_EQ(ReadBytes(recorder.Folder() + L"\\transfer.log").find("open "), std::string::npos);
    EXPECT_EQ(recorder.Get("mode"), "<unset>");
    EXPECT_EQ(app.WaitDialog(kSettingsTitle, 300), nullptr);
    app.Press(app.Login(), kExit);
    ASSERT_TRUE(app.WaitExit());
}

TEST(LoginDialog, AdministratorDiskModeSyncsClockThenSwitches) {
    SimRecorder recorder(L"login-admin-disk");
    recorder.Set("clock_offset", "-100000");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    app.Type(app.Login(), kPassword, L"888888");
    app.Press(app.Login(), kDisk);
    Box box = app.WaitBox();
    EXPECT_EQ(box.text, L"密码正确,进入移动磁盘模式,当前程序退出!");
    EXPECT_EQ(box.caption, L"brevox");
    // The clock is synced before the message, the switch after it.
    EXPECT_NE(recorder.Get("clock_offset"), "-100000");
    EXPECT_EQ(recorder.Get("mode"), "<unset>");
    app.Dismiss(box);
    ASSERT_TRUE(app.WaitExit());
    EXPECT_EQ(recorder.Get("mode"), "msdc");
    EXPECT_TRUE(Exists(recorder.StoragePath() + L"\\USBSEL.lct"));
}

TEST(LoginDialog, UserDiskModeIsReadOnlyWithoutClockSync) {
    SimRecorder recorder(L"login-user-disk");
    recorder.Set("clock_offset", "-100000");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    app.SelectRole(1);
    app.Type(app.Login(), kPassword, L"000000");
    app.Press(app.Login(), kDisk);
    app.Expect(L"密码正确,进入移动磁盘盘模式,当前程序退出!");
    ASSERT_TRUE(app.WaitExit());
    EXPECT_EQ(recorder.Get("mode"), "msdc_ronly");
    EXPECT_EQ(recorder.Get("clock_offset"), "-100000");
}

TEST(LoginDialog, PasswordEditTakesSixBytes) {
    SimRecorder recorder(L"login-six");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    // The seventh character is refused, so the stored six match.
    app.Type(app.Login(), kPassword, L"8888889");
    app.Press(app.Login(), kSettings);
    HWND settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    app.Press(settings, 1015);
    for (int i = 0; i < 100 && IsWindow(settings); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(settings));
    EXPECT_TRUE(app.Running());
    // Enter in the password edit presses the default button "设置".
    PostMessageW(GetDlgItem(app.Login(), kPassword), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(GetDlgItem(app.Login(), kPassword), WM_KEYUP, VK_RETURN, 0xC01C0001);
    settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 100 && IsWindow(settings); ++i) Sleep(50);
    EXPECT_TRUE(app.Running());
    app.Press(app.Login(), kExit);
    ASSERT_TRUE(app.WaitExit());
}

TEST(LoginDialog, AboutBoxThroughSystemCommand) {
    SimRecorder recorder(L"login-about");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    PostMessageW(app.Login(), WM_SYSCOMMAND, 0x0013, 0);
    HWND about = app.WaitDialog(L"单警执法视音频记录仪");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(App::ItemText(about, IDOK), L"确定");
    app.Press(about, IDOK);
    for (int i = 0; i < 100 && IsWindow(about); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(app.Running());
    app.Press(app.Login(), kExit);
    ASSERT_TRUE(app.WaitExit());
}
