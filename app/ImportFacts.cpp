#include "ImportFacts.h"

#include "ExtendedPath.h"
#include "Utf8.h"

#include <cstdio>

#ifndef BREVOX_VERSION_TEXT
#define BREVOX_VERSION_TEXT "unknown"
#endif

namespace {
std::string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? ToUtf8(name) : std::string();
}

std::string UserName() {
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) ? ToUtf8(name) : std::string();
}

void VolumeFacts(const std::wstring& driveRoot, ImportRecord& record) {
    wchar_t label[MAX_PATH + 1] = {};
    DWORD serial = 0;
    if (!GetVolumeInformationW(driveRoot.c_str(), label, MAX_PATH + 1, &serial, nullptr, nullptr, nullptr, 0))
        return;
    record.volumeLabel = ToUtf8(label);
    char text[16];
    std::snprintf(text, sizeof text, "%04lX-%04lX", serial >> 16 & 0xFFFFul, serial & 0xFFFFul);
    record.volumeSerial = text;
}

} // namespace

std::string IsoUtc(const FILETIME& when) {
    SYSTEMTIME utc{};
    FileTimeToSystemTime(&when, &utc);
    char text[40];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02uZ", utc.wYear, utc.wMonth, utc.wDay,
                  utc.wHour, utc.wMinute, utc.wSecond);
    return text;
}

std::string IsoUtcNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return IsoUtc(now);
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = ExtendedPath(path + L".partial");
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
              written == bytes.size() && FlushFileBuffers(file);
    CloseHandle(file);
    ok = ok && MoveFileExW(temporary.c_str(), ExtendedPath(path).c_str(), MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

void AddSettingFacts(const std::wstring& driveRoot, ImportRecord& record) {
    record.computer = ComputerName();
    record.user = UserName();
    record.application = std::string("brevox ") + BREVOX_VERSION_TEXT;
    VolumeFacts(driveRoot, record);
}
