#include "MediaImport.h"

#include "AppState.h"
#include "ExtendedPath.h"
#include "Folders.h"
#include "ImportFacts.h"
#include "ImportManifest.h"
#include "ImportProgressDialog.h"
#include "ImportRecord.h"
#include "ImportStep.h"
#include "ImportTestHook.h"
#include "MediaPlan.h"
#include "MediaWalk.h"
#include "StdoutLine.h"
#include "Utf8.h"
#include "ui/MessageBox.h"

#include <cwchar>
#include <vector>

namespace {

// An empty card-reader slot must not raise the system's "no disk" box while
// drives are probed.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &old_); }
    ~NoCriticalErrorBoxes() { SetThreadErrorMode(old_, nullptr); }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    DWORD old_ = 0;
};

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

FILETIME ToFileTime(std::uint64_t value) {
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

std::uint64_t FromFileTime(const FILETIME& t) {
    return static_cast<std::uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime;
}

// One folder of the drive, through "\\?\" so that deep paths are listed too.
Listing ListDriveFolder(const std::wstring& folder) {
    Listing listing;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(ExtendedPath(JoinPath(folder, L"*")).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) listing.error = error;
        return listing;
    }
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        listing.entries.push_back(
            {name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
             FromFileTime(found.ftCreationTime), FromFileTime(found.ftLastWriteTime),
             static_cast<std::uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow});
    } while (FindNextFileW(find, &found));
    DWORD error = GetLastError();
    if (error != ERROR_NO_MORE_FILES) listing.error = error;
    FindClose(find);
    return listing;
}

// Local time by the time-zone rule in force at that moment, for the date
// and the time of day alike.
SYSTEMTIME LocalTime(const FILETIME& when) {
    SYSTEMTIME utc{}, local{};
    FileTimeToSystemTime(&when, &utc);
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
    return local;
}

std::wstring DayFolder(const FILETIME& created) {
    SYSTEMTIME local = LocalTime(created);
    return DayFolderName(local.wYear, local.wMonth, local.wDay);
}

std::wstring ImportRoot() {
    const std::wstring& chosen = App().mediaRootOverride;
    return chosen.empty() ? std::wstring(L"c:\\MEDIA") : chosen;
}

std::wstring ErrorText(DWORD code) {
    return L"error " + std::to_wstring(code);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(ExtendedPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// "import-YYYYMMDD-HHMMSS" from the local start time, "-N" added when an
// import of the same second left its records already.
std::wstring RecordBaseName(const std::wstring& root) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t text[40];
    std::swprintf(text, 40, L"import-%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    std::wstring base = text;
    for (unsigned n = 2; Exists(JoinPath(root, base + L".sha256")) || Exists(JoinPath(root, base + L".txt"));
         ++n)
        base = text + (L"-" + std::to_wstring(n));
    return base;
}

std::wstring SummaryText(const ImportSummary& summary, const std::vector<std::wstring>& notImported) {
    wchar_t counts[200];
    std::swprintf(counts, 200, L"媒体导入完成：已校验 %u 个文件，已导入过 %u 个文件，失败 %u 个。",
                  summary.verified, summary.alreadyImported, summary.failed);
    std::wstring text = counts;
    std::wstring name = summary.manifest.substr(summary.manifest.find_last_of(L'\\') + 1);
    text += summary.manifest.empty() ? L"\n清单未能写入！" : L"\n清单：" + name;
    constexpr std::size_t kListed = 8;
    if (!notImported.empty()) {
        text += L"\n未导入：";
        for (std::size_t i = 0; i < notImported.size() && i < kListed; ++i) text += L"\n" + notImported[i];
        if (notImported.size() > kListed) text += L"\n……（详见导入记录）";
    }
    return text;
}

} // namespace

std::optional<std::wstring> FindMarkerDrive() {
    NoCriticalErrorBoxes quiet;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        wchar_t root[4] = {letter, L':', L'\\', 0};
        if (GetDriveTypeW(root) != DRIVE_REMOVABLE) continue;
        WIN32_FIND_DATAW entry;
        HANDLE find = FindFirstFileW((std::wstring(root) + L"USBSEL.lct").c_str(), &entry);
        if (find == INVALID_HANDLE_VALUE) continue;
        FindClose(find);
        return std::wstring(root);
    }
    return std::nullopt;
}

