// Loading skin files: errors, tables, lookups.

#include "ButtonObjects.h"
#include "PlainObjects.h"
#include "SkinTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::vector<uint8_t> Named(int code, const char* name, int minor = 13) {
    auto o = CreateSkinObject(code);
    o->SetName(name);
    return SaveObject(*o, minor);
}

// Body with the given object records, images and auxiliary names.
std::vector<uint8_t> Body(const std::vector<std::vector<uint8_t>>& objects,
                          const std::vector<std::pair<std::string, std::vector<uint8_t>>>& images = {},
                          const std::vector<std::string>& aux = {}, int minor = 13) {
    auto body = Header(1, minor, static_cast<uint32_t>(objects.size()));
    for (const auto& o : objects) Append(body, o);
    AppendU32(body, static_cast<uint32_t>(images.size()));
    for (const auto& [name, data] : images) {
        ImageObject image;
        image.SetName(name);
        image.SetEncoded(data, 1);
        Append(body, SaveObject(image, minor));
    }
    AppendU32(body, static_cast<uint32_t>(aux.size()));
    for (const auto& name : aux) Append(body, Named(19, name.c_str(), minor));
    return body;
}

bool Load(Skin& skin, const std::vector<uint8_t>& body) {
    const auto file = Pack(body);
    return skin.LoadMemory(file.data(), file.size());
}

TEST(SkinLoad, ContainerErrors) {
    Skin skin;
    auto file = Pack(Body({}));
    auto wrongLength = file;
    wrongLength[0] ^= 1;
    EXPECT_FALSE(skin.LoadMemory(wrongLength.data(), wrongLength.size()));
    EXPECT_EQ(skin.LastError(), kSkinErrorDecompress);
    auto extra = file;
    extra.push_back(0);
    EXPECT_FALSE(skin.LoadMemory(extra.data(), extra.size()));
    EXPECT_EQ(skin.LastError(), 5);
    EXPECT_FALSE(skin.LoadMemory(file.data(), 3));
    EXPECT_EQ(skin.LastError(), 5);
    // A stated length far beyond what the stream could expand to fails at
    // once instead of allocating it.
    auto huge = file;
    huge[3] = 0x7F;
    EXPECT_FALSE(skin.LoadMemory(huge.data(), huge.size()));
    EXPECT_EQ(skin.LastError(), 5);

    std::vector<uint8_t> shortBody = Header(1, 13, 0);
    shortBody.pop_back();
    EXPECT_FALSE(Load(skin, shortBody));
    EXPECT_EQ(skin.LastError(), kSkinErrorShortBody);

    auto badMarker = Body({});
    badMarker[3] = 'X';
    EXPECT_FALSE(Load(skin, badMarker));
    EXPECT_EQ(skin.LastError(), kSkinErrorMarker);
    auto major2 = Body({});
    major2[20] = 2;
    EXPECT_FALSE(Load(skin, major2));
    EXPECT_EQ(skin.LastError(), 7);

    EXPECT_FALSE(skin.LoadFile("/no/such/folder/xpblue.tvf"));
    EXPECT_EQ(skin.LastError(), kSkinErrorFile);
}

TEST(SkinLoad, HeaderOnlyLoadsEmptyAndSetsTheVersion) {
    Skin skin;
    ASSERT_TRUE(Load(skin, Header(1, 7, 0)));
    EXPECT_EQ(skin.Version(), (FormatVersion{1, 7}));
    EXPECT_EQ(CurrentFormatVersion(), (FormatVersion{1, 7}));
    EXPECT_TRUE(skin.Objects().empty());
    skin.Clear();
    EXPECT_EQ(skin.Version(), (FormatVersion{1, 13}));
    EXPECT_EQ(CurrentFormatVersion(), (FormatVersion{1, 13}));
    // Freeing a skin leaves the process-wide version to the current one.
    {
        Skin old;
        ASSERT_TRUE(Load(old, Header(1, 5, 0)));
    }
    EXPECT_EQ(CurrentFormatVersion(), (FormatVersion{1, 5}));
}

