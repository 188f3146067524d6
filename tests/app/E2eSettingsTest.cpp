// The settings dialog end to end against the simulated recorder.
#include "AppDriver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace e2e;

namespace {
const std::wstring kSettingsTitle = L"单警执法视音频记录仪 V4.3";

// Logs in as administrator and opens the settings dialog.
HWND OpenSettings(App& app) {
    app.Type(app.Login(), 1002, L"888888");
    app.Press(app.Login(), 1004);
    return app.WaitDialog(kSettingsTitle);
}

void Leave(App& app, HWND settings) {
    app.Press(settings, 1015);
    for (int i = 0; i < 100 && IsWindow(settings); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(settings));
    app.Press(app.Login(), 1005);
    EXPECT_TRUE(app.WaitExit());
}

struct Row {
    int edit, button;
    const char* key;
    const wchar_t *empty, *success, *failure;
    bool lettersOnly;
    const wchar_t* value;
    const char* stored;
};
const Row kRows[] = {
    {1004, 1006, "psw", L"密码不能为空!", L"管理员密码修改成功", L"操作失败，请检查USB连接并重新登陆", true,
     L"Ab12cd", "Ab12cd"},
    {1005, 1007, "psw_app", L"密码不能为空!", L"用户密码修改成功", L"操作失败，请检查USB连接并重新登陆", true,
     L"xyz789", "xyz789"},
    {1010, 1011, "machine", L"设备编码不能为空!", L"设置设备编码成功!", L"设置设备编码失败!", false, nullptr,
     "KT0000001"},
    {1009, 1012, "police_number", L"警员编码不能为空!", L"设置警员编码成功!", L"设置警号失败!", true,
     L"A1234567", "A1234567"},
    {1032, 1033, "user_admin", L"警员姓名不能为空!", L"设置警员姓名成功!", L"设置警员姓名失败!", false,
     L"欧阳明", "\xC5\xB7\xD1\xF4\xC3\xF7"},
    {1034, 1035, "user_user", L"单位名称不能为空!", L"设置单位名称成功!", L"设置单位名称失败!", false,
     L"交警 二大队", "\xBD\xBB\xBE\xAF \xB6\xFE\xB4\xF3\xB6\xD3"},
    {1036, 1037, "police", L"单位编号不能为空!", L"设置单位编号成功!", L"设置单位编号失败!", false,
     L"3201-05", "3201-05"},
};

std::string Padded(const char* value, std::size_t length) {
    std::string s(value);
    s.resize(length, '\0');
    return s;
}
} // namespace

