#include "SkinBody.h"

#include <lzo/lzo1x.h>

#include <mutex>
#include <new>

namespace {
bool LzoReady() {
    static const bool kReady = lzo_init() == LZO_E_OK;
    return kReady;
}
} // namespace

size_t MaxSkinBodyFor(size_t compressedSize) {
    // One LZO1X input byte yields at most 255 output bytes (a zero byte of a
    // match length adds 255); the constant covers the stream's end marker.
    if (compressedSize > kMaxSkinBody / 256) return kMaxSkinBody;
    const size_t bound = compressedSize * 256 + 64;
    return bound < kMaxSkinBody ? bound : kMaxSkinBody;
}

bool DecompressSkinBody(const uint8_t* data, size_t size, std::vector<uint8_t>& body) {
    body.clear();
    if (!LzoReady() || size < 4) return false;
    const size_t stated =
        size_t(data[0]) | size_t(data[1]) << 8 | size_t(data[2]) << 16 | size_t(data[3]) << 24;
    const size_t packed = size - 4;
    if (stated > MaxSkinBodyFor(packed)) return false;
    try {
        body.resize(stated);
    } catch (const std::bad_alloc&) {
        return false;
    }
    lzo_uint produced = stated;
    const int rc = lzo1x_decompress_safe(data + 4, packed, body.data(), &produced, nullptr);
    if (rc != LZO_E_OK || produced != stated) {
        body.clear();
        return false;
    }
    return true;
}

std::vector<uint8_t> CompressSkinBody(const uint8_t* body, size_t size) {
    std::vector<uint8_t> out;
    if (!LzoReady()) return out;
    // The compressor clears its dictionary itself on every call, so one
    // work area per thread serves them all: a fresh 128 KiB for each call
    // cost more than compressing a small body.
    thread_local std::vector<uint8_t> work(LZO1X_1_MEM_COMPRESS);
    out.resize(4 + size + size / 16 + 64 + 3);
    lzo_uint packed = 0;
    lzo1x_1_compress(body, size, out.data() + 4, &packed, work.data());
    out.resize(4 + packed);
    const uint32_t n = static_cast<uint32_t>(size);
    out[0] = uint8_t(n);
    out[1] = uint8_t(n >> 8);
    out[2] = uint8_t(n >> 16);
    out[3] = uint8_t(n >> 24);
    return out;
}
