// Removable-disk mode and the media import end to end: the recorder's drive
// is R:, a removable drive of the test prefix backed by a folder.
#include "AppDriver.h"
#include "ImportDrive.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <vector>

using namespace e2e;

namespace {
void ArriveAndFinish(App& app, const std::wstring& counts) {
    app.SendDeviceChange(0x8000);
    Box box = app.WaitBox(60000);
    EXPECT_EQ(Gbk(box.text.substr(0, box.text.find(L'\n'))), Gbk(counts));
    EXPECT_NE(box.text.find(L"\n清单：import-"), std::wstring::npos) << Gbk(box.text);
    EXPECT_EQ(box.caption, L"brevox");
    app.Dismiss(box);
    EXPECT_TRUE(app.WaitExit());
}

struct Expected {
    std::wstring source, folder, name;
};
} // namespace

TEST(MediaImport, ArrivalWithoutMarkerDriveDoesNothing) {
    ASSERT_NE(GetDriveTypeW(kDrive.c_str()), static_cast<UINT>(DRIVE_NO_ROOT_DIR)) << "run scripts/setup";
    EXPECT_EQ(GetDriveTypeW(kDrive.c_str()), static_cast<UINT>(DRIVE_REMOVABLE));
    ClearDrive();
    PutMedia(L"A.JPG", "photo");
    SimRecorder recorder(L"import-nomarker");
    std::wstring log = recorder.Folder() + L"\\explorer.log";
    App app(recorder, log);
    ASSERT_NE(app.Login(), nullptr);
    app.SendDeviceChange(0x8000);
    // Other device events are ignored too.
    app.SendDeviceChange(0x8004);
    EXPECT_TRUE(app.NoBoxWithin(1500));
    EXPECT_TRUE(app.Running());
    EXPECT_FALSE(Exists(log));
    app.Press(app.Login(), 1005);
    EXPECT_TRUE(app.WaitExit());
}

