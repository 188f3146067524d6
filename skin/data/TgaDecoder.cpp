// TGA decoding: colour-mapped, true-colour and grey images, plain and
// run-length encoded (packets may cross rows), 8/15/16/24/32 bits, any
// origin. Every read is bounds-checked.
#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "ImageCodecs.h"

namespace {

bool Fail(DibImage& out, const char* message) {
    out.SetLastError(message);
    return false;
}

struct TgaHeader {
    uint8_t idLength;
    uint8_t colorMapType;
    uint8_t imageType;
    uint16_t colorMapFirst;
    uint16_t colorMapLength;
    uint8_t colorMapEntrySize;
    uint16_t width;
    uint16_t height;
    uint8_t depth;
    uint8_t descriptor;
};

constexpr uint8_t kRightToLeft = 0x10;
constexpr uint8_t kTopToBottom = 0x20;

uint32_t LoadU32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void StoreU32(uint8_t* p, uint32_t v) {
    std::memcpy(p, &v, 4);
}

#if defined(__x86_64__) || defined(__i386__)
#define BREVOX_TGA_SSSE3 1
// One byte shuffle turns four B, G, R, A pixels into twelve colour bytes
// followed by the four alpha values.
__attribute__((target("ssse3"))) int SplitAlphaQuadsSsse3(const uint8_t* in, int width, uint8_t* out,
                                                          uint8_t* alpha) {
    const __m128i order = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 3, 7, 11, 15);
    int x = 0;
    for (; x + 4 <= width; x += 4, in += 16, out += 12) {
        const __m128i v = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), order);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), v);
        StoreU32(out + 8, uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(v, 8))));
        StoreU32(alpha + x, uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(v, 12))));
    }
    return x;
}

bool HasSsse3() {
    static const bool kHas = __builtin_cpu_supports("ssse3");
    return kHas;
}
#endif

// B, G, R, A pixels to B, G, R and a separate alpha row, four pixels at a
// time: with a byte shuffle where the processor has one, else as whole
// words (shifts assume little-endian words, as on every target we build
// for). Byte-by-byte copying was slower than stb_image's decoder.
void SplitAlphaRow(const uint8_t* in, int width, uint8_t* out, uint8_t* alpha) {
    int x = 0;
#ifdef BREVOX_TGA_SSSE3
    if (HasSsse3()) {
        x = SplitAlphaQuadsSsse3(in, width, out, alpha);
        in += size_t(x) * 4;
        out += size_t(x) * 3;
    }
#endif
    for (; x + 4 <= width; x += 4, in += 16, out += 12) {
        const uint32_t p0 = LoadU32(in), p1 = LoadU32(in + 4), p2 = LoadU32(in + 8), p3 = LoadU32(in + 12);
        StoreU32(out, (p0 & 0x00FFFFFF) | (p1 << 24));
        StoreU32(out + 4, ((p1 >> 8) & 0xFFFF) | (p2 << 16));
        StoreU32(out + 8, ((p2 >> 16) & 0xFF) | (p3 << 8));
        StoreU32(alpha + x, (p0 >> 24) | ((p1 >> 24) << 8) | ((p2 >> 24) << 16) | (p3 & 0xFF000000));
    }
    for (; x < width; ++x, in += 4, out += 3) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
        alpha[x] = in[3];
    }
}

// Converts one row of stored pixels into image row y (top-down).
void ConvertRow(const uint8_t* in, int width, int depth, DibImage& img, int y) {
    uint8_t* out = img.Row(y);
    switch (depth) {
    case 8:
        std::memcpy(out, in, size_t(width));
        break;
    case 15:
    case 16:
        for (int x = 0; x < width; ++x, in += 2, out += 3) {
            const unsigned v = unsigned(in[0]) | (unsigned(in[1]) << 8);
            out[0] = uint8_t(v * 8);
            out[1] = uint8_t((v / 4) & 0xF8);
            out[2] = uint8_t((v / 128) & 0xF8);
        }
        break;
    case 24:
        std::memcpy(out, in, size_t(width) * 3);
        break;
    default: // 32: the fourth byte goes to the alpha channel
        SplitAlphaRow(in, width, out, img.Alpha() + size_t(img.Height() - 1 - y) * size_t(width));
        break;
    }
}

void ReadColorMap(ImageByteReader& in, const TgaHeader& h, DibImage& img) {
    const size_t entryBytes = (size_t(h.colorMapEntrySize) + 7) / 8;
    RgbQuad* palette = img.Palette();
    for (int i = 0; i < h.colorMapLength; ++i) {
        // Entries wider than 4 bytes are out of the format; skip their tail.
        uint8_t e[4] = {};
        const size_t kept = entryBytes < sizeof e ? entryBytes : sizeof e;
        if (in.ReadSome(e, kept) < kept || !in.Skip(entryBytes - kept)) return;
        if (!palette) continue; // true-colour image: the map is skipped
        if (entryBytes == 2) {
            const unsigned v = unsigned(e[0]) | (unsigned(e[1]) << 8);
            palette[i] = RgbQuad{uint8_t(v * 8), uint8_t((v / 4) & 0xF8), uint8_t((v / 128) & 0xF8), 0};
        } else if (entryBytes >= 3) {
            palette[i] = RgbQuad{e[0], e[1], e[2], 0};
        }
    }
}

} // namespace

