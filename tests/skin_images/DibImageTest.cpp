#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "DibImage.h"
#include "ImageFiles.h"
#include "ImageRef.h"

namespace {

// w x h, 24 bits, pixel (x, y) = Rgb(x, y, 7).
DibImage Gradient(int w, int h) {
    DibImage img;
    EXPECT_TRUE(img.Create(w, h, 24, kImageFormatBmp));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.SetColor(x, y, Rgb(x, y, 7));
    return img;
}

} // namespace

TEST(DibImage, CreateNormalisesDepthAndEnforcesTheLimit) {
    DibImage img;
    const struct {
        int asked, got;
    } depths[] = {{0, 1}, {1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}, {16, 24}, {32, 24}};
    for (auto d : depths) {
        ASSERT_TRUE(img.Create(5, 3, d.asked, kImageFormatBmp));
        EXPECT_EQ(img.BitsPerPixel(), d.got);
        EXPECT_EQ(img.RowSize(), (5 * d.got + 31) / 32 * 4);
        EXPECT_EQ(img.DataSize(), size_t(img.RowSize()) * 3);
        EXPECT_EQ(img.Dib()[0], 40);
    }
    // 65536 * 41667 * 24 / 256 is just above 256 000 000.
    EXPECT_FALSE(img.Create(65536, 41667, 24, kImageFormatBmp));
    EXPECT_STREQ(img.LastError(), "DIBIMAGE_MAX_MEMORY exceeded");
    EXPECT_FALSE(img.IsValid());

    img.SetMemoryLimit(3);
    EXPECT_TRUE(img.Create(42, 1, 24, kImageFormatBmp));  // 42*24/256 = 3
    EXPECT_FALSE(img.Create(43, 1, 24, kImageFormatBmp)); // 4
    EXPECT_FALSE(img.Create(0, 1, 24, kImageFormatBmp));
    EXPECT_FALSE(img.Create(1, -1, 24, kImageFormatBmp));
}

TEST(DibImage, MoveLeavesSourceEmpty) {
    DibImage a = Gradient(3, 2);
    a.SetTransparentIndex(1);
    DibImage b = std::move(a);
    EXPECT_FALSE(a.IsValid());
    EXPECT_EQ(a.TransparentIndex(), -1);
    EXPECT_EQ(b.GetColor(2, 1), Rgb(2, 1, 7));
}

TEST(DibImage, EncodersRoundTrip) {
    for (int bits : {1, 4, 8, 24}) {
        SCOPED_TRACE(bits);
        DibImage img;
        ASSERT_TRUE(img.Create(5, 3, bits, kImageFormatBmp));
        if (bits < 24) {
            img.Palette()[1] = RgbQuad{1, 2, 3, 0};
            img.SetIndex(4, 2, 1);
        } else {
            img.SetColor(4, 2, Rgb(9, 8, 7));
        }
        std::vector<uint8_t> file;
        ASSERT_TRUE(img.Encode(kImageFormatBmp, &file));
        DibImage back;
        ASSERT_TRUE(back.Decode(file.data(), file.size(), kImageFormatUnknown)) << back.LastError();
        EXPECT_EQ(back.BitsPerPixel(), bits);
        EXPECT_EQ(back.GetColor(4, 2), img.GetColor(4, 2));
        if (bits == 8 || bits == 24) {
            ASSERT_TRUE(img.Encode(kImageFormatTga, &file));
            ASSERT_TRUE(back.Decode(file.data(), file.size(), kImageFormatTga)) << back.LastError();
            EXPECT_EQ(back.GetColor(4, 2), img.GetColor(4, 2));
            EXPECT_EQ(back.GetColor(0, 0), img.GetColor(0, 0));
        }
    }
    DibImage alpha = Gradient(2, 2);
    ASSERT_TRUE(alpha.CreateAlpha());
    alpha.SetAlpha(1, 0, 77);
    std::vector<uint8_t> file;
    ASSERT_TRUE(alpha.Encode(kImageFormatTga, &file));
    DibImage back;
    ASSERT_TRUE(back.Decode(file.data(), file.size(), kImageFormatTga));
    EXPECT_EQ(back.GetAlpha(1, 0), 77);
    EXPECT_EQ(back.GetColor(1, 0), Rgb(1, 0, 7));
}

