// Imports that hold up as evidence, end to end under Wine: every import
// writes a manifest and a record, a second import skips what is there, a
// wiped recorder's new files of the same names are kept beside the old ones,
// a copy damaged before it is read back is caught, and the verify tool finds
// changed, missing and extra files.
#include "AppDriver.h"
#include "FileHash.h"
#include "ImportDrive.h"
#include "ImportManifest.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

using namespace e2e;

namespace {
struct Outcome {
    unsigned verified = 0, alreadyImported = 0, failed = 0;
    std::wstring manifest; // full path
    std::wstring text;     // the summary box
    std::string out;       // standard output
};

Outcome Import(const std::wstring& recorderName) {
    SimRecorder recorder(recorderName);
    App app(recorder);
    Outcome o;
    if (!app.Login()) return o;
    app.SendDeviceChange(0x8000);
    Box box = app.WaitBox(120000);
    o.text = box.text;
    EXPECT_EQ(
        std::swscanf(box.text.c_str(), L"媒体导入完成：已校验 %u 个文件，已导入过 %u 个文件，失败 %u 个。",
                     &o.verified, &o.alreadyImported, &o.failed),
        3)
        << Gbk(box.text);
    auto at = box.text.find(L"清单：");
    if (at != std::wstring::npos)
        o.manifest = kMedia + L"\\" + box.text.substr(at + 3, box.text.find(L'\n', at) - at - 3);
    app.Dismiss(box);
    EXPECT_TRUE(app.WaitExit());
    o.out = app.Stdout();
    return o;
}

struct ToolRun {
    DWORD status = 99;
    std::string out;
};

ToolRun Verify(const std::wstring& manifest) {
    ToolRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    std::wstring exe = BinFolder() + L"\\brevox-verify.exe";
    std::wstring commandLine = L"\"" + exe + L"\" \"" + manifest + L"\"";
    PROCESS_INFORMATION process{};
    BOOL ok = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                             nullptr, nullptr, &startup, &process);
    CloseHandle(write);
    EXPECT_TRUE(ok) << "brevox-verify.exe did not start";
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(read, chunk, sizeof chunk, &got, nullptr) && got > 0) run.out.append(chunk, got);
    CloseHandle(read);
    if (ok) {
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    return run;
}

unsigned CountFiles(const std::wstring& folder) {
    unsigned n = 0;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        n += (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CountFiles(folder + L"\\" + name) : 1;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return n;
}

void FreshDrive() {
    ClearDrive();
    RemoveTree(kMedia);
    WriteBytes(kDrive + L"USBSEL.lct", "KT2024000001 rw\r\n");
}

// The day folder of files put on the drive now (the prefix's file system
// may not keep a creation time that is set).
std::wstring Day() {
    return DayOf(kDrive + L"USBSEL.lct");
}

std::wstring Photos() {
    return kMedia + L"\\PHOTOS\\" + Day();
}
} // namespace

// Also run alone by Sha256sumCheck.sh, which then checks the manifest it
// leaves with the sha256sum tool on the Unix side.
TEST(MediaImportEvidence, ManifestAndRecordOfAnImport) {
    FreshDrive();
    PutMedia(L"A.JPG", "photo A");
    PutMedia(L"DCIM\\b.jpeg", "photo b");
    PutMedia(L"录音\\会议 记录.wav", "meeting");
    ASSERT_EQ(DayOf(kDrive + L"A.JPG"), Day());
    Outcome o = Import(L"evidence-manifest");
    EXPECT_EQ(o.verified, 3u);
    EXPECT_EQ(o.alreadyImported + o.failed, 0u);
    ASSERT_FALSE(o.manifest.empty()) << Gbk(o.text);

    ParsedManifest m = ParseManifest(ReadBytes(o.manifest));
    ASSERT_TRUE(m.problems.empty());
    ASSERT_EQ(m.entries.size(), 3u);
    for (const auto& entry : m.entries) {
        std::wstring relative;
        ASSERT_TRUE(FromUtf8(entry.path, relative));
        SCOPED_TRACE(entry.path);
        EXPECT_EQ(relative.find(L'\\'), std::wstring::npos);
        for (auto& c : relative)
            if (c == L'/') c = L'\\';
        Sha256Digest digest{};
        EXPECT_EQ(HashFile(kMedia + L"\\" + relative, digest), FileHashResult::Hashed);
        EXPECT_EQ(digest, entry.digest);
    }
    EXPECT_EQ(m.entries[2].path, ToUtf8(L"AUDIOS/" + Day() + L"/会议 记录.wav"));

    // The record beside it: the import's facts and one line per file.
    std::wstring recordPath = o.manifest.substr(0, o.manifest.size() - 7) + L".txt";
    std::string record = ReadBytes(recordPath);
    for (const char* fact : {"started\t20", "ended\t20", "computer\t", "user\t", "volume serial\t",
                             "application\tbrevox 4.", "manifest\timport-", "verified\t3\n", "failed\t0\n"})
        EXPECT_NE(record.find(fact), std::string::npos) << fact << "\n" << record;
    EXPECT_NE(record.find("verified\t7\t"), std::string::npos) << record;
    EXPECT_NE(record.find("R:\\A.JPG\tPHOTOS/" + Gbk(Day()) + "/A.JPG\t" + ToHex(m.entries[0].digest)),
              std::string::npos)
        << record;
    EXPECT_FALSE(Exists(o.manifest + L".partial"));

    ToolRun run = Verify(o.manifest);
    EXPECT_EQ(run.status, 0u) << run.out;
    EXPECT_NE(run.out.find("3 files listed: 3 OK"), std::string::npos) << run.out;
}

