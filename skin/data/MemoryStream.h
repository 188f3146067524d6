#pragma once
// Growable byte buffer with a read/write position. Skin files are parsed from
// one and every skin object appends its record to one when saved.

#include <cstddef>
#include <cstdint>
#include <vector>

class MemoryStream {
public:
    static constexpr size_t kGrowth = 10240;
    enum Origin {
        Begin = 0,
        Current = 1,
        End = 2
    };

    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) { Adopt(std::move(bytes)); }
    MemoryStream(const void* data, size_t size);

    // Takes over a whole buffer as the stream's content, positioned at 0.
    void Adopt(std::vector<uint8_t> bytes);

    // Copies min(n, Remaining()) bytes; the rest of dst is left untouched.
    size_t Read(void* dst, size_t n);
    // Appends at the end, growing the capacity in whole increments.
    void Write(const void* src, size_t n);
    size_t Seek(long long offset, Origin origin);

    size_t Length() const { return data_.size(); }
    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }
    size_t Capacity() const { return data_.capacity(); }
    const uint8_t* Data() const { return data_.data(); }
    const uint8_t* Cursor() const { return data_.data() + pos_; }
    std::vector<uint8_t>& Bytes() { return data_; }
    const std::vector<uint8_t>& Bytes() const { return data_; }
    void Clear();

    // Little-endian helpers used by record readers and writers.
    void WriteU32(uint32_t v);
    void WriteU8(uint8_t v) { Write(&v, 1); }
    void WriteZeros(size_t n);
    // Reads a u32 over the current value: a short read keeps the bytes not
    // present in the stream, like any other field.
    size_t ReadU32(uint32_t& v);
    size_t ReadI32(int32_t& v);

private:
    std::vector<uint8_t> data_;
    size_t pos_ = 0;
};
