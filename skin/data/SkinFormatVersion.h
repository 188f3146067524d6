#pragma once
// Format version of a skin file. Record readers take the minor version of the
// file they read as an argument; the process-wide copy serves the runtime.

#include <cstdint>

struct FormatVersion {
    uint8_t major = 1;
    uint8_t minor = 13;
    bool operator==(const FormatVersion&) const = default;
};

// The newest record layout; newer files are read with it.
constexpr int kNewestMinor = 13;

inline int EffectiveMinor(int minor) {
    return minor > kNewestMinor ? kNewestMinor : minor;
}

FormatVersion CurrentFormatVersion();
void SetCurrentFormatVersion(FormatVersion v);
