// BMP decoding: core and info headers, 1/4/8/16/24/32 bits, RLE4, RLE8,
// bit fields, bottom-up and top-down rows. Every read is bounds-checked;
// pixel data that ends early leaves the remaining pixels zero.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "ImageCodecs.h"

namespace {

constexpr uint16_t kBmpType = 0x4D42; // "BM"
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr uint32_t kCompressionBitFields = 3;

bool Fail(DibImage& out, const char* message) {
    out.SetLastError(message);
    return false;
}

struct BmpInfo {
    uint32_t headerSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t colorsUsed = 0;
    bool core = false;
};

bool ReadInfo(ImageByteReader& in, BmpInfo& info) {
    const size_t headerStart = in.Position();
    if (!in.U32(info.headerSize)) return false;
    uint16_t planes = 0;
    if (info.headerSize == 12) {
        uint16_t w, h;
        if (!in.U16(w) || !in.U16(h) || !in.U16(planes) || !in.U16(info.bitCount)) return false;
        info.width = w;
        info.height = h;
        info.core = true;
    } else if (info.headerSize >= 40) {
        uint32_t imageSize;
        if (!in.I32(info.width) || !in.I32(info.height) || !in.U16(planes) || !in.U16(info.bitCount) ||
            !in.U32(info.compression) || !in.U32(imageSize) || !in.I32(info.xPelsPerMeter) ||
            !in.I32(info.yPelsPerMeter) || !in.U32(info.colorsUsed))
            return false;
        // Later header versions carry more fields (bit-field masks among
        // them); the palette follows the whole header.
        if (!in.Seek(headerStart + info.headerSize)) return false;
    } else {
        return false;
    }
    switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    // height == INT32_MIN has no absolute value.
    return info.width > 0 && info.height != 0 && info.height != INT32_MIN;
}

// Bytes of stored pixel data the image needs at the least. Plain rows must
// all be there, though the last row's padding may be missing. A run-length
// packet of two bytes yields at most 255 pixels, so encoded data shorter
// than that could not describe the image either.
uint64_t MinimumPixelBytes(const BmpInfo& info, int height) {
    const uint64_t pixels = uint64_t(info.width) * uint64_t(height);
    const bool encoded = info.compression == kCompressionRle8 || info.compression == kCompressionRle4;
    if (encoded && info.bitCount <= 8) return (pixels + 254) / 255 * 2;
    const uint64_t rowBits = uint64_t(info.width) * info.bitCount;
    const uint64_t rowSize = (rowBits + 31) / 32 * 4;
    return rowSize * uint64_t(height - 1) + (rowBits + 7) / 8;
}

// The message for a compression the depth does not allow, or nullptr.
const char* CompressionError(const BmpInfo& info) {
    switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
        if (info.compression != kCompressionNone && info.compression != kCompressionRle8 &&
            info.compression != kCompressionRle4)
            return "compression type not supported";
        return nullptr;
    case 24:
        return info.compression != kCompressionNone ? "unknown compression" : nullptr;
    case 32:
        if (info.compression != kCompressionNone && info.compression != kCompressionBitFields)
            return "unknown compression";
        return nullptr;
    default:
        return nullptr;
    }
}

int DpiFromPelsPerMeter(int32_t ppm) {
    if (ppm <= 0) return 96; // unset in many files; keep the default
    const long dpi = std::lround(ppm * 0.0254);
    return dpi < 1 ? 1 : int(dpi);
}

// Reads rows stored with the image's own row layout (1/4/8/24 bits).
void ReadPlainRows(ImageByteReader& in, DibImage& img) {
    // Stored bottom row first, exactly as the DIB keeps them.
    in.ReadSome(img.Bits(), img.DataSize());
}

