#pragma once
#include <cstdint>

// A rectangle as stored in the skin file: four i32 left, top, right, bottom.
// Same field order as the Win32 RECT, so it converts one to one.
struct SkinRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    // Stored values may be anything: the extents are taken wide and held
    // to the int32 range instead of wrapping.
    int32_t Width() const { return Clamp(int64_t(right) - left); }
    int32_t Height() const { return Clamp(int64_t(bottom) - top); }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const SkinRect&) const = default;

private:
    static int32_t Clamp(int64_t v) {
        return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int32_t(v);
    }
};
static_assert(sizeof(SkinRect) == 16, "SkinRect is stored as 16 bytes");

// Coordinates built from skin values (rectangles plus margins, sizes) are
// summed wide and held within +-2^29: far beyond anything drawable, and
// small enough that a later sum or difference of two held values cannot
// overflow either.
constexpr int64_t kSkinCoordinateLimit = int64_t(1) << 29;

constexpr int32_t HoldCoordinate(int64_t v) {
    return v > kSkinCoordinateLimit    ? int32_t(kSkinCoordinateLimit)
           : v < -kSkinCoordinateLimit ? int32_t(-kSkinCoordinateLimit)
                                       : int32_t(v);
}

constexpr SkinRect HoldRect(const SkinRect& r) {
    return SkinRect{HoldCoordinate(r.left), HoldCoordinate(r.top), HoldCoordinate(r.right),
                    HoldCoordinate(r.bottom)};
}
