#include "SkinBody.h"

#include <lzo/lzo1x.h>

#include <memory>
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
    // The stated size is only a claim until the data has been unpacked:
    // unpack into storage that is neither zero-filled nor touched beyond
    // what the stream writes, and keep it only when the claim held.
    std::unique_ptr<uint8_t[]> unpacked(new (std::nothrow) uint8_t[stated == 0 ? 1 : stated]);
    if (!unpacked) return false;
    lzo_uint produced = stated;
    const int rc = lzo1x_decompress_safe(data + 4, packed, unpacked.get(), &produced, nullptr);
    if (rc != LZO_E_OK || produced != stated) return false;
    try {
        body.assign(unpacked.get(), unpacked.get() + stated);
    } catch (const std::bad_alloc&) {
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
    // Worst case room for the packed stream, not zero-filled: it is written
    // before it is read, and only the packed bytes are copied out.
    const size_t room = 4 + size + size / 16 + 64 + 3;
    std::unique_ptr<uint8_t[]> packedBuffer(new uint8_t[room]);
    lzo_uint packed = 0;
    lzo1x_1_compress(body, size, packedBuffer.get() + 4, &packed, work.data());
    const uint32_t n = static_cast<uint32_t>(size);
    packedBuffer[0] = uint8_t(n);
    packedBuffer[1] = uint8_t(n >> 8);
    packedBuffer[2] = uint8_t(n >> 16);
    packedBuffer[3] = uint8_t(n >> 24);
    out.assign(packedBuffer.get(), packedBuffer.get() + 4 + packed);
    return out;
}