TEST(DibImage, EncoderFailures) {
    DibImage img;
    std::vector<uint8_t> file;
    EXPECT_FALSE(img.Encode(kImageFormatBmp, nullptr));
    EXPECT_STREQ(img.LastError(), "null file handler");
    EXPECT_FALSE(img.Encode(kImageFormatBmp, &file));
    EXPECT_STREQ(img.LastError(), "null image!!!");
    ASSERT_TRUE(img.Create(2, 2, 4, kImageFormatBmp));
    EXPECT_FALSE(img.Encode(kImageFormatTga, &file));
    EXPECT_STREQ(img.LastError(), "Bit depth must be 8 or 24");
    EXPECT_FALSE(img.Encode(3, &file));
    EXPECT_STREQ(img.LastError(), "Encode: Unknown format");
}

TEST(DibImage, CropClampsOrdersAndCopiesEverything) {
    DibImage src = Gradient(6, 4);
    ASSERT_TRUE(src.CreateAlpha());
    src.SetAlpha(4, 1, 33);
    src.SetTransparentIndex(0);
    src.SetTransparentColor(Rgb(1, 2, 3));
    DibImage piece;
    ASSERT_TRUE(src.Crop(5, 1, 2, 3, piece)); // left > right: swapped
    EXPECT_EQ(piece.Width(), 3);
    EXPECT_EQ(piece.Height(), 2);
    EXPECT_EQ(piece.GetColor(0, 0), Rgb(2, 1, 7));
    EXPECT_EQ(piece.GetColor(2, 1), Rgb(4, 2, 7));
    EXPECT_EQ(piece.GetAlpha(2, 0), 33);
    EXPECT_EQ(piece.TransparentColor(), Rgb(1, 2, 3));
    EXPECT_EQ(piece.TransparentIndex(), 0);

    EXPECT_FALSE(src.Crop(1, 2, 3, 2, piece)); // top == bottom
    EXPECT_EQ(piece.Width(), 3);               // destination untouched
    ASSERT_TRUE(src.Crop(-5, -5, 100, 2, piece));
    EXPECT_EQ(piece.Width(), 6);
    EXPECT_EQ(piece.Height(), 2);
    EXPECT_FALSE(src.Crop(7, 0, 9, 2, piece)); // clamps to 6..6

    DibImage mono;
    ASSERT_TRUE(mono.Create(10, 2, 1, kImageFormatBmp));
    mono.Palette()[1] = RgbQuad{255, 255, 255, 0};
    mono.SetIndex(9, 1, 1);
    ASSERT_TRUE(mono.Crop(8, 1, 10, 2, mono)); // into itself
    EXPECT_EQ(mono.Width(), 2);
    EXPECT_EQ(mono.GetIndex(1, 0), 1);
    EXPECT_EQ(mono.GetColor(1, 0), Rgb(255, 255, 255));
}

TEST(DibImage, RotateQuarterTurnsGrowByTwoAndFillOutside) {
    DibImage src = Gradient(3, 2);
    DibImage out;
    ASSERT_TRUE(src.Rotate(90, &out));
    EXPECT_EQ(out.Width(), 4);  // height + 2
    EXPECT_EQ(out.Height(), 5); // width + 2
    // Counter-clockwise on screen: the source's top-right comes to the top-left.
    EXPECT_EQ(out.GetColor(1, 0), Rgb(2, 0, 7));
    EXPECT_EQ(out.GetColor(2, 0), Rgb(2, 1, 7));
    EXPECT_EQ(out.GetColor(1, 2), Rgb(0, 0, 7));
    EXPECT_EQ(out.GetColor(2, 2), Rgb(0, 1, 7));
    // Outside the source: the first stored pixel (bottom-left).
    EXPECT_EQ(out.GetColor(3, 4), Rgb(0, 1, 7));

    src.SetTransparentIndex(0);
    src.SetTransparentColor(Rgb(255, 0, 255));
    ASSERT_TRUE(src.CreateAlpha());
    ASSERT_TRUE(src.Rotate(270));
    EXPECT_EQ(src.Width(), 4);
    EXPECT_EQ(src.Height(), 5);
    EXPECT_EQ(src.GetColor(3, 4), Rgb(255, 0, 255));
    EXPECT_EQ(src.GetAlpha(3, 4), 0);

    DibImage cancelled = Gradient(3, 2);
    cancelled.SetCancel(true);
    EXPECT_FALSE(cancelled.Rotate(45));
    EXPECT_STREQ(cancelled.LastError(), "Cancelled");
    EXPECT_EQ(cancelled.Width(), 3);
}

