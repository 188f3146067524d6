// Decode and Encode: dispatch to the codecs, with all-or-nothing decoding.
#include "ImageCodecs.h"

namespace {

// A fresh image for a decoder, carrying the target's limit and cancel flag.
DibImage Scratch(const DibImage& target) {
    DibImage tmp;
    tmp.SetMemoryLimit(target.MemoryLimit());
    tmp.SetCancel(target.Cancelled());
    return tmp;
}

} // namespace

bool DibImage::Decode(const uint8_t* data, size_t length, int format) {
    ImageByteReader in(data, length);
    DibImage tmp = Scratch(*this);
    bool ok = false;
    switch (format) {
    case kImageFormatBmp:
        ok = DecodeBmp(in, tmp);
        break;
    case kImageFormatTga:
        ok = DecodeTga(in, tmp);
        break;
    case kImageFormatUnknown:
        ok = DecodeBmp(in, tmp);
        if (!ok) {
            in.Seek(0);
            tmp = Scratch(*this);
            ok = DecodeTga(in, tmp);
            if (!ok) {
                in.Seek(0);
                tmp.SetLastError("Decode: Unknown or wrong format");
            }
        }
        break;
    default:
        tmp.SetLastError("Decode: Unknown or wrong format");
        break;
    }
    if (!ok) {
        SetLastError(tmp.LastError());
        return false;
    }
    const uint64_t limit = memoryLimit_;
    const bool cancel = cancel_;
    Transfer(tmp);
    memoryLimit_ = limit;
    cancel_ = cancel;
    SetLastError("");
    return true;
}

bool DibImage::Encode(int format, std::vector<uint8_t>* out) const {
    if (!out) {
        SetLastError("null file handler");
        return false;
    }
    if (!IsValid()) {
        SetLastError("null image!!!");
        return false;
    }
    switch (format) {
    case kImageFormatBmp:
        EncodeBmp(*this, *out);
        return true;
    case kImageFormatTga:
        if (bpp_ != 8 && bpp_ != 24) {
            SetLastError("Bit depth must be 8 or 24");
            return false;
        }
        EncodeTga(*this, *out);
        return true;
    default:
        SetLastError("Encode: Unknown format");
        return false;
    }
}
