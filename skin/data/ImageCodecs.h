#pragma once
// The codecs behind DibImage::Decode and DibImage::Encode. Each decoder
// fills `out` (a fresh image carrying the caller's limit and cancel flag)
// and on failure stores its message in out's last error text.
#include <cstdint>
#include <vector>

#include "DibImage.h"
#include "ImageByteReader.h"

bool DecodeBmp(ImageByteReader& in, DibImage& out);
bool DecodeTga(ImageByteReader& in, DibImage& out);
void EncodeBmp(const DibImage& image, std::vector<uint8_t>& out);
void EncodeTga(const DibImage& image, std::vector<uint8_t>& out);
