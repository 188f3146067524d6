// The settings dialog's opening when the recorder is gone or refuses some
// reads, and option digits that name no list entry.
#include "AppDriver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace {
const std::wstring kSettingsTitle = L"单警执法视音频记录仪 V4.3";
const std::wstring kNoRecorder = L"连接失败,请确认驱动程序已正确安装及USB连接可靠!";
constexpr int kTextFields[] = {1009, 1010, 1032, 1034, 1036, 1024};
constexpr int kOptionBoxes[] = {1001, 1016, 1002, 1003, 1030};

void LogIn(App& app) {
    app.Type(app.Login(), 1002, L"888888");
    app.Press(app.Login(), 1004);
}

// Closes the settings dialog and keeps the login dialog running.
void CloseSettings(App& app, HWND settings) {
    app.Press(settings, 1015);
    for (int i = 0; i < 100 && IsWindow(settings); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(settings));
    EXPECT_TRUE(app.Running());
}

void Quit(App& app) {
    app.Press(app.Login(), 1005);
    EXPECT_TRUE(app.WaitExit());
}
} // namespace

TEST(SettingsOpening, RecorderGoneAfterLoginLeavesEverythingEmpty) {
    // The password read succeeds, then the recorder leaves the bus.
    SimRecorder recorder(L"opening-gone", "fault.commands = O\nfault.drop_off = answer_ack\n");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    LogIn(app);
    app.Expect(kNoRecorder);
    HWND settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(recorder.Get("attached"), "no");

    for (int id : kTextFields) EXPECT_EQ(App::ItemText(settings, id), L"") << id;
    for (int id : kOptionBoxes) EXPECT_EQ(App::ComboIndex(settings, id), -1) << id;
    EXPECT_EQ(App::ComboIndex(settings, 1014), -1);
    // No clock runs.
    Sleep(1400);
    EXPECT_EQ(App::ItemText(settings, 1022), L"");
    EXPECT_EQ(App::ItemText(settings, 1023), L"");

    // Every button stays active and makes its own attempt.
    app.Press(settings, 1008);
    app.Expect(L"时间同步失败");
    app.Press(settings, 1033);
    app.Expect(L"警员姓名不能为空!");
    app.Type(settings, 1032, L"李四");
    app.Press(settings, 1033);
    app.Expect(L"设置警员姓名失败!");
    // Nothing was read, so there is nothing to save: the first empty option
    // is named instead of a library call.
    app.Press(settings, 1013);
    app.Expect(L"请选择分辨率后再保存。");
    EXPECT_NE(recorder.Get("user_admin"), Gbk(L"李四"));
    std::string reso = recorder.Get("reso");
    EXPECT_TRUE(reso == "<unset>" || reso == "21100112") << reso;

    // Enter (no default button) ends the dialog like Escape.
    HWND edit = GetDlgItem(settings, 1032);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    for (int i = 0; i < 100 && IsWindow(settings); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(settings));
    EXPECT_TRUE(app.Running());

    // With the recorder back, a new login finds it and shows it in full.
    std::string config = ReadBytes(recorder.ConfigPath());
    config.erase(config.find("fault."));
    ASSERT_TRUE(WriteBytes(recorder.ConfigPath(), config));
    recorder.Set("attached", "yes");
    LogIn(app);
    settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(app.NoBoxWithin(300));
    EXPECT_EQ(App::ItemText(settings, 1009), L"010001");
    app.Type(settings, 1032, L"李四");
    app.Press(settings, 1033);
    app.Expect(L"设置警员姓名成功!");
    EXPECT_EQ(recorder.Get("user_admin"), Gbk(L"李四"));
    CloseSettings(app, settings);
    Quit(app);
    EXPECT_NE(app.Stdout().find("m_VideoRes.GetCurSel() = -1\n"), std::string::npos);
}

