#pragma once
#include <cstdint>

#include "SkinRect.h"

// How an ImageRef fills its destination.
enum ImageDrawMode : int32_t {
    kDrawNatural = 0,   // top-left part at its own size
    kDrawTiled = 1,     // repeated, last copies cut short
    kDrawStretched = 2, // stretched over the destination
};

// A named image and the piece of it to draw; kept in memory exactly as the
// 72 bytes stored in the skin file (little-endian fields).
struct ImageRef {
    char name[52] = {}; // NUL-terminated; at most 50 characters count
    SkinRect source;    // piece of the image, in its pixels, top-down
    int32_t drawMode = kDrawNatural;

    // Empty when the name is empty or the source rectangle is empty.
    bool IsEmpty() const { return name[0] == '\0' || source.IsEmpty(); }
    void SetName(const char* text);
};
static_assert(sizeof(ImageRef) == 72, "ImageRef is stored as 72 bytes");

// The significant part of a stored 52-byte name field (at most 50
// characters), NUL-terminated even when the stored bytes are not.
struct ImageName {
    char text[51];
    explicit ImageName(const char (&field)[52]);
};
