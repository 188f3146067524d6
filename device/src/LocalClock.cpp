#include "LocalClock.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <ctime>
#endif

namespace {

void PlatformLocalTime(KetroLocalTime* now) {
#if defined(_WIN32)
    SYSTEMTIME st;
    GetLocalTime(&st);
    *now = KetroLocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
#else
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    *now = KetroLocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
#endif
}

KetroLocalTimeSource g_currentSource = PlatformLocalTime;

} // namespace

extern "C" void ketro_set_local_time_source(KetroLocalTimeSource source) {
    g_currentSource = source ? source : PlatformLocalTime;
}

namespace ketro {

KetroLocalTime LocalTimeNow() {
    KetroLocalTime now{};
    g_currentSource(&now);
    return now;
}

} // namespace ketro
