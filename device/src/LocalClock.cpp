#include "LocalClock.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <ctime>
#endif

namespace {

void platform_local_time(KetroLocalTime* now) {
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

KetroLocalTimeSource current_source = platform_local_time;

} // namespace

extern "C" void ketro_set_local_time_source(KetroLocalTimeSource source) {
    current_source = source ? source : platform_local_time;
}

namespace ketro {

KetroLocalTime local_time_now() {
    KetroLocalTime now{};
    current_source(&now);
    return now;
}

} // namespace ketro