TEST(MediaImportEvidence, SecondImportSkipsAndAWipedRecorderKeepsBothSets) {
    FreshDrive();
    PutMedia(L"DCIM\\IMG0001.JPG", "Monday 1");
    PutMedia(L"DCIM\\IMG0002.JPG", "Monday 2");
    PutMedia(L"VIDEO\\MOV0001.MP4", "Monday video");
    Outcome first = Import(L"evidence-reimport");
    EXPECT_EQ(first.verified, 3u);
    const unsigned filesAfterFirst = CountFiles(kMedia + L"\\PHOTOS") + CountFiles(kMedia + L"\\MOVIES");

    Outcome second = Import(L"evidence-reimport");
    EXPECT_EQ(second.verified, 0u);
    EXPECT_EQ(second.alreadyImported, 3u);
    EXPECT_EQ(second.failed, 0u);
    EXPECT_EQ(CountFiles(kMedia + L"\\PHOTOS") + CountFiles(kMedia + L"\\MOVIES"), filesAfterFirst);
    EXPECT_NE(second.manifest, first.manifest);
    EXPECT_EQ(ParseManifest(ReadBytes(second.manifest)).entries.size(), 3u);

    // Wiped, numbering restarted: new recordings under the old names (one
    // of them, by chance, identical to the old one).
    ClearDrive();
    WriteBytes(kDrive + L"USBSEL.lct", "KT2024000001 rw\r\n");
    PutMedia(L"DCIM\\IMG0001.JPG", "Tuesday 1");
    PutMedia(L"DCIM\\IMG0002.JPG", "Monday 2");
    PutMedia(L"VIDEO\\MOV0001.MP4", "Tuesday video, longer");
    Outcome wiped = Import(L"evidence-reimport");
    EXPECT_EQ(wiped.verified, 2u);
    EXPECT_EQ(wiped.alreadyImported, 1u);
    EXPECT_EQ(wiped.failed, 0u);
    EXPECT_EQ(ReadBytes(Photos() + L"\\IMG0001.JPG"), "Monday 1");
    EXPECT_EQ(ReadBytes(Photos() + L"\\IMG0001_2.JPG"), "Tuesday 1");
    EXPECT_EQ(ReadBytes(Photos() + L"\\IMG0002.JPG"), "Monday 2");
    EXPECT_FALSE(Exists(Photos() + L"\\IMG0002_2.JPG"));
    EXPECT_EQ(ReadBytes(kMedia + L"\\MOVIES\\" + Day() + L"\\MOV0001.MP4"), "Monday video");
    EXPECT_EQ(ReadBytes(kMedia + L"\\MOVIES\\" + Day() + L"\\MOV0001_2.MP4"), "Tuesday video, longer");
    for (const auto& manifest : {first.manifest, second.manifest, wiped.manifest})
        EXPECT_EQ(Verify(manifest).status, 0u) << Gbk(manifest);
}

TEST(MediaImportEvidence, CopyDamagedBeforeReadBackIsCaught) {
    FreshDrive();
    PutMedia(L"A.JPG", "photo A");
    PutMedia(L"B.JPG", std::string(5 << 20, 'b'));
    struct Case {
        const wchar_t* damage;
        unsigned verified, alreadyImported, failed;
    };
    // Damaged on every attempt: retried once, then failed and removed.
    // Damaged once: the retry is good.
    const Case cases[] = {{L"B.JPG", 1, 0, 1}, {L"B.JPG:once", 1, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Gbk(c.damage));
        SetEnvironmentVariableW(L"BREVOX_TEST_DAMAGE_COPY", c.damage);
        Outcome o = Import(L"evidence-damage");
        SetEnvironmentVariableW(L"BREVOX_TEST_DAMAGE_COPY", nullptr);
        EXPECT_EQ(o.verified, c.verified);
        EXPECT_EQ(o.alreadyImported, c.alreadyImported);
        EXPECT_EQ(o.failed, c.failed);
        EXPECT_FALSE(Exists(Photos() + L"\\B.JPG.brevox-partial"));
        if (c.failed) {
            EXPECT_FALSE(Exists(Photos() + L"\\B.JPG"));
            EXPECT_NE(o.text.find(L"未导入：\nR:\\B.JPG"), std::wstring::npos) << Gbk(o.text);
            EXPECT_NE(o.out.find("read back differently"), std::string::npos) << o.out;
            EXPECT_EQ(ParseManifest(ReadBytes(o.manifest)).entries.size(), 1u);
        } else {
            EXPECT_EQ(ReadBytes(Photos() + L"\\B.JPG"), ReadBytes(kDrive + L"B.JPG"));
        }
    }
}