TEST(SettingsDialog, ShowsTheRecorderAndSavesEveryField) {
    SimRecorder recorder(L"settings-fields");
    recorder.Set("sd_remain", "1234567/29000M");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    HWND settings = OpenSettings(app);
    ASSERT_NE(settings, nullptr);

    EXPECT_EQ(App::ItemText(settings, 1009), L"010001");
    EXPECT_EQ(App::ItemText(settings, 1010), L"KT0000001");
    EXPECT_EQ(App::ItemText(settings, 1032), L"张伟");
    EXPECT_EQ(App::ItemText(settings, 1034), L"市公安局巡警支队");
    EXPECT_EQ(App::ItemText(settings, 1036), L"320100000000");
    EXPECT_EQ(App::ItemText(settings, 1024), L"1234567/29000M");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(settings, 1010)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(settings, 1011)));
    // Default digits 21100112: any resolution digit above 1 selects 1280*720.
    EXPECT_EQ(App::ComboIndex(settings, 1001), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1016), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1002), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1014), 0);
    EXPECT_EQ(App::ComboIndex(settings, 1030), 1);
    EXPECT_EQ(App::ComboIndex(settings, 1003), 2);
    // An index is the digit sent to the recorder, so every list keeps the
    // order of its digits; a sorted box would order by the locale's collation.
    const struct {
        int box;
        std::vector<std::wstring> entries;
    } kLists[] = {
        {1001, {L"1920*1080", L"1280*720"}},
        {1016, {L"5M", L"8M", L"12M", L"18M"}},
        {1002, {L"关闭", L"3分", L"5分", L"10分"}},
        {1003, {L"不关机", L"3分钟", L"5分钟", L"10分钟"}},
        {1030, {L"关闭", L"开启"}},
        {1014, {L"30"}},
    };
    for (const auto& list : kLists) {
        SCOPED_TRACE(list.box);
        HWND box = GetDlgItem(settings, list.box);
        EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & CBS_SORT, 0);
        std::vector<std::wstring> entries;
        for (int i = 0; i < static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0)); ++i) {
            wchar_t text[64] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        EXPECT_EQ(entries, list.entries);
    }
    Sleep(1500);
    EXPECT_NE(App::ItemText(settings, 1022).find(L"年"), std::wstring::npos);
    EXPECT_EQ(App::ItemText(settings, 1023).substr(0, 2), L"20");

    CreateDirectoryW((BinFolder() + L"\\screenshots").c_str(), nullptr);
    EXPECT_TRUE(SaveScreenshot(settings, BinFolder() + L"\\screenshots\\settings.bmp"));

    for (const Row& row : kRows) {
        SCOPED_TRACE(row.key);
        // The device number edit is disabled: only its hidden button remains.
        if (row.value) {
            app.Type(settings, row.edit, L"");
            app.Press(settings, row.button);
            app.Expect(row.empty);
            if (row.lettersOnly) {
                for (const wchar_t* bad : {L"ab_1", L"a b", L"密码"}) {
                    app.Type(settings, row.edit, bad);
                    app.Press(settings, row.button);
                    app.Expect(L"请输入数字或字母");
                }
            }
            app.Type(settings, row.edit, row.value);
        }
        app.Press(settings, row.button);
        app.Expect(row.success);
        std::size_t length = std::string(row.key) == "psw" || std::string(row.key) == "psw_app" ? 6
                             : std::string(row.key) == "machine"                                ? 15
                             : std::string(row.key) == "police_number"                          ? 16
                             : std::string(row.key) == "police"                                 ? 12
                                                                                                : 18;
        std::string stored = recorder.Get(row.key);
        EXPECT_EQ(stored.substr(0, std::strlen(row.stored)), row.stored);
        EXPECT_LE(stored.size(), length);
        (void)Padded;
    }

    // Nine Chinese characters are 18 bytes: the tenth is refused by the edit.
    app.Type(settings, 1032, L"一二三四五六七八九十");
    EXPECT_EQ(App::ItemText(settings, 1032), L"一二三四五六七八九");
    app.Press(settings, 1033);
    app.Expect(L"设置警员姓名成功!");
    EXPECT_EQ(recorder.Get("user_admin").substr(0, 18), Gbk(L"一二三四五六七八九"));
    // The officer number edit takes 8 bytes, the passwords the recorder's 6.
    app.Type(settings, 1009, L"123456789");
    EXPECT_EQ(App::ItemText(settings, 1009), L"12345678");
    app.Type(settings, 1004, L"1234567");
    app.Press(settings, 1006);
    app.Expect(L"管理员密码修改成功");
    EXPECT_EQ(recorder.Get("psw").substr(0, 6), "123456");
    EXPECT_EQ(recorder.Get("psw").find('7'), std::string::npos);

    // Save composes the eight digits from the boxes.
    App::SetComboIndex(settings, 1001, 1);
    App::SetComboIndex(settings, 1016, 2);
    App::SetComboIndex(settings, 1002, 2);
    App::SetComboIndex(settings, 1030, 1);
    App::SetComboIndex(settings, 1003, 3);
    app.Press(settings, 1013);
    app.Expect(L"设置保存成功");
    EXPECT_EQ(recorder.Get("reso"), "22200113");
    App::SetComboIndex(settings, 1001, 0);
    App::SetComboIndex(settings, 1016, 0);
    App::SetComboIndex(settings, 1002, 0);
    App::SetComboIndex(settings, 1030, 0);
    App::SetComboIndex(settings, 1003, 0);
    app.Press(settings, 1013);
    app.Expect(L"设置保存成功");
    EXPECT_EQ(recorder.Get("reso"), "00000100");

    // Clock sync, hidden reset.
    app.Press(settings, 1008);
    app.Expect(L"时间同步成功");
    app.Press(settings, 1026);
    app.Expect(L"reset param!");
    Leave(app, settings);
    std::string out = app.Stdout();
    EXPECT_NE(out.find("m_VideoRes.GetCurSel() = 1\n"), std::string::npos);
    EXPECT_NE(out.find("m_VideoRes.GetCurSel() = 0\n"), std::string::npos);
}

TEST(SettingsDialog, InvalidRecorderClockShowsTheFallback) {
    SimRecorder recorder(L"settings-clock");
    recorder.Set("clock_text", "2014071809080"); // 13 digits
    // Longer than the edit takes by typing: still shown as the recorder has it.
    recorder.Set("police_number", "ABCDEFGHIJ12");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    HWND settings = OpenSettings(app);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(App::ItemText(settings, 1009), L"ABCDEFGHIJ12");
    EXPECT_EQ(App::ItemText(settings, 1023), L"");
    Sleep(1400);
    // 2012-01-01 12:30:44, advanced by one second per tick.
    std::wstring shown = App::ItemText(settings, 1023);
    EXPECT_EQ(shown.substr(0, 18), L"2012年01月01日 12时30分");
    EXPECT_TRUE(shown == L"2012年01月01日 12时30分45秒" || shown == L"2012年01月01日 12时30分46秒")
        << Gbk(shown);
    // A clock sync sets the recorder from the computer and reads it again;
    // the display follows at the next tick.
    app.Press(settings, 1008);
    app.Expect(L"时间同步成功");
    Sleep(1400);
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t today[32];
    swprintf(today, 32, L"%04d年%02d月%02d日", now.wYear, now.wMonth, now.wDay);
    EXPECT_EQ(App::ItemText(settings, 1023).substr(0, 11), today);
    Leave(app, settings);
}