TEST(MediaImport, DiskModeThenArrivalCopiesByClassAndDay) {
    ClearDrive();
    RemoveTree(kMedia);
    SimRecorder recorder(L"import-flow", "", true, kDrive);

    // Administrator switches the recorder to disk mode: the marker appears.
    {
        App app(recorder);
        ASSERT_NE(app.Login(), nullptr);
        app.Type(app.Login(), 1002, L"888888");
        app.Press(app.Login(), 1003);
        app.Expect(L"密码正确,进入移动磁盘模式,当前程序退出!");
        ASSERT_TRUE(app.WaitExit());
    }
    ASSERT_TRUE(Exists(L"R:\\USBSEL.lct"));

    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 131 + (i >> 9));
    std::vector<Expected> copied = {
        {PutMedia(L"A.JPG", "photo A"), L"PHOTOS", L"A.JPG"},
        {PutMedia(L"DCIM\\b.jpeg", "photo b"), L"PHOTOS", L"b.jpeg"},
        {PutMedia(L"DCIM\\100\\c.Mp4", big), L"MOVIES", L"c.Mp4"},
        {PutMedia(L"VIDEO\\d.ASF", "asf"), L"MOVIES", L"d.ASF"},
        {PutMedia(L"z.jpg.bak", "backup"), L"PHOTOS", L"z.jpg.bak"},
        {PutMedia(L"f.JPGX", "jpgx"), L"PHOTOS", L"f.JPGX"},
        {PutMedia(L"s.avi", "hidden video", FILE_ATTRIBUTE_HIDDEN), L"MOVIES", L"s.avi"},
        {PutMedia(L"录音\\会议 记录.wav", "audio"), L"AUDIOS", L"会议 记录.wav"},
    };
    for (const wchar_t* skipped : {L"x.txt", L"y", L"g.JP", L"a.b.wav", L".hidden\\h.jpg"})
        PutMedia(skipped, "skip");
    // Same name, class and day from two folders: both kept.
    std::wstring first = PutMedia(L"DCIM\\IMG.JPG", "first IMG");
    std::wstring second = PutMedia(L"PHOTO\\IMG.JPG", "second IMG");
    // A copy that cannot succeed: the test holds its source open without
    // sharing for the first import.
    std::wstring failing = PutMedia(L"e.wav", "audio e");
    std::wstring blocked = kMedia + L"\\AUDIOS\\" + DayOf(failing) + L"\\e.wav";
    HANDLE lock = CreateFileW(failing.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    std::wstring day = DayOf(kDrive + L"A.JPG");
    RecordProperty("creation_time_kept", day == L"20140718" ? "yes" : "no");

    std::wstring log = recorder.Folder() + L"\\explorer.log";
    std::string out;
    {
        App app(recorder, log);
        ASSERT_NE(app.Login(), nullptr);
        ArriveAndFinish(app, L"媒体导入完成：已校验 10 个文件，已导入过 0 个文件，失败 1 个。");
        out = app.Stdout();
    }
    CloseHandle(lock);
    std::string logBytes = ReadBytes(log);
    std::wstring logText(reinterpret_cast<const wchar_t*>(logBytes.data()),
                         logBytes.size() / sizeof(wchar_t));
    EXPECT_NE(logText.find(L"explorer.exe /e,/root, R:\\"), std::wstring::npos) << Gbk(logText);

    for (const auto& e : copied) {
        std::wstring to = kMedia + L"\\" + e.folder + L"\\" + DayOf(e.source) + L"\\" + e.name;
        SCOPED_TRACE(Gbk(to));
        EXPECT_TRUE(ReadBytes(to) == ReadBytes(e.source));
        EXPECT_NE(out.find(Gbk(e.source + L"  \t " + to + L"\r\n")), std::string::npos);
    }
    std::wstring photos = kMedia + L"\\PHOTOS\\" + DayOf(first);
    EXPECT_EQ(ReadBytes(photos + L"\\IMG.JPG"), "first IMG");
    EXPECT_EQ(ReadBytes(photos + L"\\IMG_2.JPG"), "second IMG");
    EXPECT_NE(out.find(Gbk(second + L"  \t " + photos + L"\\IMG_2.JPG\r\n")), std::string::npos);
    EXPECT_FALSE(Exists(kMedia + L"\\PHOTOS\\" + day + L"\\h.jpg"));
    EXPECT_FALSE(Exists(kMedia + L"\\AUDIOS\\" + day + L"\\a.b.wav"));
    EXPECT_FALSE(Exists(kMedia + L"\\PHOTOS\\" + day + L"\\g.JP"));
    EXPECT_NE(out.find(Gbk(L"copy failed: " + failing + L"  \t " + blocked)), std::string::npos) << out;
    EXPECT_FALSE(Exists(blocked));

    // A second import of the same drive keeps the earlier copies: a changed
    // file is kept beside its earlier copy, the rest is already there.
    WriteBytes(kDrive + L"A.JPG", "photo A, second version");
    {
        App app(recorder, log);
        ASSERT_NE(app.Login(), nullptr);
        ArriveAndFinish(app, L"媒体导入完成：已校验 2 个文件，已导入过 9 个文件，失败 0 个。");
    }
    EXPECT_EQ(ReadBytes(photos + L"\\A.JPG"), "photo A");
    EXPECT_EQ(ReadBytes(photos + L"\\A_2.JPG"), "photo A, second version");
    EXPECT_EQ(ReadBytes(blocked), "audio e");
    EXPECT_EQ(ReadBytes(photos + L"\\IMG_2.JPG"), "second IMG");
    EXPECT_FALSE(Exists(photos + L"\\IMG_3.JPG"));
    ClearDrive();
}

