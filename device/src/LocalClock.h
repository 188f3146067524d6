// The computer's local time as Time_sync sends it. The source can be swapped
// so that tests can pin the clock; the hook is exported without a public
// name (by ordinal on Windows) and is not part of ketro_dll.h.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

struct KetroLocalTime {
    int year, month, day, hour, minute, second;
};

typedef void (*KetroLocalTimeSource)(struct KetroLocalTime* now);

/* Null restores the platform clock. */
#if defined(_WIN32)
void ketro_set_local_time_source(KetroLocalTimeSource source);
#define KETRO_LOCAL_TIME_HOOK_ORDINAL 100
#else
__attribute__((visibility("default"))) void ketro_set_local_time_source(KetroLocalTimeSource source);
#endif

#ifdef __cplusplus
}

namespace ketro {
KetroLocalTime LocalTimeNow();
}
#endif
