#include "ImageObject.h"

#include "SkinValueIO.h"

#include <algorithm>
#include <atomic>

namespace {
std::atomic<uint64_t> g_decodeLimit{DibImage::kDefaultMemoryLimit};
}

void ImageObject::SetDecodeMemoryLimit(uint64_t limit) {
    g_decodeLimit = limit;
}

ImageObject::ImageObject() : SkinObject(18) {}

void ImageObject::Load(MemoryStream& in, const RecordContext& ctx) {
    SkinObject::Load(in, ctx);
    uint32_t length = 0;
    ReadValue(in, length);
    ReadValue(in, format_);
    // A length beyond the end of the body takes only what is there; the
    // decoder then reports the image as damaged and the load goes on.
    const size_t n = std::min<size_t>(length, in.Remaining());
    if (n == 0) return;
    // Decoded straight from the body: the decoder only reads, and a copy of
    // every image would double the loader's memory traffic.
    const uint8_t* bytes = in.Cursor();
    in.Seek(static_cast<long long>(n), MemoryStream::Current);
    image_.SetMemoryLimit(g_decodeLimit);
    image_.Decode(bytes, n, static_cast<int>(format_));
}

bool ImageObject::SetEncoded(std::vector<uint8_t> bytes, int format) {
    format_ = static_cast<uint32_t>(format);
    encoded_ = std::move(bytes);
    return image_.Decode(encoded_.data(), encoded_.size(), format);
}

void ImageObject::SaveRecord(MemoryStream& out, int minor) const {
    SkinObject::SaveRecord(out, minor);
    std::vector<uint8_t> bytes = encoded_;
    uint32_t format = format_;
    if (bytes.empty() && image_.IsValid()) {
        // Loaded images are written back through the encoder of their format
        // (BMP when the format was left to detection).
        format = format_ == kImageFormatTga ? kImageFormatTga : kImageFormatBmp;
        if (!image_.Encode(static_cast<int>(format), &bytes)) bytes.clear();
    }
    WriteValue(out, static_cast<uint32_t>(bytes.size()));
    WriteValue(out, format);
    WriteBytes(out, bytes.data(), bytes.size());
}
