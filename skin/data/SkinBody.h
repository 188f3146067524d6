#pragma once
// The compressed container of a skin file: a u32 uncompressed length and an
// LZO1X stream.

#include <cstddef>
#include <cstdint>
#include <vector>

// Largest body accepted, whatever the stated length.
constexpr size_t kMaxSkinBody = size_t(256) << 20;

// The most that `compressedSize` bytes of LZO1X can expand to (with slack);
// a stated length above it cannot be genuine.
size_t MaxSkinBodyFor(size_t compressedSize);

// Decompresses a whole container. False when the stated length is out of
// bounds, cannot be allocated, the stream is corrupt, input is left over, or
// the output length differs.
bool DecompressSkinBody(const uint8_t* data, size_t size, std::vector<uint8_t>& body);

// LZO1X-1 compression of a body into a container.
std::vector<uint8_t> CompressSkinBody(const uint8_t* body, size_t size);