TEST(SettingsOpening, FailedReadsLeaveExactlyTheirFieldsEmpty) {
    SimRecorder recorder(L"opening-reads");
    recorder.Set("sd_remain", "1234567/29000M");
    // Eighteen bytes of unit name fill the shared read buffer past the place
    // where the storage text goes.
    recorder.Set("user_user", Gbk(L"一二三四五六七八九"));
    const std::string base = ReadBytes(recorder.ConfigPath());
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);

    // All five text fields refused; options, clock and storage read.
    ASSERT_TRUE(WriteBytes(recorder.ConfigPath(), base + "fault.status = 0x00\nfault.commands = PJIHC\n"));
    LogIn(app);
    HWND settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(app.NoBoxWithin(300));
    for (int id : {1009, 1010, 1032, 1034, 1036}) EXPECT_EQ(App::ItemText(settings, id), L"") << id;
    EXPECT_EQ(App::ItemText(settings, 1024), L"1234567/29000M");
    EXPECT_EQ(App::ComboIndex(settings, 1001), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1016), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1002), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1030), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1003), 2);
    Sleep(1400);
    EXPECT_EQ(App::ItemText(settings, 1023).substr(0, 2), L"20");
    EXPECT_NE(App::ItemText(settings, 1023).substr(0, 11), L"2012年01月01日");
    CloseSettings(app, settings);

    // Device number, options, storage and clock refused; the rest read. The
    // options and the storage text stay empty rather than showing what an
    // earlier read left in the buffer.
    ASSERT_TRUE(WriteBytes(recorder.ConfigPath(), base + "fault.status = 0x00\nfault.commands = JEfh\n"));
    LogIn(app);
    settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(app.NoBoxWithin(300));
    EXPECT_EQ(App::ItemText(settings, 1009), L"010001");
    EXPECT_EQ(App::ItemText(settings, 1010), L"");
    EXPECT_EQ(App::ItemText(settings, 1032), L"张伟");
    EXPECT_EQ(App::ItemText(settings, 1034), L"一二三四五六七八九");
    EXPECT_EQ(App::ItemText(settings, 1036), L"320100000000");
    EXPECT_EQ(App::ItemText(settings, 1024), L"");
    for (int id : kOptionBoxes) EXPECT_EQ(App::ComboIndex(settings, id), -1) << id;
    EXPECT_EQ(App::ComboIndex(settings, 1014), 0);
    // A clock read that fails shows the fallback time, running on.
    Sleep(1400);
    EXPECT_EQ(App::ItemText(settings, 1023).substr(0, 18), L"2012年01月01日 12时30分");
    CloseSettings(app, settings);
    Quit(app);
}

TEST(SettingsOpening, OptionDigitsOutsideTheListsSelectNothing) {
    SimRecorder recorder(L"opening-digits");
    recorder.Set("reso", "19500092");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    LogIn(app);
    HWND settings = app.WaitDialog(kSettingsTitle);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(App::ComboIndex(settings, 1001), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1016), -1);
    EXPECT_EQ(App::ComboIndex(settings, 1002), -1);
    EXPECT_EQ(App::ComboIndex(settings, 1030), -1);
    EXPECT_EQ(App::ComboIndex(settings, 1003), 2);
    // Save names each empty option in turn and sends nothing until every
    // option has been chosen.
    const struct {
        int box, index;
        const wchar_t* asked;
    } kChoices[] = {
        {1016, 2, L"请选择像素设置后再保存。"},
        {1002, 3, L"请选择分段录像后再保存。"},
        {1030, 0, L"请选择开机画面后再保存。"},
    };
    for (const auto& choice : kChoices) {
        app.Press(settings, 1013);
        app.Expect(choice.asked);
        EXPECT_EQ(recorder.Get("reso"), "19500092");
        App::SetComboIndex(settings, choice.box, choice.index);
    }
    app.Press(settings, 1013);
    app.Expect(L"设置保存成功");
    EXPECT_EQ(recorder.Get("reso"), "22300102");
    // The start-up picture box is editable: typed text that names no entry
    // is no choice either.
    HWND typed = FindWindowExW(GetDlgItem(settings, 1030), nullptr, L"Edit", nullptr);
    ASSERT_NE(typed, nullptr);
    SendMessageW(typed, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    for (wchar_t c : std::wstring(L"常亮")) SendMessageW(typed, WM_CHAR, c, 1);
    app.Press(settings, 1013);
    app.Expect(L"请选择开机画面后再保存。");
    EXPECT_EQ(recorder.Get("reso"), "22300102");
    CloseSettings(app, settings);
    Quit(app);
}