// Run-length expansion; `nibbles` selects RLE4. Positions use file rows
// (0 = first stored row) and are dropped when outside the image.
void ExpandRle(ImageByteReader& in, DibImage& img, bool nibbles) {
    const int w = img.Width();
    const int h = img.Height();
    int x = 0;
    int row = 0; // stored order: 0 is the bottom row
    // 8-bit rows are written straight into the row; other depths by index.
    const bool direct = img.BitsPerPixel() == 8;
    auto put = [&](int value) {
        if (x >= 0 && x < w && row >= 0 && row < h) {
            if (direct)
                img.Row(h - 1 - row)[x] = uint8_t(value);
            else
                img.SetIndex(x, h - 1 - row, value);
        }
        if (x < w) ++x;
    };
    for (;;) {
        uint8_t count, value;
        if (!in.U8(count) || !in.U8(value)) return;
        if (count > 0) {
            if (direct && !nibbles && row < h && x >= 0 && x < w) {
                const int n = std::min<int>(count, w - x);
                std::memset(img.Row(h - 1 - row) + x, value, size_t(n));
                x += n;
                continue;
            }
            for (int i = 0; i < count && x < w; ++i)
                put(nibbles ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            if (++row >= h) return;
            break;
        case 1: // end of bitmap
            return;
        case 2: { // delta
            uint8_t dx, dy;
            if (!in.U8(dx) || !in.U8(dy)) return;
            // Columns past the row's end are all dropped alike; holding x
            // there keeps long chains of deltas from overflowing it.
            x = std::min(x + dx, w);
            row += dy;
            if (row >= h) return;
            break;
        }
        default: { // literal run of `value` pixels
            const int n = value;
            const size_t bytes = nibbles ? size_t(n + 1) / 2 : size_t(n);
            if (nibbles) {
                for (int i = 0; i < n; i += 2) {
                    uint8_t b;
                    if (!in.U8(b)) return;
                    put(b >> 4);
                    if (i + 1 < n) put(b & 0x0F);
                }
            } else {
                for (int i = 0; i < n; ++i) {
                    uint8_t b;
                    if (!in.U8(b)) return;
                    put(b);
                }
            }
            if (bytes & 1) in.Skip(1); // runs are padded to 16 bits
            break;
        }
        }
    }
}

struct MaskChannel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit MaskChannel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
    }
    uint8_t Extract(uint32_t v) const {
        if (!bits) return 0;
        const uint32_t c = (v & mask) >> shift;
        if (bits >= 8) return uint8_t(c >> (bits - 8));
        return uint8_t(c << (8 - bits));
    }
};

bool Read16BitRows(ImageByteReader& in, DibImage& img, uint32_t redMask, uint32_t greenMask,
                   uint32_t blueMask) {
    const MaskChannel r(redMask), g(greenMask), b(blueMask);
    const size_t stored = size_t((img.Width() + 1) / 2) * 4;
    std::vector<uint8_t> row(stored);
    for (int y = img.Height() - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const size_t got = in.ReadSome(row.data(), stored);
        uint8_t* out = img.Row(y);
        for (int x = 0; x < img.Width(); ++x) {
            const uint32_t v = uint32_t(row[size_t(x) * 2]) | (uint32_t(row[size_t(x) * 2 + 1]) << 8);
            out[x * 3 + 0] = b.Extract(v);
            out[x * 3 + 1] = g.Extract(v);
            out[x * 3 + 2] = r.Extract(v);
        }
        if (got < stored) break;
    }
    return true;
}

bool Read32BitRows(ImageByteReader& in, DibImage& img) {
    // One stored row at a time: same result as reading the whole block.
    const size_t stored = size_t(img.Width()) * 4;
    std::vector<uint8_t> row;
    try {
        row.resize(stored);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = img.Height() - 1; y >= 0; --y) {
        const size_t got = in.ReadSome(row.data(), stored);
        uint8_t* out = img.Row(y);
        for (size_t x = 0; (x + 1) * 4 <= got; ++x) {
            out[x * 3 + 0] = row[x * 4 + 0];
            out[x * 3 + 1] = row[x * 4 + 1];
            out[x * 3 + 2] = row[x * 4 + 2];
        }
        if (got < stored) break;
    }
    return true;
}

} // namespace

