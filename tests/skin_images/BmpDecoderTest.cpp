#include <gtest/gtest.h>

#include <string>

#include "DibImage.h"
#include "ImageFiles.h"

namespace {

DibImage DecodeOk(const Bytes& file, int format = kImageFormatBmp) {
    DibImage img;
    EXPECT_TRUE(img.Decode(file.data(), file.size(), format)) << img.LastError();
    return img;
}

std::string DecodeError(const Bytes& file, int format = kImageFormatBmp) {
    DibImage img;
    EXPECT_FALSE(img.Decode(file.data(), file.size(), format));
    return img.LastError();
}

// A 3 x 2 image, indices top row 0 1 2, bottom row 3 0 1 (masked to depth).
BmpSpec Indexed(int bits) {
    BmpSpec s;
    s.width = 3;
    s.height = 2;
    s.bits = bits;
    const int entries = 1 << bits;
    for (int i = 0; i < entries; ++i) s.palette.push_back(uint32_t(i * 0x010203));
    const int mask = entries - 1;
    const int top[3] = {0, 1 & mask, 2 & mask};
    const int bottom[3] = {3 & mask, 0, 1 & mask};
    for (const int* row : {bottom, top}) { // stored bottom row first
        Bytes r(4, 0);
        for (int x = 0; x < 3; ++x) {
            if (bits == 8) r[x] = uint8_t(row[x]);
            if (bits == 4) r[x / 2] |= uint8_t(row[x] << ((x & 1) ? 0 : 4));
            if (bits == 1) r[0] |= uint8_t(row[x] << (7 - x));
        }
        s.pixels.insert(s.pixels.end(), r.begin(), r.end());
    }
    return s;
}

BmpSpec Plain(int w, int h, int bits, uint32_t compression) {
    BmpSpec s;
    s.width = w;
    s.height = h;
    s.bits = bits;
    s.compression = compression;
    return s;
}

} // namespace

TEST(BmpDecoder, IndexedDepthsKeepIndicesAndPalette) {
    for (int bits : {1, 4, 8}) {
        SCOPED_TRACE(bits);
        const DibImage img = DecodeOk(MakeBmp(Indexed(bits)));
        ASSERT_EQ(img.BitsPerPixel(), bits);
        EXPECT_EQ(img.Format(), kImageFormatBmp);
        const int mask = (1 << bits) - 1;
        EXPECT_EQ(img.GetIndex(1, 0), 1 & mask);
        EXPECT_EQ(img.GetIndex(2, 0), 2 & mask);
        EXPECT_EQ(img.GetIndex(0, 1), 3 & mask);
        EXPECT_EQ(img.GetIndex(2, 1), 1 & mask);
        EXPECT_EQ(img.Palette()[1].red, 1);
        EXPECT_EQ(img.Palette()[1].green, 2);
        EXPECT_EQ(img.Palette()[1].blue, 3);
        EXPECT_EQ(img.Palette()[1].reserved, 0);
        EXPECT_EQ(img.XDpi(), 96);
    }
}

TEST(BmpDecoder, LaterInfoHeadersTakeThePaletteAfterTheWholeHeader) {
    for (const uint32_t infoSize : {108u, 124u}) {
        for (const bool fileHeader : {true, false}) {
            for (const int bits : {1, 4, 8}) {
                SCOPED_TRACE(testing::Message() << infoSize << (fileHeader ? " file " : " bare ") << bits);
                BmpSpec s = Indexed(bits);
                s.infoSize = infoSize;
                s.fileHeader = fileHeader;
                const DibImage img = DecodeOk(MakeBmp(s));
                const int mask = (1 << bits) - 1;
                EXPECT_EQ(img.GetIndex(1, 0), 1 & mask);
                EXPECT_EQ(img.GetIndex(0, 1), 3 & mask);
                EXPECT_EQ(img.GetColor(1, 0), Rgb(1, 2, 3));
                EXPECT_EQ(img.GetColor(0, 1), (3 & mask) * Rgb(1, 2, 3));
            }
        }
    }
}

TEST(BmpDecoder, TrueColourTopDownBareAndCoreHeaders) {
    BmpSpec s;
    s.width = 2;
    s.height = 2;
    // bottom row: red, green; top row: blue, white (B, G, R bytes, row padded to 8)
    s.pixels = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
    DibImage img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.GetColor(0, 1), Rgb(255, 0, 0));
    EXPECT_EQ(img.GetColor(1, 0), Rgb(255, 255, 255));

    s.height = -2; // same bytes, rows now top first
    img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.Height(), 2);
    EXPECT_EQ(img.GetColor(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(img.GetColor(1, 1), Rgb(255, 255, 255));

    s.height = 2;
    s.fileHeader = false; // bare DIB: pixels right after the header
    img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.GetColor(0, 1), Rgb(255, 0, 0));

    BmpSpec core = Indexed(8);
    core.coreHeader = true;
    core.palette.resize(256);
    core.palette[2] = 0x00102030;
    img = DecodeOk(MakeBmp(core));
    EXPECT_EQ(img.GetIndex(2, 0), 2);
    EXPECT_EQ(img.GetColor(2, 0), Rgb(0x10, 0x20, 0x30));
}