bool DecodeTga(ImageByteReader& in, DibImage& out) {
    uint8_t raw[18] = {};
    if (!in.Read(raw, sizeof raw)) return Fail(out, "Not a TGA");
    TgaHeader h;
    h.idLength = raw[0];
    h.colorMapType = raw[1];
    h.imageType = raw[2];
    h.colorMapFirst = uint16_t(raw[3] | (raw[4] << 8));
    h.colorMapLength = uint16_t(raw[5] | (raw[6] << 8));
    h.colorMapEntrySize = raw[7];
    h.width = uint16_t(raw[12] | (raw[13] << 8));
    h.height = uint16_t(raw[14] | (raw[15] << 8));
    h.depth = raw[16];
    h.descriptor = raw[17];

    bool encoded;
    switch (h.imageType) {
    case 1:
    case 2:
    case 3:
        encoded = false;
        break;
    case 9:
    case 10:
    case 11:
        encoded = true;
        break;
    default:
        return Fail(out, "Unknown TGA image type");
    }
    const bool depthOk = h.depth == 8 || h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32;
    if (h.width == 0 || h.height == 0 || !depthOk || h.colorMapLength > 256)
        return Fail(out, "bad TGA header");

    in.Skip(h.idLength);
    const size_t pixelBytes = (size_t(h.depth) + 7) / 8;
    // Checked before the image is made, so that a header alone cannot cost
    // its full size in memory. A run packet (one byte and one pixel) yields
    // at most 128 pixels; plain data holds every pixel.
    const uint64_t pixels = uint64_t(h.width) * h.height;
    const uint64_t needed = encoded ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes;
    const uint64_t mapBytes =
        h.colorMapType != 0 ? uint64_t(h.colorMapLength) * ((h.colorMapEntrySize + 7) / 8) : 0;
    if (in.Remaining() < mapBytes + needed) return Fail(out, "corrupted TGA");
    // Every row is converted below, so the pixels and alpha values need no
    // clearing first; a failure part-way discards the image.
    if (!out.CreateForOverwrite(h.width, h.height, h.depth == 8 ? 8 : 24, kImageFormatTga))
        return Fail(out, "TGA Create failed");
    if (h.depth == 32 && !out.CreateAlpha(false)) return Fail(out, "TGA Create failed");
    if (out.Cancelled()) return Fail(out, "Cancelled");

    if (h.colorMapType != 0) ReadColorMap(in, h, out);
    if ((h.imageType == 3 || h.imageType == 11) && out.Palette()) {
        RgbQuad* palette = out.Palette();
        for (int i = 0; i < 256; ++i) palette[i] = RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    }

    const int width = h.width;
    const int height = h.height;
    const size_t rowBytes = pixelBytes * size_t(width);
    std::vector<uint8_t> row(encoded ? rowBytes : 0);
    // Packet state survives the end of a row: a packet may continue on the next.
    size_t packetLeft = 0;
    bool packetIsRun = false;
    uint8_t runPixel[4] = {};

    for (int i = 0; i < height; ++i) {
        if (out.Cancelled()) return Fail(out, "Cancelled");
        if (in.AtEnd()) return Fail(out, "corrupted TGA");
        const uint8_t* stored = row.data();
        if (!encoded) {
            // Plain rows are converted straight from the input.
            stored = in.Take(rowBytes);
            if (!stored) return Fail(out, "corrupted TGA");
        } else {
            size_t filled = 0; // pixels of this row so far
            while (filled < size_t(width)) {
                if (packetLeft == 0) {
                    uint8_t header;
                    if (!in.U8(header)) return Fail(out, "corrupted TGA");
                    packetIsRun = (header & 0x80) != 0;
                    packetLeft = size_t(header & 0x7F) + 1;
                    if (packetIsRun && !in.Read(runPixel, pixelBytes)) return Fail(out, "corrupted TGA");
                }
                const size_t n = std::min(packetLeft, size_t(width) - filled);
                uint8_t* dst = row.data() + filled * pixelBytes;
                if (packetIsRun) {
                    for (size_t k = 0; k < n; ++k) std::memcpy(dst + k * pixelBytes, runPixel, pixelBytes);
                } else if (!in.Read(dst, n * pixelBytes)) {
                    return Fail(out, "corrupted TGA");
                }
                filled += n;
                packetLeft -= n;
            }
        }
        // File row i is the top row i when stored top to bottom, else the
        // i-th row from the bottom.
        const int y = (h.descriptor & kTopToBottom) ? i : height - 1 - i;
        ConvertRow(stored, width, h.depth, out, y);
    }
    if (h.descriptor & kRightToLeft) out.MirrorHorizontal();
    return true;
}