TEST(SettingsDialog, SettersWriteExactlyWhatTheEditShows) {
    SimRecorder recorder(L"settings-exact");
    recorder.Set("police_number", "ABCDEFGHIJ12");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    HWND settings = OpenSettings(app);
    ASSERT_NE(settings, nullptr);
    ASSERT_EQ(App::ItemText(settings, 1009), L"ABCDEFGHIJ12");

    // Unchanged, the twelve bytes the edit shows are refused, not cut to 8.
    app.Press(settings, 1012);
    app.Expect(L"警员编号超过8个字节,请修改后再保存。");
    EXPECT_EQ(recorder.Get("police_number"), "ABCDEFGHIJ12");

    // Each backspace shortens it, though it is still over the limit; typing
    // cannot make it longer again.
    HWND edit = GetDlgItem(settings, 1009);
    for (const wchar_t* expected : {L"ABCDEFGHIJ1", L"ABCDEFGHIJ", L"ABCDEFGHI", L"ABCDEFGH"}) {
        SendMessageW(edit, EM_SETSEL, 64, 64);
        SendMessageW(edit, WM_CHAR, VK_BACK, 1);
        EXPECT_EQ(App::ItemText(settings, 1009), expected);
        SendMessageW(edit, WM_CHAR, L'Z', 1);
        EXPECT_EQ(App::ItemText(settings, 1009), expected);
    }
    app.Press(settings, 1012);
    app.Expect(L"设置警员编码成功!");
    EXPECT_EQ(recorder.Get("police_number"), "ABCDEFGH");

    // Characters GBK cannot hold are refused, never sent as "?" or a
    // look-alike.
    const struct {
        int edit, button;
        const char* key;
        const wchar_t *text, *refusal;
    } kCases[] = {
        {1032, 1033, "user_admin", L"李한", L"警员姓名含有执法仪不支持的字符,请修改后再保存。"},
        {1034, 1035, "user_user", L"交警\U0001F600", L"单位名称含有执法仪不支持的字符,请修改后再保存。"},
        {1036, 1037, "police", L"32\u202201", L"单位编号含有执法仪不支持的字符,请修改后再保存。"},
        // A look-alike "a" would pass the letters-or-digits rule.
        {1004, 1006, "psw", L"ab12\u00e4", L"管理员密码含有执法仪不支持的字符,请修改后再保存。"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.key);
        std::string before = recorder.Get(c.key);
        app.Type(settings, c.edit, c.text);
        ASSERT_EQ(App::ItemText(settings, c.edit), c.text);
        app.Press(settings, c.button);
        app.Expect(c.refusal);
        EXPECT_EQ(recorder.Get(c.key), before);
    }
    Leave(app, settings);
}

TEST(SettingsDialog, WipeQuestionBothAnswers) {
    SimRecorder recorder(L"settings-wipe");
    WriteBytes(recorder.StoragePath() + L"\\VID0001.AVI", "video");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    HWND settings = OpenSettings(app);
    ASSERT_NE(settings, nullptr);

    app.Press(settings, 1031);
    Box question = app.WaitBox();
    EXPECT_EQ(question.caption, L"警告");
    EXPECT_EQ(question.text, L"磁盘所有文件将被清空，请您确认？");
    app.Dismiss(question, IDCANCEL);
    EXPECT_TRUE(app.NoBoxWithin(500));
    EXPECT_TRUE(Exists(recorder.StoragePath() + L"\\VID0001.AVI"));

    app.Press(settings, 1031);
    question = app.WaitBox();
    EXPECT_EQ(question.caption, L"警告");
    DWORD start = GetTickCount();
    app.Dismiss(question, IDOK);
    app.Expect(L"磁盘已清空", L"提示");
    EXPECT_GE(GetTickCount() - start, 1900u);
    EXPECT_FALSE(Exists(recorder.StoragePath() + L"\\VID0001.AVI"));
    Leave(app, settings);
}

TEST(SettingsDialog, EveryFailureMessage) {
    // The recorder is found but refuses every command.
    SimRecorder recorder(L"settings-failures");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    HWND settings = OpenSettings(app);
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(
        WriteBytes(recorder.ConfigPath(), ReadBytes(recorder.ConfigPath()) + "fault.status = 0x00\n"));
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.key);
        if (row.value) app.Type(settings, row.edit, row.value);
        app.Press(settings, row.button);
        app.Expect(row.failure);
    }
    app.Press(settings, 1013);
    app.Expect(L"设置保存失败");
    app.Press(settings, 1008);
    app.Expect(L"时间同步失败");
    // The reset says nothing when it fails.
    app.Press(settings, 1026);
    EXPECT_TRUE(app.NoBoxWithin(800));
    // A wipe that fails is reported as such.
    app.Press(settings, 1031);
    Box question = app.WaitBox();
    EXPECT_EQ(question.caption, L"警告");
    app.Dismiss(question, IDOK);
    app.Expect(L"磁盘清空失败!", L"提示");

    // Without the recorder the wipe asks nothing.
    ASSERT_TRUE(WriteBytes(recorder.ConfigPath(), "[bus]\n"));
    app.Press(settings, 1031);
    app.Expect(L"连接失败,请确认驱动程序已正确安装及USB连接可靠!");
    Leave(app, settings);
}
