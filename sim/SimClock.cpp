#include "SimClock.h"

#include <cstdio>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace sim {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

bool LeapYear(long long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(long long y, unsigned m) {
    static const unsigned kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

long long ToSeconds(long long y, unsigned mo, unsigned d, unsigned h, unsigned mi, unsigned s) {
    return DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

} // namespace

long long HostLocalSeconds() {
#ifdef _WIN32
    SYSTEMTIME t;
    GetLocalTime(&t);
    return ToSeconds(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
#else
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return ToSeconds(t.tm_year + 1900LL, static_cast<unsigned>(t.tm_mon + 1),
                     static_cast<unsigned>(t.tm_mday), static_cast<unsigned>(t.tm_hour),
                     static_cast<unsigned>(t.tm_min), static_cast<unsigned>(t.tm_sec));
#endif
}

std::optional<long long> ParseClockText(std::string_view digits) {
    if (digits.size() != 14) return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    auto number = [&](std::size_t at, std::size_t len) {
        unsigned v = 0;
        for (std::size_t i = at; i < at + len; ++i) v = v * 10 + static_cast<unsigned>(digits[i] - '0');
        return v;
    };
    const long long y = number(0, 4);
    const unsigned mo = number(4, 2), d = number(6, 2), h = number(8, 2), mi = number(10, 2),
                   s = number(12, 2);
    if (mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h > 23 || mi > 59 || s > 59)
        return std::nullopt;
    return ToSeconds(y, mo, d, h, mi, s);
}

std::string FormatClockText(long long seconds) {
    const long long lowest = ToSeconds(0, 1, 1, 0, 0, 0);
    const long long highest = ToSeconds(9999, 12, 31, 23, 59, 59);
    if (seconds < lowest) seconds = lowest;
    if (seconds > highest) seconds = highest;
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    long long y;
    unsigned m, d;
    CivilFromDays(days, y, m, d);
    char text[32];
    std::snprintf(text, sizeof text, "%04lld%02u%02u%02lld%02lld%02lld", y, m, d, rest / 3600, rest / 60 % 60,
                  rest % 60);
    return std::string(text, 14);
}

} // namespace sim
