#include "ImportDrive.h"

#include "AppDriver.h"
#include "ExtendedPath.h"

#include <gtest/gtest.h>

namespace e2e {

const std::wstring kDrive = L"R:\\";
const std::wstring kMedia = L"c:\\MEDIA";

void ClearDrive() {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(L"R:\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") RemoveTree(kDrive + name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

std::wstring DayOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(ExtendedPath(path).c_str(), GetFileExInfoStandard, &data);
    SYSTEMTIME utc{}, local{};
    FileTimeToSystemTime(&data.ftCreationTime, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    wchar_t day[16];
    swprintf(day, 16, L"%04d%02d%02d", local.wYear, local.wMonth, local.wDay);
    return day;
}

std::wstring PutMedia(const std::wstring& relative, const std::string& content, DWORD attributes) {
    std::wstring path = kDrive + relative;
    for (std::size_t slash = path.find(L'\\', 3); slash != std::wstring::npos;
         slash = path.find(L'\\', slash + 1))
        CreateDirectoryW(ExtendedPath(path.substr(0, slash)).c_str(), nullptr);
    SetFileAttributesW(ExtendedPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(WriteBytes(path, content)) << Gbk(path);
    SYSTEMTIME local{2014, 7, 5, 18, 12, 0, 0, 0}, utc{};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    FILETIME when;
    SystemTimeToFileTime(&utc, &when);
    HANDLE file = CreateFileW(ExtendedPath(path).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        SetFileTime(file, &when, nullptr, nullptr);
        CloseHandle(file);
    }
    if (attributes) SetFileAttributesW(ExtendedPath(path).c_str(), attributes);
    return path;
}

} // namespace e2e