TEST(DibImage, HalfTurnIsExact) {
    DibImage img = Gradient(3, 2);
    ASSERT_TRUE(img.CreateAlpha());
    img.SetAlpha(0, 0, 5);
    ASSERT_TRUE(img.Rotate180());
    EXPECT_EQ(img.Width(), 3);
    EXPECT_EQ(img.GetColor(2, 1), Rgb(0, 0, 7));
    EXPECT_EQ(img.GetColor(0, 0), Rgb(2, 1, 7));
    EXPECT_EQ(img.GetAlpha(2, 1), 5);
}

TEST(DibImage, RegionRectsAreRunsOfOtherColours) {
    DibImage img;
    ASSERT_TRUE(img.Create(5, 2, 8, kImageFormatBmp));
    img.Palette()[1] = RgbQuad{255, 0, 255, 0}; // magenta (blue, green, red)
    const int rows[2][5] = {{1, 0, 0, 1, 0}, {1, 1, 1, 1, 1}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) img.SetIndex(x, y, rows[y][x]);
    const auto rects = img.RegionRects(Rgb(255, 0, 255));
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0], (PixelRect{1, 0, 3, 1}));
    EXPECT_EQ(rects[1], (PixelRect{4, 0, 5, 1}));
    EXPECT_EQ(img.RegionRects(Rgb(0, 0, 0)).size(), 3u); // index 0 is black
    for (int x = 0; x < 5; ++x) img.SetIndex(x, 0, 1);
    EXPECT_TRUE(img.RegionRects(Rgb(255, 0, 255)).empty());
}

TEST(DibImage, BlendFollowsAlphaGlobalAlphaAndKey) {
    DibImage img;
    ASSERT_TRUE(img.Create(4, 1, 24, kImageFormatBmp));
    for (int x = 0; x < 4; ++x) img.SetColor(x, 0, Rgb(200, 100, 0));
    img.SetColor(3, 0, Rgb(255, 0, 255));
    ASSERT_TRUE(img.CreateAlpha());
    img.SetAlpha(0, 0, 255);
    img.SetAlpha(1, 0, 128);
    img.SetAlpha(2, 0, 0);
    img.SetTransparentIndex(0);
    img.SetTransparentColor(Rgb(255, 0, 255));
    EXPECT_TRUE(img.NeedsBlending());

    uint8_t dst[4 * 4];
    auto reset = [&] {
        for (int i = 0; i < 16; ++i) dst[i] = 40;
    };
    reset();
    img.BlendOnto(dst, 4, 1, 16, 0, 0, 0, 0, 4, 1);
    EXPECT_EQ(dst[2], 200); // a = 255: copied (red)
    EXPECT_EQ(dst[1], 100);
    // a = 128 * 256 / 256: (200 * 128 + 40 * 127) / 256
    EXPECT_EQ(dst[4 + 2], (200 * 128 + 40 * 127) / 256);
    EXPECT_EQ(dst[8 + 2], 40);  // a = 0 leaves the destination
    EXPECT_EQ(dst[12 + 0], 40); // transparent colour leaves it too

    reset();
    img.SetGlobalAlpha(127); // a = 255 * 128 / 256 = 127
    img.BlendOnto(dst, 4, 1, 16, 0, 0, 0, 0, 4, 1);
    EXPECT_EQ(dst[2], (200 * 127 + 40 * 128) / 256);

    reset();
    img.BlendOnto(dst, 4, 1, 16, 3, 0, 0, 0, 4, 1); // clipped at the right edge
    EXPECT_EQ(dst[12 + 2], (200 * 127 + 40 * 128) / 256);
    EXPECT_EQ(dst[2], 40);
}

TEST(ImageValues, NamesKeepFiftyCharactersAndAlwaysEnd) {
    ImageRef ref;
    std::memset(ref.name, 'x', sizeof ref.name); // unterminated as stored
    EXPECT_EQ(std::string(ImageName(ref.name).text), std::string(50, 'x'));
    ref.SetName("frame.bmp");
    EXPECT_STREQ(ImageName(ref.name).text, "frame.bmp");
    ref.source = SkinRect{0, 0, 4, 0};
    EXPECT_TRUE(ref.IsEmpty());
    ref.source.bottom = 1;
    EXPECT_FALSE(ref.IsEmpty());
}
