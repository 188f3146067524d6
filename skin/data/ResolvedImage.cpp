#include "ResolvedImage.h"

#include "ImageLookup.h"

#ifdef _WIN32
#include "DibImageGdi.h"
#endif

ResolvedImage::ResolvedImage(ResolvedImage&& other) noexcept {
    *this = std::move(other);
}

ResolvedImage& ResolvedImage::operator=(ResolvedImage&& other) noexcept {
    if (this != &other) {
        Release();
        width = other.width;
        height = other.height;
        region = other.region;
        image = std::move(other.image);
        other.width = other.height = 0;
        other.region = nullptr;
    }
    return *this;
}

ResolvedImage::~ResolvedImage() {
    Release();
}

void ResolvedImage::Release() {
#ifdef _WIN32
    if (region) DeleteObject(region);
#endif
    region = nullptr;
    image.reset();
    width = height = 0;
}

bool ResolveImageRef(const ImageLookup& skin, const ImageRef& ref, ResolvedImage& piece) {
    piece.Release();
    uint32_t transparent = 0xFF00FF;
    bool useTransparent = false;
    if (!skin.GetTransparency(transparent, useTransparent)) useTransparent = false;

    const DibImage* source = ref.name[0] ? skin.FindImage(ImageName(ref.name).text) : nullptr;
    if (!source) return false;
    auto cut = std::make_unique<DibImage>();
    if (!source->Crop(ref.source.left, ref.source.top, ref.source.right, ref.source.bottom, *cut))
        return false;
    piece.width = cut->Width();
    piece.height = cut->Height();
#ifdef _WIN32
    if (useTransparent) piece.region = RegionFromImage(*cut, transparent);
#endif
    piece.image = std::move(cut);
    return true;
}
