#include "SkinFormatVersion.h"

#include <atomic>

namespace {
std::atomic<uint16_t> g_version{uint16_t(1 | 13 << 8)};
}

FormatVersion CurrentFormatVersion() {
    const uint16_t v = g_version.load();
    return FormatVersion{uint8_t(v & 0xFF), uint8_t(v >> 8)};
}

void SetCurrentFormatVersion(FormatVersion v) {
    g_version.store(uint16_t(v.major | v.minor << 8));
}
