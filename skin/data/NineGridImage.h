#pragma once
#include <cstdint>

#include "SkinRect.h"

// An image piece cut into nine parts by four margins: corners keep their
// size, edges and centre are tiled or stretched as the stretch mode says.
// Kept in memory exactly as the 88 bytes stored in the skin file.
struct NineGridImage {
    char name[52] = {};
    SkinRect source;
    int32_t marginLeft = 0;
    int32_t marginTop = 0;
    int32_t marginRight = 0;
    int32_t marginBottom = 0;
    int32_t stretchMode = 0; // 0 all tiled, 1 all stretched, 2..8 see NineGridDraw

    bool IsEmpty() const { return name[0] == '\0' || source.IsEmpty(); }
    void SetName(const char* text);
};
static_assert(sizeof(NineGridImage) == 88, "NineGridImage is stored as 88 bytes");