TEST(BmpDecoder, SixteenBitDefaultsTo555AndHonoursBitFields) {
    BmpSpec s;
    s.width = 1;
    s.height = 1;
    s.bits = 16;
    const uint16_t v555 = (31 << 10) | (1 << 5) | 16; // red max, green 1, blue 16
    s.pixels = {uint8_t(v555), uint8_t(v555 >> 8), 0, 0};
    DibImage img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.BitsPerPixel(), 24);
    EXPECT_EQ(img.GetColor(0, 0), Rgb(248, 8, 128));

    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};
    const uint16_t v565 = (1 << 11) | (63 << 5) | 2;
    s.pixels = {uint8_t(v565), uint8_t(v565 >> 8), 0, 0};
    img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.GetColor(0, 0), Rgb(8, 252, 16));
}

TEST(BmpDecoder, ThirtyTwoBitTakesFirstThreeBytes) {
    BmpSpec s;
    s.width = 2;
    s.height = 1;
    s.bits = 32;
    s.pixels = {1, 2, 3, 99, 4, 5, 6, 0};
    DibImage img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.GetColor(0, 0), Rgb(3, 2, 1));
    EXPECT_EQ(img.GetColor(1, 0), Rgb(6, 5, 4));
    EXPECT_FALSE(img.HasAlpha());

    s.compression = 3;
    s.masks = {0xFF0000, 0xFF00, 0xFF};
    s.fileHeader = false; // masks must be skipped before the pixels
    img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.GetColor(1, 0), Rgb(6, 5, 4));
}

TEST(BmpDecoder, Rle8RunsLiteralsDeltaAndOverflowingRuns) {
    BmpSpec s = Indexed(8);
    s.width = 4;
    s.height = 3;
    s.compression = 1;
    s.pixels = {3, 7,             // bottom row: 7 7 7
                0, 0,             // end of line
                0, 3, 1, 2, 3, 0, // literal of 3 (odd, padded): 1 2 3
                0, 2, 1, 1,       // delta: one right, one up -> row 2 column 4
                9, 5,             // beyond the row's end: dropped, no failure
                0, 1};            // end of bitmap
    const DibImage img = DecodeOk(MakeBmp(s));
    EXPECT_EQ(img.GetIndex(0, 2), 7);
    EXPECT_EQ(img.GetIndex(2, 2), 7);
    EXPECT_EQ(img.GetIndex(3, 2), 0);
    EXPECT_EQ(img.GetIndex(0, 1), 1);
    EXPECT_EQ(img.GetIndex(2, 1), 3);
    EXPECT_EQ(img.GetIndex(3, 1), 0);
    EXPECT_EQ(img.GetIndex(0, 0), 0);
}

TEST(BmpDecoder, Rle8DeltasPastTheRowEndDoNotWrapRound) {
    // Deltas that move right by 2^32 + 1 columns in all: the column must
    // stay past the row's end, not come back as column 1.
    BmpSpec s = Indexed(8);
    s.width = 4;
    s.height = 1;
    s.compression = 1;
    const uint32_t fullSteps = 0xFFFFFFFFu / 255; // 255 * fullSteps = 2^32 - 1
    s.pixels.clear();
    s.pixels.reserve(size_t(fullSteps) * 4 + 10);
    for (uint32_t i = 0; i < fullSteps; ++i) s.pixels.insert(s.pixels.end(), {0, 2, 255, 0});
    s.pixels.insert(s.pixels.end(), {0, 2, 2, 0, 1, 9, 0, 1});
    const DibImage img = DecodeOk(MakeBmp(s));
    for (int x = 0; x < 4; ++x) EXPECT_EQ(img.GetIndex(x, 0), 0) << x;
}

TEST(BmpDecoder, Rle4NibblesAndOddLiteralsPaddedToWords) {
    BmpSpec s = Indexed(4);
    s.width = 8;
    s.height = 4;
    s.compression = 2;
    s.pixels = {5, 0x12,                               // run of 5: 1 2 1 2 1
                0, 0,    0, 3, 0x34, 0x50,             // literal 3 nibbles: 2 bytes, no pad -> 3 4 5
                0, 0,    0, 5, 0x67, 0x89, 0xA0, 0x00, // literal 5: 3 bytes + 1 pad -> 6 7 8 9 A
                0, 0,    0, 7, 0xB1, 0x23, 0x45, 0x60, // literal 7: 4 bytes, no pad
                2, 0xCC,                               // then a run continues the row (second C cut off)
                0, 1};
    const DibImage img = DecodeOk(MakeBmp(s));
    auto row = [&](int y, int n) {
        std::string out;
        for (int x = 0; x < n; ++x) out += "0123456789ABCDEF"[img.GetIndex(x, y)];
        return out;
    };
    EXPECT_EQ(row(3, 6), "121210");
    EXPECT_EQ(row(2, 4), "3450");
    EXPECT_EQ(row(1, 6), "6789A0");
    EXPECT_EQ(row(0, 8), "B123456C");
}

