#pragma once
// Which source pixel a stretched drawing shows at each destination pixel
// (nearest, sampled at pixel centres), and its inverse. Drawing and the
// regions of stretched pieces share it, so a region covers exactly the
// pixels that were drawn.
#include <algorithm>
#include <cstdint>

// Source index (0 .. sourceLength-1) drawn at destination index `dest`
// (0 .. destLength-1); both lengths positive.
inline int StretchSource(int dest, int sourceLength, int destLength) {
    return int((2 * int64_t(dest) + 1) * sourceLength / (2 * int64_t(destLength)));
}

// First destination index whose source index is at least `source`
// (0 .. sourceLength); sourceLength maps to destLength. The pixels of
// source run [a, b) land on destination run [StretchStart(a), StretchStart(b)).
inline int StretchStart(int source, int sourceLength, int destLength) {
    const int64_t numerator = 2 * int64_t(destLength) * source - sourceLength;
    if (numerator <= 0) return 0;
    const int64_t denominator = 2 * int64_t(sourceLength);
    return int(std::min<int64_t>((numerator + denominator - 1) / denominator, destLength));
}
