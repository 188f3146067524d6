// Naming rules of the media import: which files are copied, into which class
// and day folder, and under which name when a name is already taken.
#pragma once

#include "FileNameOrder.h"

#include <functional>
#include <optional>
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
    // Offers `folder\name`, then `folder\stem_N.ext` for N from 2 on, skipping
    // paths already given out in this import, to `take`, and gives out the
    // first it accepts (without `take`, the first free one). Paths are
    // compared as the file system compares names. Nothing when `limit`
    // candidates were refused.
    std::optional<std::wstring> Claim(const std::wstring& folder, const std::wstring& name,
                                      const std::function<bool(const std::wstring&)>& take = {},
                                      unsigned limit = 10000);

private:
    std::set<std::wstring, FileNameLess> taken_;
};