bool DecodeBmp(ImageByteReader& in, DibImage& out) {
    const size_t start = in.Position();
    uint8_t fileHeader[14] = {};
    if (!in.Read(fileHeader, sizeof fileHeader)) return Fail(out, "Not a BMP");
    const uint16_t type = uint16_t(fileHeader[0] | (fileHeader[1] << 8));
    uint32_t pixelOffset = uint32_t(fileHeader[10]) | (uint32_t(fileHeader[11]) << 8) |
                           (uint32_t(fileHeader[12]) << 16) | (uint32_t(fileHeader[13]) << 24);
    if (type != kBmpType) {
        in.Seek(start); // a bare DIB: header first, pixels right after the palette
        pixelOffset = 0;
    }

    BmpInfo info;
    if (!ReadInfo(in, info)) return Fail(out, "Error reading BMP info");
    const bool topDown = info.height < 0;
    const int height = std::abs(info.height);
    const size_t headerEnd = in.Position();
    const size_t headerStart = headerEnd - info.headerSize;

    int entries = 0;
    if (info.bitCount <= 8) {
        const int maxEntries = 1 << info.bitCount;
        entries = maxEntries;
        if (!info.core && info.colorsUsed > 0 && info.colorsUsed < uint32_t(maxEntries))
            entries = int(info.colorsUsed);
    }
    const size_t entrySize = info.core ? 3 : 4;
    const bool bitFields =
        info.compression == kCompressionBitFields && (info.bitCount == 16 || info.bitCount == 32);
    // Masks follow a 40-byte header and sit inside longer ones.
    const size_t maskBytes = bitFields && info.headerSize == 40 ? 12 : 0;
    // Without a file header the pixels follow the masks and the palette.
    const size_t pixelStart =
        pixelOffset != 0 ? start + pixelOffset : headerEnd + maskBytes + size_t(entries) * entrySize;
    const size_t present = pixelStart < in.Length() ? in.Length() - pixelStart : 0;
    // Checked before the image is made: a header alone must not cost its
    // full size in memory.
    if (const char* error = CompressionError(info)) return Fail(out, error);
    if (present < MinimumPixelBytes(info, height)) return Fail(out, "corrupted BMP");

    if (!out.Create(info.width, height, info.bitCount, kImageFormatBmp))
        return Fail(out, "Can't allocate memory");
    out.SetDpi(DpiFromPelsPerMeter(info.xPelsPerMeter), DpiFromPelsPerMeter(info.yPelsPerMeter));
    if (out.Cancelled()) return Fail(out, "Cancelled");

    RgbQuad* palette = out.Palette();
    for (int i = 0; i < entries; ++i) {
        uint8_t e[4] = {};
        if (in.ReadSome(e, entrySize) < entrySize) break;
        palette[i] = RgbQuad{e[0], e[1], e[2], 0};
    }

    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bitFields) {
        in.Seek(headerStart + 40);
        if (info.bitCount == 16 && !(in.U32(masks[0]) && in.U32(masks[1]) && in.U32(masks[2])))
            masks[0] = masks[1] = masks[2] = 0;
    }
    in.Seek(pixelStart);

    switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
        if (info.compression == kCompressionNone)
            ReadPlainRows(in, out);
        else
            ExpandRle(in, out, info.compression == kCompressionRle4);
        break;
    case 16:
        Read16BitRows(in, out, masks[0], masks[1], masks[2]);
        break;
    case 24:
        ReadPlainRows(in, out);
        break;
    case 32:
        if (!Read32BitRows(in, out)) return Fail(out, "can't allocate memory");
        break;
    }
    if (topDown) out.FlipVertical();
    return true;
}
