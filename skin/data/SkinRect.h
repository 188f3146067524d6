#pragma once
#include <cstdint>

// A rectangle as stored in the skin file: four i32 left, top, right, bottom.
// Same field order as the Win32 RECT, so it converts one to one.
struct SkinRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
};
static_assert(sizeof(SkinRect) == 16, "SkinRect is stored as 16 bytes");
