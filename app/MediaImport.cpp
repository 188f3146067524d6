#include "MediaImport.h"

#include "AppState.h"
#include "FileCopy.h"
#include "Folders.h"
#include "ImportProgressDialog.h"
#include "MediaPlan.h"
#include "StdoutLine.h"
#include "ui/MessageBox.h"

#include <cwchar>
#include <vector>

namespace {

struct SourceFile {
    std::wstring folder;
    std::wstring name;
    FILETIME created;
    unsigned long long size;
};

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Depth first, in the order the file system lists the entries; folders whose
// name begins with "." are not entered, hidden and system files are taken.
void ListDirectory(const std::wstring& folder, std::vector<SourceFile>& files) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(JoinPath(folder, L"*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!name.empty() && name[0] != L'.') ListDirectory(JoinPath(folder, name), files);
        } else if (ClassifyMedia(name) != MediaClass::Other) {
            files.push_back(
                {folder, name, entry.ftCreationTime,
                 (static_cast<unsigned long long>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow});
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

std::wstring DayFolder(const FILETIME& created) {
    SYSTEMTIME utc{}, local{};
    FileTimeToSystemTime(&created, &utc);
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
    return DayFolderName(local.wYear, local.wMonth, local.wDay);
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring ImportRoot() {
    const std::wstring& chosen = App().mediaRootOverride;
    return chosen.empty() ? std::wstring(L"c:\\MEDIA") : chosen;
}

} // namespace

std::optional<std::wstring> FindMarkerDrive() {
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
    ImportSummary summary;
    const std::wstring root = ImportRoot();
    MakeDirectory(root);

    std::wstring source = driveRoot;
    while (source.size() > 2 && IsSeparator(source.back())) source.pop_back();
    std::vector<SourceFile> files;
    ListDirectory(source, files);

    unsigned long long totalBytes = 0;
    for (const auto& f : files) totalBytes += f.size;

    ImportProgressDialog progress(static_cast<unsigned>(files.size()), totalBytes);
    progress.Show(owner);
    DestinationNames names;
    unsigned long long bytesDone = 0;
    unsigned index = 0;
    for (const auto& f : files) {
        MediaClass mediaClass = ClassifyMedia(f.name);
        std::wstring from = JoinPath(f.folder, f.name);
        std::wstring folder = JoinPath(JoinPath(root, MediaClassFolder(mediaClass)), DayFolder(f.created));
        if (!Exists(folder)) MakeDirectory(folder);
        std::wstring to = names.Claim(folder, f.name);
        WriteStdout(from + L"  \t " + to + L"\r\n");
        progress.SetCurrentFile(from, index);
        DWORD error = 0;
        bool copied = CopyFileInChunks(
            from, to,
            [&](unsigned long long done) {
                progress.SetBytesDone(bytesDone + done);
                progress.Pump();
            },
            &error);
        if (copied) {
            ++summary.copied;
        } else {
            ++summary.failed;
            wchar_t code[32];
            std::swprintf(code, 32, L"%lu", error);
            WriteStdout(L"copy failed: " + from + L"  \t " + to + L" (error " + code + L")\r\n");
        }
        bytesDone += f.size;
        progress.SetBytesDone(bytesDone);
        progress.SetCurrentFile(from, ++index);
        progress.Pump();
    }
    progress.Close();

    wchar_t text[160];
    std::swprintf(text, 160, L"媒体导入完成：已复制 %u 个文件，失败 %u 个文件。", summary.copied,
                  summary.failed);
    ui::ShowMessage(owner, text);
    return summary;
}
