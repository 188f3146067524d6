#include <gtest/gtest.h>

#include <string>

#include "DibImage.h"
#include "ImageFiles.h"

namespace {

DibImage DecodeOk(const Bytes& file, int format = kImageFormatTga) {
    DibImage img;
    EXPECT_TRUE(img.Decode(file.data(), file.size(), format)) << img.LastError();
    return img;
}

std::string DecodeError(const Bytes& file) {
    DibImage img;
    EXPECT_FALSE(img.Decode(file.data(), file.size(), kImageFormatTga));
    return img.LastError();
}

// 2 x 2, 24 bits, pixels stored in file order A B / C D (B, G, R each).
TgaSpec FourPixels(int descriptor) {
    TgaSpec s;
    s.width = 2;
    s.height = 2;
    s.descriptor = descriptor;
    s.data = {1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0};
    return s;
}

// The blue values of the image, top row first: "AB/CD" as digits.
std::string Layout(const DibImage& img) {
    std::string out;
    for (int y = 0; y < img.Height(); ++y) {
        if (y) out += '/';
        for (int x = 0; x < img.Width(); ++x) out += char('0' + (img.GetColor(x, y) >> 16));
    }
    return out;
}

} // namespace

TEST(TgaDecoder, EveryOriginLandsUpright) {
    EXPECT_EQ(Layout(DecodeOk(MakeTga(FourPixels(0x00)))), "34/12"); // bottom-left
    EXPECT_EQ(Layout(DecodeOk(MakeTga(FourPixels(0x20)))), "12/34"); // top-left
    EXPECT_EQ(Layout(DecodeOk(MakeTga(FourPixels(0x10)))), "43/21"); // bottom-right
    EXPECT_EQ(Layout(DecodeOk(MakeTga(FourPixels(0x30)))), "21/43"); // top-right
    TgaSpec withId = FourPixels(0x20);
    withId.id = {'i', 'd'};
    EXPECT_EQ(Layout(DecodeOk(MakeTga(withId))), "12/34");
}

TEST(TgaDecoder, ColourMappedGreyAndSixteenBit) {
    TgaSpec mapped;
    mapped.type = 1;
    mapped.width = 2;
    mapped.height = 1;
    mapped.depth = 8;
    mapped.colorMap = {0x000000, 0x123456};
    mapped.data = {1, 0};
    DibImage img = DecodeOk(MakeTga(mapped));
    EXPECT_EQ(img.BitsPerPixel(), 8);
    EXPECT_EQ(img.Format(), kImageFormatTga);
    EXPECT_EQ(img.GetColor(0, 0), Rgb(0x12, 0x34, 0x56));

    TgaSpec grey = mapped;
    grey.type = 3;
    grey.colorMap.clear();
    grey.data = {200, 7};
    img = DecodeOk(MakeTga(grey));
    EXPECT_EQ(img.GetColor(0, 0), Rgb(200, 200, 200));

    TgaSpec s16;
    s16.width = 1;
    s16.height = 1;
    s16.depth = 16;
    const unsigned v = (31 << 10) | (3 << 5) | 17;
    s16.data = {uint8_t(v), uint8_t(v >> 8)};
    img = DecodeOk(MakeTga(s16));
    EXPECT_EQ(img.BitsPerPixel(), 24);
    EXPECT_EQ(img.GetColor(0, 0), Rgb(248, 24, 136)); // low three bits zero
}

TEST(TgaDecoder, ColourMapsOfEveryEntrySize) {
    struct Case {
        int entrySize;
        int type;
        uint32_t expected; // entry 1 as decoded (0x00RRGGBB)
    };
    // 15 and 16 bits keep five bits a channel: the low three bits are zero.
    const Case cases[] = {
        {15, 1, 0x107850}, {16, 9, 0x107850}, {24, 1, 0x127856}, {32, 9, 0x127856}, {32, 1, 0x127856},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.entrySize << " bits, type " << c.type);
        TgaSpec s;
        s.type = c.type;
        s.width = 3;
        s.height = 1;
        s.depth = 8;
        s.colorMapEntrySize = c.entrySize;
        s.colorMap = {0x000000, 0x127856, 0xFFFFFF};
        // Pixels 1 2 0: plain, or one raw packet of three.
        s.data = c.type == 9 ? Bytes{0x02, 1, 2, 0} : Bytes{1, 2, 0};
        s.descriptor = 0x20;
        const DibImage img = DecodeOk(MakeTga(s));
        ASSERT_EQ(img.BitsPerPixel(), 8);
        const uint32_t rgb = c.expected;
        EXPECT_EQ(img.GetColor(0, 0), Rgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        EXPECT_EQ(img.GetColor(2, 0), 0u);
        const uint32_t white = c.entrySize <= 16 ? 0xF8 : 0xFF;
        EXPECT_EQ(img.GetColor(1, 0), Rgb(white, white, white));
    }
}