TEST(SkinLoad, MinorAbove13ReadsTheNewestLayout) {
    Skin skin;
    auto body = Body({Named(4, "Button")}, {}, {}, 13);
    body[21] = 200;
    ASSERT_TRUE(Load(skin, body));
    EXPECT_EQ(skin.Version().minor, 200);
    ASSERT_NE(skin.FindObject("Button"), nullptr);
    EXPECT_EQ(skin.FindObject("Button")->TypeCode(), 4);
}

TEST(SkinLoad, ImagesWithoutObjects) {
    Skin skin;
    ASSERT_TRUE(Load(skin, Body({}, {{"pic", SolidBmp(3, 2, 0x00FF0000)}, {"empty", {}}}, {"aux1"})));
    EXPECT_TRUE(skin.Objects().empty());
    const DibImage* pic = skin.FindImage("pic");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->Width(), 3);
    EXPECT_EQ(pic->GetColor(1, 1), 0x00FF0000u);
    const DibImage* empty = skin.FindImage("empty");
    ASSERT_NE(empty, nullptr);
    EXPECT_FALSE(empty->IsValid());
    EXPECT_EQ(skin.FindObject("empty")->TypeCode(), 18);
    EXPECT_EQ(skin.FindObject("aux1")->TypeCode(), 19);
}

TEST(SkinLoad, LastTopLevelNameWinsFirstChildNameWins) {
    auto first = CreateSkinObject(1);
    first->SetName("Dialog");
    first->color3 = 1;
    auto second = CreateSkinObject(1);
    second->SetName("Dialog");
    second->color3 = 2;
    // Two children of one name: saved by hand, as the child table refuses them.
    auto parent = CreateSkinObject(14);
    parent->SetName("Parent");
    auto bytes = SaveObject(*parent, 13);
    auto childA = CreateSkinObject(4);
    childA->SetName("Twin");
    childA->color3 = 10;
    auto childB = CreateSkinObject(4);
    childB->SetName("Twin");
    childB->color3 = 20;
    // The parent's child count sits right before its control section.
    const size_t countAt = 4 + 51 + 12 + 51 + 4 + 20;
    bytes[countAt] = 2;
    std::vector<uint8_t> withChildren(bytes.begin(), bytes.begin() + countAt + 4);
    Append(withChildren, SaveObject(*childA, 13));
    Append(withChildren, SaveObject(*childB, 13));
    withChildren.insert(withChildren.end(), bytes.begin() + countAt + 4, bytes.end());

    Skin skin;
    ASSERT_TRUE(Load(skin, Body({SaveObject(*first, 13), SaveObject(*second, 13), withChildren})));
    EXPECT_EQ(skin.FindObject("Dialog")->color3, 2u);
    EXPECT_EQ(skin.FindObject("Twin")->color3, 10u);
    EXPECT_EQ(skin.FindObject("Parent")->Children().size(), 1u);
}

TEST(SkinLoad, LookupOrder) {
    auto frame = CreateSkinObject(1);
    frame->SetName("Frame");
    auto button = CreateSkinObject(3);
    button->SetName("Shared");
    button->color3 = 5;
    auto deep = CreateSkinObject(14);
    deep->SetName("Deep");
    button->AddChild(std::move(deep));
    frame->AddChild(std::move(button));
    auto tb1 = CreateSkinObject(23);
    tb1->SetName("b-toolbar");
    auto tb2 = CreateSkinObject(23);
    tb2->SetName("a-toolbar");

    Skin skin;
    ASSERT_TRUE(Load(
        skin, Body({SaveObject(*frame, 13), SaveObject(*tb1, 13), SaveObject(*tb2, 13), Named(24, "bar")},
                   {{"Shared", SolidBmp(1, 1, 0)}})));
    // A child's name is found before an image of the same name.
    EXPECT_EQ(skin.FindObject("Shared")->TypeCode(), 3);
    EXPECT_EQ(skin.FindObject("Deep")->TypeCode(), 14);
    EXPECT_EQ(skin.FindObject("nothing"), nullptr);
    EXPECT_EQ(skin.FindObjectByType(24)->name, std::string("a-toolbar"));
    EXPECT_EQ(skin.FindObjectByType(23)->name, std::string("a-toolbar"));
    EXPECT_EQ(skin.FindObjectByType(1)->name, std::string("Frame"));
    EXPECT_EQ(skin.FindObjectByType(17), nullptr);
}