TEST(MediaImportEvidence, VerifyToolFindsChangedMissingAndExtraFiles) {
    FreshDrive();
    PutMedia(L"A.JPG", "photo A");
    PutMedia(L"B.JPG", "photo B");
    PutMedia(L"C.JPG", "photo C");
    Outcome o = Import(L"evidence-verify");
    ASSERT_EQ(o.verified, 3u);
    WriteBytes(Photos() + L"\\A.JPG", "photo A, edited");
    DeleteFileW((Photos() + L"\\B.JPG").c_str());
    WriteBytes(Photos() + L"\\X.JPG", "slipped in");
    ToolRun run = Verify(o.manifest);
    EXPECT_EQ(run.status, 1u);
    const std::string day = "PHOTOS/" + Gbk(Day());
    EXPECT_EQ(run.out, "CHANGED " + day + "/A.JPG\r\nMISSING " + day + "/B.JPG\r\nEXTRA " + day +
                           "/X.JPG\r\n"
                           "3 files listed: 1 OK, 1 changed, 1 missing, 0 unreadable; 1 extra\r\n");
}

TEST(MediaImportEvidence, VerifyToolRefusesBadManifests) {
    CreateDirectoryW(kMedia.c_str(), nullptr);
    const std::string hash(64, 'c');
    const std::pair<std::string, const char*> cases[] = {
        {hash + "  ..\\..\\windows\\win.ini\n", "backslash"},
        {hash + "  ../outside.jpg\n", "leaves the manifest's folder"},
        {hash + "  PHOTOS/\xD6\xD0.JPG\n", "not valid UTF-8"},
        {"not a manifest line\n", "not a \"<64 hex digits>  <path>\" line"},
        {hash + "  c:/windows/win.ini\n", "colon"},
    };
    for (const auto& [text, reason] : cases) {
        SCOPED_TRACE(text);
        std::wstring path = kMedia + L"\\bad.sha256";
        WriteBytes(path, hash + "  PHOTOS/20140718/A.JPG\n" + text);
        ToolRun run = Verify(path);
        EXPECT_EQ(run.status, 2u);
        EXPECT_NE(run.out.find("manifest refused, nothing was checked"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("line 2: "), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(reason), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("MISSING"), std::string::npos) << run.out;
        DeleteFileW(path.c_str());
    }
}

TEST(MediaImportEvidence, HiddenReadOnlyAndDeepFiles) {
    FreshDrive();
    std::wstring deep = L"DEEP";
    while (deep.size() < 300) deep += L"\\folder-of-a-long-recorder-path";
    struct File {
        std::wstring relative, copy;
        DWORD attributes;
    };
    const File files[] = {
        {L"H.JPG", Photos() + L"\\H.JPG", FILE_ATTRIBUTE_HIDDEN},
        {L"RO.JPG", Photos() + L"\\RO.JPG", FILE_ATTRIBUTE_READONLY},
        {L"S.WAV", kMedia + L"\\AUDIOS\\" + Day() + L"\\S.WAV",
         FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN},
        {deep + L"\\DEEP.MP4", kMedia + L"\\MOVIES\\" + Day() + L"\\DEEP.MP4", 0},
    };
    for (const auto& f : files) PutMedia(f.relative, "content of " + Gbk(f.relative), f.attributes);
    Outcome o = Import(L"evidence-attributes");
    EXPECT_EQ(o.verified, 4u) << Gbk(o.text);
    EXPECT_EQ(o.failed, 0u) << o.out;
    for (const auto& f : files) {
        SCOPED_TRACE(Gbk(f.copy));
        EXPECT_EQ(ReadBytes(f.copy), "content of " + Gbk(f.relative));
        DWORD attributes = GetFileAttributesW(f.copy.c_str());
        EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY), 0u);
    }

    // An older import left its copy read-only; the recorder's file changed.
    SetFileAttributesW(files[1].copy.c_str(), FILE_ATTRIBUTE_READONLY);
    PutMedia(files[1].relative, "a different recording", files[1].attributes);
    Outcome again = Import(L"evidence-attributes");
    EXPECT_EQ(again.verified, 1u) << Gbk(again.text);
    EXPECT_EQ(again.alreadyImported, 3u);
    EXPECT_EQ(again.failed, 0u) << again.out;
    EXPECT_EQ(ReadBytes(files[1].copy), "content of RO.JPG");
    EXPECT_EQ(ReadBytes(Photos() + L"\\RO_2.JPG"), "a different recording");
    EXPECT_EQ(Verify(again.manifest).status, 0u);
    SetFileAttributesW(files[1].copy.c_str(), FILE_ATTRIBUTE_NORMAL);
}
