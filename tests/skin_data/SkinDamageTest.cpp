// Damaged and hostile skin files load as far as they go and never crash.

#include "SkinTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::vector<uint8_t> RichBody() {
    Skin skin;
    std::mt19937 rng(5);
    for (const int code : AllTypeCodes()) {
        if (!IsTopLevelTypeCode(code)) continue;
        auto o = CreateSkinObject(code);
        FillObject(*o, rng);
        o->SetName("object" + std::to_string(code));
        auto child = CreateSkinObject(38);
        child->SetName("area");
        o->AddChild(std::move(child));
        skin.PutObject(std::move(o));
    }
    auto image = std::make_unique<ImageObject>();
    image->SetName("pic");
    image->SetEncoded(SolidBmp(4, 4, 0xFF), 1);
    skin.PutImage(std::move(image));
    auto aux = CreateSkinObject(19);
    aux->SetName("aux");
    skin.PutAuxiliary(std::move(aux));
    return SaveSkinBody(skin, 13);
}

TEST(SkinDamage, EveryTruncationOfTheBodyLoads) {
    const auto body = RichBody();
    Skin skin;
    for (size_t cut = kSkinHeaderSize; cut < body.size(); cut += 1 + cut / 64) {
        std::vector<uint8_t> part(body.begin(), body.begin() + static_cast<long>(cut));
        ASSERT_TRUE(skin.LoadMemory(Pack(part).data(), Pack(part).size())) << cut;
    }
    ASSERT_TRUE(skin.LoadMemory(Pack(body).data(), Pack(body).size()));
    EXPECT_EQ(skin.Objects().size(), AllTypeCodes().size() - 5); // 3, 18, 19, 20, 22
}

TEST(SkinDamage, RandomBytesInTheBodyNeverCrash) {
    const auto body = RichBody();
    std::mt19937 rng(77);
    Skin skin;
    for (int round = 0; round < 300; ++round) {
        auto damaged = body;
        const int flips = 1 + static_cast<int>(rng() % 16);
        for (int i = 0; i < flips; ++i)
            damaged[kSkinHeaderSize + rng() % (damaged.size() - kSkinHeaderSize)] =
                static_cast<uint8_t>(rng());
        const auto file = Pack(damaged);
        EXPECT_TRUE(skin.LoadMemory(file.data(), file.size()));
    }
}

TEST(SkinDamage, RandomBytesInTheContainerNeverCrash) {
    const auto file = Pack(RichBody());
    std::mt19937 rng(78);
    Skin skin;
    for (int round = 0; round < 300; ++round) {
        auto damaged = file;
        damaged[4 + rng() % (damaged.size() - 4)] = static_cast<uint8_t>(rng());
        skin.LoadMemory(damaged.data(), damaged.size());
        EXPECT_TRUE(skin.LastError() == 0 || skin.LastError() == 5);
    }
}

TEST(SkinDamage, HugeCountsEndWithTheData) {
    auto body = Header(1, 13, 0xFFFFFFFF);
    auto o = CreateSkinObject(14);
    auto record = SaveObject(*o, 13);
    // Child count of two billion with nothing behind it.
    record[4 + 51 + 12 + 51 + 4 + 20 + 3] = 0x7F;
    Append(body, record);
    const auto start = std::chrono::steady_clock::now();
    Skin skin;
    EXPECT_TRUE(skin.LoadMemory(Pack(body).data(), Pack(body).size()));
    auto images = Header(1, 13, 0);
    AppendU32(images, 0x7FFFFFFF);
    EXPECT_TRUE(skin.LoadMemory(Pack(images).data(), Pack(images).size()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(SkinDamage, ImageLengthBeyondTheDataIsCut) {
    auto body = Header(1, 13, 0);
    AppendU32(body, 1);
    ImageObject image;
    image.SetName("pic");
    image.SetEncoded(SolidBmp(2, 2, 0), 1);
    auto record = SaveObject(image, 13);
    const size_t lengthAt = record.size() - SolidBmp(2, 2, 0).size() - 8;
    record[lengthAt + 3] = 0x40; // claims a gigabyte
    Append(body, record);
    Skin skin;
    ASSERT_TRUE(skin.LoadMemory(Pack(body).data(), Pack(body).size()));
    ASSERT_NE(skin.FindImage("pic"), nullptr);
}

TEST(SkinDamage, HeaderOnlyHugeImagesFailBeforeTheirAllocation) {
    // Sizes beyond the decoder's memory limit: a decoder that made the image
    // before looking at the data would report the allocation instead.
    const auto le16 = [](std::vector<uint8_t>& b, uint32_t v) {
        b.push_back(uint8_t(v));
        b.push_back(uint8_t(v >> 8));
    };
    std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    le16(tga, 65535);
    le16(tga, 65535);
    tga.push_back(32);
    tga.push_back(0);
    std::vector<uint8_t> bmp = SolidBmp(1, 1, 0);
    bmp.resize(54);                    // file and information headers, no pixels
    for (const size_t at : {18, 22}) { // width, height: 60000
        bmp[at] = 0x60;
        bmp[at + 1] = 0xEA;
    }
    const std::vector<uint8_t> dib(bmp.begin() + 14, bmp.end());
    struct Case {
        const char* name;
        uint32_t format;
        std::vector<uint8_t> data;
        const char* error;
    };
    const Case cases[] = {
        {"tga", kImageFormatTga, tga, "corrupted TGA"},
        {"bmp", kImageFormatBmp, bmp, "corrupted BMP"},
        {"dib", kImageFormatBmp, dib, "corrupted BMP"},
    };
    auto body = Header(1, 13, 0);
    AppendU32(body, std::size(cases));
    for (const Case& c : cases) {
        ImageObject image;
        image.SetName(c.name);
        auto record = SaveObject(image, 13);
        record.resize(record.size() - 8); // an empty image's length and format
        AppendU32(record, uint32_t(c.data.size()));
        AppendU32(record, c.format);
        Append(record, c.data);
        Append(body, record);
    }
    AppendU32(body, 0);
    const auto file = Pack(body);
    Skin skin;
    ASSERT_TRUE(skin.LoadMemory(file.data(), file.size()));
    for (const Case& c : cases) {
        const DibImage* image = skin.FindImage(c.name);
        ASSERT_NE(image, nullptr) << c.name;
        EXPECT_FALSE(image->IsValid()) << c.name;
        EXPECT_STREQ(image->LastError(), c.error) << c.name;
    }
}

TEST(SkinDamage, DeepNestingIsBounded) {
    // A chain of static texts, each the only child of the one before.
    std::vector<uint8_t> chain;
    const int depth = 5000;
    auto o = CreateSkinObject(14);
    auto record = SaveObject(*o, 13);
    const size_t countAt = 4 + 51 + 12 + 51 + 4 + 20;
    std::vector<uint8_t> head(record.begin(), record.begin() + countAt);
    std::vector<uint8_t> tail(record.begin() + countAt + 4, record.end());
    for (int i = 0; i < depth; ++i) {
        Append(chain, head);
        AppendU32(chain, 1);
    }
    auto body = Header(1, 13, 1);
    Append(body, chain);
    Skin skin;
    EXPECT_TRUE(skin.LoadMemory(Pack(body).data(), Pack(body).size()));
    int levels = 0;
    for (const SkinObject* p = skin.FindObject(""); p && !p->Children().empty();
         p = p->Children().begin()->second.get())
        ++levels;
    EXPECT_EQ(levels, kMaxChildDepth);
}

} // namespace