TEST(TgaDecoder, PixelDataMustBeThereBeforeTheImageIsMade) {
    // Plain data holds every pixel; a run packet of one pixel covers at most
    // 128. Less than that is refused before the image is made.
    struct Case {
        const char* what;
        int type;
        int width;
        int height;
        int depth;
        Bytes data;
        bool decodes;
    };
    Bytes runs;
    for (int i = 0; i < 4; ++i) runs.insert(runs.end(), {0xFF, 1, 2, 3, 4});
    const Case cases[] = {
        {"plain, complete", 2, 2, 1, 24, Bytes(6, 1), true},
        {"plain, a byte short", 2, 2, 1, 24, Bytes(5, 1), false},
        {"header only", 2, 40000, 40000, 32, {}, false},
        {"runs cover the image", 10, 256, 2, 32, runs, true},
        {"runs could not cover the image", 10, 257, 2, 32, runs, false},
        {"one run for a huge image", 11, 60000, 60000, 8, {0xFF, 7}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TgaSpec s;
        s.type = c.type;
        s.width = c.width;
        s.height = c.height;
        s.depth = c.depth;
        s.data = c.data;
        if (c.decodes)
            EXPECT_EQ(DecodeOk(MakeTga(s)).Width(), c.width);
        else
            EXPECT_EQ(DecodeError(MakeTga(s)), "corrupted TGA");
    }
}

TEST(TgaDecoder, ThirtyTwoBitsGetAlphaAtThePixelsPlace) {
    TgaSpec s = FourPixels(0x10); // mirrored: alpha must follow its pixel
    s.depth = 32;
    s.data = {1, 0, 0, 10, 2, 0, 0, 20, 3, 0, 0, 30, 4, 0, 0, 40};
    const DibImage img = DecodeOk(MakeTga(s));
    ASSERT_TRUE(img.HasAlpha());
    EXPECT_EQ(Layout(img), "43/21");
    EXPECT_EQ(img.GetAlpha(0, 0), 40);
    EXPECT_EQ(img.GetAlpha(1, 1), 10);
}

TEST(TgaDecoder, ThirtyTwoBitRowsKeepEveryPixelAtAnyWidth) {
    // Rows are split four pixels at a time with a tail: widths around
    // multiples of four.
    for (const int width : {1, 3, 4, 5, 8, 11}) {
        SCOPED_TRACE(width);
        TgaSpec s;
        s.width = width;
        s.height = 2;
        s.depth = 32;
        s.descriptor = 0x20;
        for (int i = 0; i < width * 2; ++i)
            s.data.insert(s.data.end(), {uint8_t(i), uint8_t(i + 50), uint8_t(i + 100), uint8_t(200 - i)});
        const DibImage img = DecodeOk(MakeTga(s));
        for (int i = 0; i < width * 2; ++i) {
            const int x = i % width, y = i / width;
            EXPECT_EQ(img.GetColor(x, y), Rgb(i + 100, i + 50, i)) << x << "," << y;
            EXPECT_EQ(img.GetAlpha(x, y), 200 - i) << x << "," << y;
        }
    }
}

TEST(TgaDecoder, PacketsCrossRowEnds) {
    TgaSpec s;
    s.type = 10;
    s.width = 3;
    s.height = 2;
    s.descriptor = 0x20;
    // run of 4 crossing into row 2, then a raw packet of 2
    s.data = {0x83, 5, 0, 0, 0x01, 6, 0, 0, 7, 0, 0};
    EXPECT_EQ(Layout(DecodeOk(MakeTga(s))), "555/567");

    s.data = {0x04, 1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 5, 0, 0, 0x80, 9, 0, 0}; // raw of 5 crosses
    EXPECT_EQ(Layout(DecodeOk(MakeTga(s))), "123/459");

    TgaSpec grey;
    grey.type = 11;
    grey.width = 4;
    grey.height = 1;
    grey.depth = 8;
    grey.data = {0x83, 50};
    EXPECT_EQ(DecodeOk(MakeTga(grey)).GetColor(3, 0), Rgb(50, 50, 50));

    TgaSpec mapped = grey;
    mapped.type = 9;
    mapped.colorMap = {0, 0x0000FF};
    mapped.data = {0x83, 1};
    EXPECT_EQ(DecodeOk(MakeTga(mapped)).GetColor(2, 0), Rgb(0, 0, 255));
}

TEST(TgaDecoder, UnknownFormatFallsBackToTga) {
    const DibImage img = DecodeOk(MakeTga(FourPixels(0x20)), kImageFormatUnknown);
    EXPECT_EQ(img.Format(), kImageFormatTga);
    EXPECT_EQ(Layout(img), "12/34");
}

TEST(TgaDecoder, MalformedFilesGiveTheirMessages) {
    EXPECT_EQ(DecodeError(Bytes(17, 0)), "Not a TGA");
    TgaSpec s = FourPixels(0);
    s.type = 4;
    EXPECT_EQ(DecodeError(MakeTga(s)), "Unknown TGA image type");
    s = FourPixels(0);
    s.width = 0;
    EXPECT_EQ(DecodeError(MakeTga(s)), "bad TGA header");
    s = FourPixels(0);
    s.depth = 12;
    EXPECT_EQ(DecodeError(MakeTga(s)), "bad TGA header");
    s = FourPixels(0);
    s.colorMap.assign(257, 0);
    EXPECT_EQ(DecodeError(MakeTga(s)), "bad TGA header");
    s = FourPixels(0);
    s.data.resize(7);
    EXPECT_EQ(DecodeError(MakeTga(s)), "corrupted TGA");
    s.data.clear();
    EXPECT_EQ(DecodeError(MakeTga(s)), "corrupted TGA");
    s = FourPixels(0);
    s.type = 10;
    s.data = {0x85, 1, 0}; // run pixel cut short
    EXPECT_EQ(DecodeError(MakeTga(s)), "corrupted TGA");

    DibImage small;
    small.SetMemoryLimit(10);
    s = FourPixels(0);
    s.width = 1000;
    s.data.assign(1000 * 2 * 3, 0);
    const Bytes big = MakeTga(s);
    EXPECT_FALSE(small.Decode(big.data(), big.size(), kImageFormatTga));
    EXPECT_STREQ(small.LastError(), "TGA Create failed");

    DibImage cancelled;
    cancelled.SetCancel(true);
    const Bytes ok = MakeTga(FourPixels(0));
    EXPECT_FALSE(cancelled.Decode(ok.data(), ok.size(), kImageFormatTga));
    EXPECT_STREQ(cancelled.LastError(), "Cancelled");
}