TEST(SkinLoad, UnknownCodesAreSkippedWithoutTheirBytes) {
    auto body = Header(1, 13, 3);
    AppendU32(body, 99); // unknown: only its code is consumed
    AppendU32(body, 18); // an image code is not accepted at top level either
    Append(body, Named(14, "Text"));
    AppendU32(body, 0);
    AppendU32(body, 0);
    Skin skin;
    ASSERT_TRUE(Load(skin, body));
    EXPECT_NE(skin.FindObject("Text"), nullptr);
    EXPECT_EQ(skin.Objects().size(), 1u);
}

TEST(SkinLoad, FramePiecesAreCutWhenResolved) {
    auto info = std::make_unique<SkinInfoObject>();
    info->SetName("Info");
    auto frame = std::make_unique<FrameWindowObject>();
    frame->SetName("MainFrame");
    frame->activeFrame[0].SetName("frame");
    frame->activeFrame[0].source = SkinRect{1, 1, 4, 3};
    frame->inactiveFrame[8].SetName("missing");
    frame->inactiveFrame[8].source = SkinRect{0, 0, 2, 2};
    Skin skin;
    ASSERT_TRUE(Load(
        skin, Body({SaveObject(*info, 13), SaveObject(*frame, 13)}, {{"frame", SolidBmp(8, 8, 0x123456)}})));
    auto* loaded = static_cast<FrameWindowObject*>(skin.FindObject("MainFrame"));
    EXPECT_EQ(loaded->Piece(0).width, 3);
    EXPECT_EQ(loaded->Piece(0).height, 2);
    ASSERT_TRUE(loaded->Piece(0).image);
    EXPECT_EQ(loaded->Piece(0).image->GetColor(0, 0), 0x123456u);
    EXPECT_EQ(loaded->Piece(17).width, 0);
    EXPECT_FALSE(loaded->Piece(17).image);
}

TEST(SkinLoad, FromFileAndWriterRoundTrip) {
    Skin built;
    auto button = std::make_unique<PushButtonObject>();
    button->SetName("Button");
    button->controlId = 3;
    built.PutObject(std::move(button));
    auto image = std::make_unique<ImageObject>();
    image->SetName("img");
    image->SetEncoded(SolidBmp(2, 2, 0x00FF00), 1);
    built.PutImage(std::move(image));
    const auto file = SaveSkinFile(built, 11);
    const auto path = std::filesystem::temp_directory_path() / "skin_load_test.tvf";
    {
        std::ofstream f(path, std::ios::binary);
        f.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    Skin skin;
    ASSERT_TRUE(skin.LoadFile(path));
    EXPECT_EQ(skin.Version().minor, 11);
    EXPECT_EQ(static_cast<PushButtonObject*>(skin.FindObject("Button"))->controlId, 3u);
    EXPECT_EQ(skin.FindImage("img")->GetColor(1, 1), 0x00FF00u);
    // A loaded image is written back through its encoder and reads the same.
    const auto again = SaveSkinFile(skin, 11);
    Skin reread;
    ASSERT_TRUE(reread.LoadMemory(again.data(), again.size()));
    EXPECT_EQ(reread.FindImage("img")->GetColor(0, 0), 0x00FF00u);
    std::filesystem::remove(path);
}

} // namespace
