#include "SystemKind.h"

SystemKind SystemKindFromVersion(uint32_t packedVersion) {
    const unsigned major = packedVersion & 0xFF;
    const unsigned minor = (packedVersion >> 8) & 0xFF;
    if (packedVersion & 0x80000000u) {
        if (major < 4) return kSystem9xOld;
        if (major == 4 && minor == 10) return kSystem98;
        if (major == 4 && minor == 90) return kSystemMe;
        return kSystem9x;
    }
    if (major == 4) return kSystemNt4;
    if (major == 5 && minor == 0) return kSystem2000;
    if (major == 5 && minor == 1) return kSystemXp;
    // Server 2003, Vista and every later NT: the same rules as on 5.x.
    if (major >= 5) return kSystemNtModern;
    return kSystemOther;
}
