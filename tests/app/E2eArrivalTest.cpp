// A drive arriving while another window runs above the login dialog: the
// import waits for the login dialog, then holds every window inert, and a
// second arrival meanwhile starts nothing.
#include "AppDriver.h"

#include <gtest/gtest.h>

#include <functional>

using namespace e2e;

namespace {
const std::wstring kMarker = L"R:\\USBSEL.lct";
const std::wstring kVideo = L"R:\\ARRIVAL1.MP4";
const std::wstring kProgressTitle = L"正在导入媒体文件";
const std::wstring kSettingsTitle = L"单警执法视音频记录仪 V4.3";

// Large enough for the copy to last while the test looks at the windows.
void PutLargeVideo() {
    HANDLE file = CreateFileW(kVideo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 300ll * 1024 * 1024;
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
}

void WaitGone(HWND window) {
    for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(50);
    EXPECT_FALSE(IsWindow(window));
}

struct Above {
    const char* name;
    // Opens the window and returns it.
    std::function<HWND(App&)> open;
    // Shows that the window still works, then closes it.
    std::function<void(App&, HWND)> useAndClose;
};
} // namespace

TEST(DeviceArrival, WaitsForTheWindowAboveThenImportsWithEverythingInert) {
    ASSERT_EQ(GetDriveTypeW(L"R:\\"), static_cast<UINT>(DRIVE_REMOVABLE)) << "run scripts/setup";
    const Above kCases[] = {
        {"settings dialog",
         [](App& app) {
             app.Type(app.Login(), 1002, L"888888");
             app.Press(app.Login(), 1004);
             return app.WaitDialog(kSettingsTitle);
         },
         [](App& app, HWND settings) {
             app.Press(settings, 1008);
             app.Expect(L"时间同步成功");
             app.Press(settings, 1015);
             WaitGone(settings);
         }},
        {"about dialog",
         [](App& app) {
             PostMessageW(app.Login(), WM_SYSCOMMAND, 0x0010, 0);
             return app.WaitDialog(L"单警执法视音频记录仪");
         },
         [](App& app, HWND about) {
             app.Press(about, IDOK);
             WaitGone(about);
         }},
        {"message box",
         [](App& app) {
             app.Press(app.Login(), 1004);
             return app.WaitBox().hwnd;
         },
         [](App& app, HWND box) {
             app.Dismiss(Box{box, L"", L""});
         }},
    };
    PutLargeVideo();
    WriteBytes(kMarker, "KT2024000001 rw\r\n");
    for (const Above& above : kCases) {
        SCOPED_TRACE(above.name);
        SimRecorder recorder(L"arrival-above");
        App app(recorder);
        ASSERT_NE(app.Login(), nullptr);
        HWND window = above.open(app);
        ASSERT_NE(window, nullptr);

        app.SendDeviceChange(0x8000);
        EXPECT_EQ(app.WaitDialog(kProgressTitle, 1500), nullptr);
        EXPECT_TRUE(IsWindowVisible(app.Login()));
        above.useAndClose(app, window);

        HWND progress = app.WaitDialog(kProgressTitle, 20000);
        ASSERT_NE(progress, nullptr);
        EXPECT_FALSE(IsWindowEnabled(app.Login()));
        app.SendDeviceChange(0x8000);
        Box summary = app.WaitBox(120000);
        EXPECT_NE(summary.text.find(L"媒体导入完成"), std::wstring::npos) << Gbk(summary.text);
        app.Dismiss(summary);
        // One import only: the application ends after its summary.
        EXPECT_TRUE(app.WaitExit());
    }
    DeleteFileW(kVideo.c_str());
    DeleteFileW(kMarker.c_str());
    RemoveTree(L"c:\\MEDIA");
}
