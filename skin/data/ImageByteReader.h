#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

// Bounds-checked little-endian reader over an encoded image held in memory.
// Reads past the end fail and leave the position at the end.
class ImageByteReader {
public:
    ImageByteReader(const uint8_t* data, size_t length) : data_(data), length_(data ? length : 0) {}

    size_t Position() const { return pos_; }
    size_t Length() const { return length_; }
    size_t Remaining() const { return length_ - pos_; }
    bool AtEnd() const { return pos_ >= length_; }

    // Moves to an absolute position; false (position at end) when beyond.
    bool Seek(size_t position) {
        if (position > length_) {
            pos_ = length_;
            return false;
        }
        pos_ = position;
        return true;
    }
    bool Skip(size_t count) {
        if (count > Remaining()) {
            pos_ = length_;
            return false;
        }
        pos_ += count;
        return true;
    }
    // Copies up to `count` bytes; returns how many were available.
    size_t ReadSome(void* out, size_t count) {
        const size_t n = count < Remaining() ? count : Remaining();
        if (n) std::memcpy(out, data_ + pos_, n);
        pos_ += n;
        return n;
    }
    bool Read(void* out, size_t count) {
        if (count > Remaining()) {
            pos_ = length_;
            return false;
        }
        ReadSome(out, count);
        return true;
    }
    // The next `count` bytes in place, or nullptr (position at end) when
    // fewer remain.
    const uint8_t* Take(size_t count) {
        if (count > Remaining()) {
            pos_ = length_;
            return nullptr;
        }
        const uint8_t* p = data_ + pos_;
        pos_ += count;
        return p;
    }
    bool U8(uint8_t& v) {
        if (AtEnd()) return false;
        v = data_[pos_++];
        return true;
    }
    bool U16(uint16_t& v) {
        uint8_t b[2] = {};
        if (!Read(b, 2)) return false;
        v = uint16_t(b[0] | (b[1] << 8));
        return true;
    }
    bool U32(uint32_t& v) {
        uint8_t b[4] = {};
        if (!Read(b, 4)) return false;
        v = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
        return true;
    }
    bool I32(int32_t& v) {
        uint32_t u;
        if (!U32(u)) return false;
        v = int32_t(u);
        return true;
    }

private:
    const uint8_t* data_;
    size_t length_;
    size_t pos_ = 0;
};
