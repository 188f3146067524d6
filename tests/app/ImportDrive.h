// The recorder's drive of the import tests: R:, a removable drive of the
// test prefix backed by a folder, and the default import root.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

extern const std::wstring kDrive;
extern const std::wstring kMedia;

void ClearDrive();
// Day folder name of the file's creation time in local time.
std::wstring DayOf(const std::wstring& path);
// A media file on the drive, its creation time set to 18 July 2014 noon
// local time; folders on the way are made (paths of any length).
std::wstring PutMedia(const std::wstring& relative, const std::string& content, DWORD attributes = 0);

} // namespace e2e
