// Removable-disk side of the application: finding the recorder's drive,
// opening it in the explorer and copying its media into the import folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Root ("F:\") of the first removable drive, A to Z, whose root holds
// "USBSEL.lct"; nothing when no drive does.
std::optional<std::wstring> FindMarkerDrive();

// Starts the file explorer rooted at the path; does not wait.
void OpenDriveInExplorer(const std::wstring& path);

struct ImportSummary {
    unsigned verified = 0;
    unsigned alreadyImported = 0;
    // Files not copied, and folders that could not be read completely.
    unsigned failed = 0;
    std::wstring manifest; // full path; empty when it could not be written
};

// Copies the drive's photos, videos and audio files into the import root
// (the chosen folder, else "c:\MEDIA\") by class and day, verifies every
// copy, writes the import's manifest and record into the root, shows
// progress in a window owned by `owner` and ends with a summary box.
ImportSummary ImportMedia(const std::wstring& driveRoot, HWND owner);
