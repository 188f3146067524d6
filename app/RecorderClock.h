// The recorder's clock text: 14 digits, year first, in local calendar time.
#pragma once

#include <ctime>
#include <string>

// Shown instead of any clock text that is not exactly 14 digits.
inline constexpr const char* kFallbackClockText = "20120101123044";

// True when the text is exactly 14 characters, all decimal digits.
bool IsValidClockText(const char* text, std::size_t bufferSize);

// Seconds of the local calendar time the text names (the fallback text when
// it is invalid); daylight saving is decided by the system.
std::time_t ParseClockText(const char* text, std::size_t bufferSize);

// "%Y年%m月%d日 %H时%M分%S秒" of a local time; with `centuryAsTwenty` the
// year is the literal "20" followed by its last two digits, as the recorder
// clock is shown. Formatted here rather than by strftime, whose C runtime
// versions do not all take non-ASCII text in the format.
std::wstring FormatClockDisplay(const std::tm& local, bool centuryAsTwenty);