void OpenDriveInExplorer(const std::wstring& path) {
    std::wstring commandLine = L"explorer.exe /e,/root, " + path;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

ImportSummary ImportMedia(const std::wstring& driveRoot, HWND owner) {
    NoCriticalErrorBoxes quiet;
    ImportSummary summary;
    ImportRecord record;
    record.started = IsoUtcNow();
    AddSettingFacts(driveRoot, record);

    const std::wstring root = ImportRoot();
    MakeDirectory(root);
    record.importRoot = ToUtf8(root);
    const std::wstring base = RecordBaseName(root);
    const std::wstring manifestPath = JoinPath(root, base + L".sha256");
    record.manifest = ToUtf8(base + L".sha256");

    std::wstring source = driveRoot;
    while (source.size() > 2 && IsSeparator(source.back())) source.pop_back();
    const MediaWalk walk = WalkMedia(source, ListDriveFolder);

    std::vector<std::wstring> notImported;
    for (const auto& u : walk.unread) {
        WriteStdout(L"folder not read: " + u.folder + L" (" + ErrorText(u.error) + L")\r\n");
        record.unreadFolders.push_back(ToUtf8(u.folder) + " (" + ToUtf8(ErrorText(u.error)) + ")");
        notImported.push_back(u.folder + L"\\…");
        ++summary.failed;
    }

    unsigned long long totalBytes = 0;
    for (const auto& f : walk.files) totalBytes += f.entry.size;

    ImportProgressDialog progress(static_cast<unsigned>(walk.files.size()), totalBytes);
    progress.Show(owner);
    progress.SetManifest(base + L".sha256");
    progress.SetOutcome(summary.verified, summary.alreadyImported, summary.failed);
    const AfterWriteHook damage = DamageHookFromEnvironment();
    DestinationNames names;
    std::string manifest;
    unsigned long long bytesDone = 0;
    unsigned index = 0;
    for (const auto& walked : walk.files) {
        const ListedEntry& f = walked.entry;
        const MediaClass mediaClass = ClassifyMedia(f.name);
        const std::wstring from = JoinPath(walked.folder, f.name);
        const std::wstring classFolder = MediaClassFolder(mediaClass);
        const std::wstring day = DayFolder(ToFileTime(f.created));
        const std::wstring folder = JoinPath(JoinPath(root, classFolder), day);
        progress.SetCurrentFile(from, index);
        ImportedFile entry;
        entry.source = ToUtf8(from);
        entry.size = f.size;
        entry.created = IsoUtc(ToFileTime(f.created));
        entry.modified = IsoUtc(ToFileTime(f.written));

        ImportStepResult step;
        if (!MakeDirectory(folder)) {
            step.note = L"cannot create the folder " + folder;
        } else {
            step = ImportOneFile(
                from, f.size, folder, f.name, names,
                [&](unsigned long long copied, unsigned long long readBack) {
                    progress.SetBytesDone(bytesDone + (copied + readBack) / 2);
                    progress.Pump();
                },
                damage);
        }
        entry.outcome = step.outcome;
        entry.note = ToUtf8(step.note);
        if (!step.destination.empty()) WriteStdout(from + L"  \t " + step.destination + L"\r\n");
        if (step.outcome == ImportOutcome::Failed) {
            ++summary.failed;
            notImported.push_back(from);
            WriteStdout(L"copy failed: " + from + L"  \t " + step.destination + L" (" + step.note + L")\r\n");
        } else {
            step.outcome == ImportOutcome::Verified ? ++summary.verified : ++summary.alreadyImported;
            std::wstring fileName = step.destination.substr(step.destination.find_last_of(L'\\') + 1);
            entry.destination = ToUtf8(classFolder + L"/" + day + L"/" + fileName);
            entry.sha256 = ToHex(step.digest);
            manifest += FormatManifestLine({step.digest, entry.destination});
        }
        record.files.push_back(std::move(entry));
        bytesDone += f.size;
        progress.SetBytesDone(bytesDone);
        progress.SetCurrentFile(from, ++index);
        progress.SetOutcome(summary.verified, summary.alreadyImported, summary.failed);
        progress.Pump();
    }

    record.ended = IsoUtcNow();
    bool recorded = WriteWhole(JoinPath(root, base + L".txt"), FormatImportRecord(record));
    if (recorded && WriteWhole(manifestPath, manifest)) summary.manifest = manifestPath;
    if (summary.manifest.empty()) WriteStdout(L"manifest not written: " + manifestPath + L"\r\n");
    progress.Close();

    ui::ShowMessage(owner, SummaryText(summary, notImported));
    return summary;
}
