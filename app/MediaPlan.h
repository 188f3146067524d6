// Naming rules of the media import: which files are copied, into which class
// and day folder, and under which name when a name is already taken.
#pragma once

#include <set>
#include <string>

enum class MediaClass {
    Photo = 0,
    Movie = 1,
    Audio = 2,
    Other = 3
};

// From the first "." on, every character that is not "." until the end of
// the name or until 6 characters were taken ("a.b.wav" gives "bwav").
std::wstring ExtractExtension(const std::wstring& name);

// Class by the upper-cased extension's prefix (JPG/JPEG, AVI/MP4/ASF, WAV).
MediaClass ClassifyMedia(const std::wstring& name);

// "PHOTOS", "MOVIES", "AUDIOS"; empty for Other.
const wchar_t* MediaClassFolder(MediaClass mediaClass);

// "YYYYMMDD".
std::wstring DayFolderName(int year, int month, int day);

// Joins with one backslash; a left part that already ends in a separator
// (a drive root, the default import root) gets none added.
std::wstring JoinPath(const std::wstring& left, const std::wstring& right);

// Destination names already given out in one import, so that two recorder
// files of the same name, class and day do not overwrite each other.
class DestinationNames {
public:
    // The path to copy to: `folder\name`, or, when that was already given out
    // in this import, `folder\stem_N.ext` with the smallest free N from 2 on.
    // Paths are compared without regard to ASCII case, as the file system does.
    std::wstring Claim(const std::wstring& folder, const std::wstring& name);

private:
    std::set<std::wstring> taken_;
};