TEST(MediaImport, FolderChooserReplacesTheRoot) {
    ClearDrive();
    WriteBytes(kDrive + L"USBSEL.lct", "KT2024000001 rw\r\n");
    std::wstring photo = PutMedia(L"DCIM\\A.JPG", "photo");
    std::wstring audio = PutMedia(L"会议.wav", "audio");
    // The browser opens on the desktop; Wine's browser ignores its edit box,
    // so the desktop folder itself is chosen. (Roots with blanks and command
    // characters are covered where folders are made.)
    wchar_t desktop[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop)));
    const std::wstring root = desktop;
    for (const wchar_t* kind : {L"\\PHOTOS", L"\\MOVIES", L"\\AUDIOS"}) RemoveTree(root + kind);
    SimRecorder recorder(L"import-chosen");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);

    app.Press(app.Login(), 1024);
    constexpr int kBrowserTree = 14145;
    HWND browser = app.WaitDialogWith(kBrowserTree);
    ASSERT_NE(browser, nullptr);
    PostMessageW(browser, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(browser); ++i) Sleep(50);
    ASSERT_FALSE(IsWindow(browser));

    ArriveAndFinish(app, L"媒体导入完成：已校验 2 个文件，已导入过 0 个文件，失败 0 个。");
    std::string out = app.Stdout();
    std::wstring photoCopy = root + L"\\PHOTOS\\" + DayOf(photo) + L"\\A.JPG";
    std::wstring audioCopy = root + L"\\AUDIOS\\" + DayOf(audio) + L"\\会议.wav";
    EXPECT_EQ(ReadBytes(photoCopy), "photo");
    EXPECT_EQ(ReadBytes(audioCopy), "audio");
    EXPECT_NE(out.find(Gbk(photo + L"  \t " + photoCopy + L"\r\n")), std::string::npos) << out;
    for (const wchar_t* kind : {L"\\PHOTOS", L"\\MOVIES", L"\\AUDIOS"}) RemoveTree(root + kind);
    WIN32_FIND_DATAW entry;
    HANDLE records = FindFirstFileW((root + L"\\import-*").c_str(), &entry);
    ASSERT_NE(records, INVALID_HANDLE_VALUE) << "no manifest in the chosen root";
    do DeleteFileW((root + L"\\" + entry.cFileName).c_str());
    while (FindNextFileW(records, &entry));
    FindClose(records);
    ClearDrive();
}

TEST(MediaImport, ProgressWindowDuringALargeCopy) {
    ClearDrive();
    RemoveTree(kMedia);
    WriteBytes(kDrive + L"USBSEL.lct", "KT2024000001 rw\r\n");
    std::wstring big = PutMedia(L"VIDEO\\LONG0001.MP4", "");
    {
        HANDLE file = CreateFileW(big.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER size;
        size.QuadPart = 400ll * 1024 * 1024;
        SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    SimRecorder recorder(L"import-progress");
    App app(recorder);
    ASSERT_NE(app.Login(), nullptr);
    app.SendDeviceChange(0x8000);
    HWND progress = app.WaitDialog(L"正在导入媒体文件", 20000);
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(IsWindowEnabled(app.Login()));
    std::wstring count = App::ItemText(progress, 1102);
    EXPECT_TRUE(count == L"文件: 0 / 1" || count == L"文件: 1 / 1") << Gbk(count);
    EXPECT_NE(App::ItemText(progress, 1103).find(L"/ 400.0 MB"), std::wstring::npos);
    CreateDirectoryW((BinFolder() + L"\\screenshots").c_str(), nullptr);
    SaveScreenshot(progress, BinFolder() + L"\\screenshots\\import-progress.bmp");
    EXPECT_NE(App::ItemText(progress, 1106).find(L"清单: import-"), std::wstring::npos);
    Box box = app.WaitBox(120000);
    EXPECT_EQ(Gbk(box.text.substr(0, box.text.find(L'\n'))),
              Gbk(L"媒体导入完成：已校验 1 个文件，已导入过 0 个文件，失败 0 个。"));
    app.Dismiss(box);
    EXPECT_TRUE(app.WaitExit());
    WIN32_FILE_ATTRIBUTE_DATA copied{};
    EXPECT_TRUE(GetFileAttributesExW((kMedia + L"\\MOVIES\\" + DayOf(big) + L"\\LONG0001.MP4").c_str(),
                                     GetFileExInfoStandard, &copied));
    EXPECT_EQ(copied.nFileSizeLow, 400u * 1024 * 1024);
    RemoveTree(kMedia);
    ClearDrive();
}
