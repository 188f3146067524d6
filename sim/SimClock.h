// The recorder's clock: an offset in seconds from the host's local time,
// kept as calendar arithmetic on the local date and time so that time zones
// and daylight saving do not enter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// Host local date and time counted as seconds from 1970-01-01 00:00:00.
long long HostLocalSeconds();

// "YYYYMMDDhhmmss" (exactly 14 digits naming a real date and time) to seconds.
std::optional<long long> ParseClockText(std::string_view digits);

// Seconds to "YYYYMMDDhhmmss"; years outside 0..9999 are clamped.
std::string FormatClockText(long long seconds);

} // namespace sim
