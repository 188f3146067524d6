#include "MemoryStream.h"

#include <algorithm>
#include <cstring>

MemoryStream::MemoryStream(const void* data, size_t size) {
    const auto* p = static_cast<const uint8_t*>(data);
    data_.assign(p, p + size);
}

void MemoryStream::Adopt(std::vector<uint8_t> bytes) {
    data_ = std::move(bytes);
    pos_ = 0;
}

void MemoryStream::Clear() {
    data_.clear();
    data_.shrink_to_fit();
    pos_ = 0;
}

size_t MemoryStream::Read(void* dst, size_t n) {
    const size_t count = std::min(n, Remaining());
    if (count != 0) {
        std::memcpy(dst, data_.data() + pos_, count);
        pos_ += count;
    }
    return count;
}

void MemoryStream::Write(const void* src, size_t n) {
    if (n == 0) return;
    const size_t need = data_.size() + n;
    if (need > data_.capacity()) data_.reserve((need + kGrowth - 1) / kGrowth * kGrowth);
    const auto* p = static_cast<const uint8_t*>(src);
    data_.insert(data_.end(), p, p + n);
    pos_ = data_.size();
}

void MemoryStream::WriteZeros(size_t n) {
    static const uint8_t kZeros[256] = {};
    while (n != 0) {
        const size_t k = std::min(n, sizeof kZeros);
        Write(kZeros, k);
        n -= k;
    }
}

size_t MemoryStream::Seek(long long offset, Origin origin) {
    long long base = 0;
    if (origin == Current)
        base = static_cast<long long>(pos_);
    else if (origin == End)
        base = static_cast<long long>(data_.size());
    long long target = base + offset;
    if (target < 0) target = 0;
    pos_ = std::min(static_cast<size_t>(target), data_.size());
    return pos_;
}

void MemoryStream::WriteU32(uint32_t v) {
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    Write(b, 4);
}

size_t MemoryStream::ReadU32(uint32_t& v) {
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    const size_t n = Read(b, 4);
    v = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return n;
}

size_t MemoryStream::ReadI32(int32_t& v) {
    uint32_t u = static_cast<uint32_t>(v);
    const size_t n = ReadU32(u);
    v = static_cast<int32_t>(u);
    return n;
}
