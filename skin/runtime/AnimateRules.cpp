#include "AnimateRules.h"

uint32_t AnimationFrameInterval(uint32_t rate, uint32_t scale) {
    if (rate == 0) return 0;
    // Rounded 1000 * scale / rate (as MulDiv), not 1000 / (rate / scale):
    // that divides by zero for clips slower than a frame a second.
    const uint64_t ms = (uint64_t{1000} * scale + rate / 2) / rate;
    if (ms < 1) return 1;
    return ms > 0xFFFFFFFEull ? 0xFFFFFFFEu : static_cast<uint32_t>(ms);
}

int AnimationCentredOrigin(int client, int video) {
    // Truncated halving: an odd pixel of room or excess goes to the right.
    return (client - video) / 2;
}
