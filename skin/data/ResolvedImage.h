#pragma once
#include <memory>

#include "DibImage.h"
#include "ImageRef.h"

class ImageLookup;

// Opaque GDI region handle (HRGN on Windows; always null elsewhere).
struct HRGN__;
using RegionHandle = HRGN__*;

// An ImageRef cut once and kept for drawing (window-frame pieces).
// Owns its image and region.
struct ResolvedImage {
    int width = 0;
    int height = 0;
    RegionHandle region = nullptr;
    std::unique_ptr<DibImage> image;

    ResolvedImage() = default;
    ResolvedImage(const ResolvedImage&) = delete;
    ResolvedImage& operator=(const ResolvedImage&) = delete;
    ResolvedImage(ResolvedImage&& other) noexcept;
    ResolvedImage& operator=(ResolvedImage&& other) noexcept;
    ~ResolvedImage();

    // Frees image and region; the piece is empty afterwards.
    void Release();
};

// Cuts the source rectangle of `ref` out of the skin's image into `piece`.
// With the skin's USETRANSPARENTCOLOR set (Windows), the piece also gets
// the region of its pixels that differ from the transparent colour.
// Returns false (piece empty) when the image is missing or the cut fails.
bool ResolveImageRef(const ImageLookup& skin, const ImageRef& ref, ResolvedImage& piece);