TEST(BmpDecoder, MalformedFilesGiveTheirMessages) {
    EXPECT_EQ(DecodeError(Bytes{'B', 'M', 1, 2}), "Not a BMP");

    Bytes badInfo = MakeBmp(Indexed(8));
    badInfo[14] = 20; // information header of an unknown size
    EXPECT_EQ(DecodeError(badInfo), "Error reading BMP info");
    const Bytes good = MakeBmp(Indexed(8));
    Bytes shortInfo(good.begin(), good.begin() + 30);
    EXPECT_EQ(DecodeError(shortInfo), "Error reading BMP info");

    BmpSpec s = Indexed(8);
    s.compression = 4;
    EXPECT_EQ(DecodeError(MakeBmp(s)), "compression type not supported");
    s = Plain(2, 2, 24, 1);
    EXPECT_EQ(DecodeError(MakeBmp(s)), "unknown compression");
    s = Plain(2, 2, 32, 2);
    EXPECT_EQ(DecodeError(MakeBmp(s)), "unknown compression");

    DibImage small;
    small.SetMemoryLimit(10);
    s = Plain(100, 100, 24, 0);
    s.pixels.assign(300 * 100, 0);
    const Bytes big = MakeBmp(s);
    EXPECT_FALSE(small.Decode(big.data(), big.size(), kImageFormatBmp));
    EXPECT_STREQ(small.LastError(), "Can't allocate memory");

    EXPECT_EQ(DecodeError(Bytes(40, 7), kImageFormatUnknown), "Decode: Unknown or wrong format");
    EXPECT_EQ(DecodeError(MakeBmp(Indexed(8)), 5), "Decode: Unknown or wrong format");
}

TEST(BmpDecoder, FailedDecodeKeepsImageAndCancelStops) {
    DibImage img;
    const Bytes good = MakeBmp(Indexed(8));
    ASSERT_TRUE(img.Decode(good.data(), good.size(), kImageFormatBmp));
    const Bytes bad = {'B', 'M'};
    EXPECT_FALSE(img.Decode(bad.data(), bad.size(), kImageFormatBmp));
    EXPECT_EQ(img.Width(), 3);
    EXPECT_EQ(img.GetIndex(2, 0), 2);

    img.SetCancel(true);
    EXPECT_FALSE(img.Decode(good.data(), good.size(), kImageFormatBmp));
    EXPECT_STREQ(img.LastError(), "Cancelled");
}

TEST(BmpDecoder, PixelDataMustBeThereBeforeTheImageIsMade) {
    // A header alone must not make the decoder allocate the image: what the
    // data cannot hold is refused up front.
    struct Case {
        const char* what;
        BmpSpec image;
        bool decodes;
    };
    BmpSpec padless = Plain(2, 2, 24, 0);
    padless.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12}; // last row's padding missing
    BmpSpec short24 = padless;
    short24.pixels.resize(13);
    BmpSpec hugeHeader = Plain(30000, 30000, 24, 0);
    BmpSpec hugeBare = Plain(30000, 30000, 8, 0);
    hugeBare.fileHeader = false;
    BmpSpec rle = Indexed(8);
    rle.width = 255 * 4;
    rle.height = 1;
    rle.compression = 1;
    rle.pixels = {255, 1, 255, 1, 255, 1, 255, 1, 0, 1}; // four full runs cover the row
    BmpSpec rleShort = rle;
    rleShort.width = 255 * 4 + 1;
    rleShort.pixels = {0, 1, 0, 1, 0, 1, 0, 1}; // eight bytes cannot cover 1021 pixels
    BmpSpec hugeRle = Indexed(8);
    hugeRle.width = 40000;
    hugeRle.height = 40000;
    hugeRle.compression = 1;
    hugeRle.pixels = {0, 1};
    const Case cases[] = {
        {"last row without padding", padless, true},  {"a pixel short", short24, false},
        {"header only", hugeHeader, false},           {"bare header only", hugeBare, false},
        {"runs cover the image", rle, true},          {"runs could not cover the image", rleShort, false},
        {"header and end of bitmap", hugeRle, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes file = MakeBmp(c.image);
        if (c.decodes) {
            const DibImage img = DecodeOk(file);
            EXPECT_EQ(img.Width(), c.image.width);
        } else {
            EXPECT_EQ(DecodeError(file), "corrupted BMP");
        }
    }
    const DibImage img = DecodeOk(MakeBmp(padless));
    EXPECT_EQ(img.GetColor(1, 0), Rgb(12, 11, 10));
}
