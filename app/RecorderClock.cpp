#include "RecorderClock.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

bool IsValidClockText(const char* text, std::size_t bufferSize) {
    if (!text) return false;
    std::size_t length = strnlen(text, bufferSize);
    if (length != 14) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

std::time_t ParseClockText(const char* text, std::size_t bufferSize) {
    const char* valid = IsValidClockText(text, bufferSize) ? text : kFallbackClockText;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::sscanf(valid, "%04d%02d%02d%02d%02d%02d", &year, &month, &day, &hour, &minute, &second);
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::wstring FormatClockDisplay(const std::tm& t, bool centuryAsTwenty) {
    int year = t.tm_year + 1900;
    if (centuryAsTwenty) year = 2000 + ((year % 100) + 100) % 100;
    wchar_t text[64];
    std::swprintf(text, 64, L"%04d\u5e74%02d\u6708%02d\u65e5 %02d\u65f6%02d\u5206%02d\u79d2", year,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}
