// What an import records about its setting (computer, user, the recorder's
// volume, the application, UTC times) and how its records reach the disk:
// whole or not at all.
#pragma once

#include "ImportRecord.h"

#include <windows.h>

#include <string>

std::string IsoUtc(const FILETIME& when);
std::string IsoUtcNow();
// Computer and user name, the drive's volume label and serial number, the
// application and its version.
void AddSettingFacts(const std::wstring& driveRoot, ImportRecord& record);
// Written under a temporary name and moved into place only when complete,
// so that a half-written manifest never stands under the final name; never
// replaces an existing file.
bool WriteWhole(const std::wstring& path, const std::string& bytes);
