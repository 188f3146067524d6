// The skin compiler's source text: build, dump, round trip.

#include "ButtonObjects.h"
#include "SkinSource.h"
#include "SkinTestUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const char* const kSource = R"(skin 1.13
# a small skin
object 1 "MainFrame" {
    ACTIVEFRAME.TOPLEFT = image("frame", 0, 0, 8, 8, 1)
    ACTIVEFRAME.COLOR = 0x00A05010
    CAPTIONFONT = font("Tahoma", -13, 700, 0x00FFFFFF)
    @captioneffect = effect(1, 1, 0xFFFFFFFF, 0x00402000, 0x8005)
    menubar "Menu" {
        @hot.color = 0x00102030
    }
    object 3 "Close" {
        @kind = 1
        @hover.image = image("frame", 8, 0, 16, 8, 0)
        AUTOPLACE = 1
        @autoplace.rect = rect(-20, 4, -4, 20)
    }
    object 22 "Logo" {
        @image = image("frame", 2, 2, 10, 6, 0)
        @anchor = 4
        @autoplace.rect = rect(100, 3, 108, 7)
    }
}
object 4 "Button" {
    NORMAL.IMAGE = grid("frame", 0, 0, 16, 16, 3, 3, 3, 3, 1)
    CONTROLID = 1001
    @NORMAL.tail = bytes("000102030405060708090a0b0c0d0e0f")
}
object 42 "Tip" {
    @tiptext = "<b>bold</b> \"quoted\"\x01"
}
object 100 "Custom" {
    property("Speed", 6, "1", bytes("05000000"), "five")
    property("Raw", 100, "", bytes(""), none)
}
image "frame" "frame.bmp"
auxiliary "Extra" {
    @color3 = 0x00000001
}
)";

class SkinSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("skinc_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
        fs::create_directories(dir_);
        const auto bmp = SolidBmp(16, 16, 0x00336699);
        std::ofstream(dir_ / "frame.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(SkinSourceTest, BuildDumpBuildIsStable) {
    Skin skin;
    std::string error;
    ASSERT_TRUE(ParseSkinSource(kSource, dir_, skin, error)) << error;
    for (int minor = 0; minor <= 13; ++minor) {
        SCOPED_TRACE(minor);
        const auto file = SaveSkinFile(skin, minor);
        Skin loaded;
        ASSERT_TRUE(loaded.LoadMemory(file.data(), file.size()));
        const fs::path images = dir_ / ("images" + std::to_string(minor));
        fs::create_directories(images);
        const std::string text = DumpSkinSource(loaded, DumpOptions{images});
        Skin rebuilt;
        ASSERT_TRUE(ParseSkinSource(text, images, rebuilt, error)) << error << "\n" << text;
        // Images come back through the image encoder, the rest byte for byte.
        EXPECT_EQ(SaveSkinFile(rebuilt, minor), SaveSkinFile(loaded, minor));
        Skin reloaded;
        const auto again = SaveSkinFile(rebuilt, minor);
        ASSERT_TRUE(reloaded.LoadMemory(again.data(), again.size()));
        EXPECT_EQ(DumpSkinSource(reloaded), DumpSkinSource(loaded));
    }
}

TEST_F(SkinSourceTest, ValuesReachTheObjects) {
    Skin skin;
    std::string error;
    ASSERT_TRUE(ParseSkinSource(kSource, dir_, skin, error)) << error;
    const auto file = SaveSkinFile(skin, 13);
    Skin loaded;
    ASSERT_TRUE(loaded.LoadMemory(file.data(), file.size()));
    auto* frame = static_cast<FrameWindowObject*>(loaded.FindObject("MainFrame"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->activeColor, 0x00A05010u);
    EXPECT_EQ(frame->captionFont.weight, 700);
    EXPECT_STREQ(frame->captionFont.faceName, "Tahoma");
    EXPECT_EQ(frame->captionEffect.flags, 0x8005u);
    EXPECT_EQ(frame->menuBar->hotColor, 0x00102030u);
    EXPECT_STREQ(frame->menuBar->name, "Menu");
    EXPECT_EQ(frame->Piece(0).width, 8);
    auto* close = static_cast<CaptionButtonObject*>(loaded.FindObject("Close"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->kind, 1u);
    EXPECT_EQ(close->autoPlaceRect.left, -20);
    auto* logo = dynamic_cast<FrameImageObject*>(loaded.FindObject("Logo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->TypeCode(), 22);
    EXPECT_STREQ(logo->image.name, "frame");
    EXPECT_EQ(logo->image.source.right, 10);
    EXPECT_EQ(logo->anchor, 4u);
    EXPECT_EQ(logo->autoPlaceRect.left, 100);
    auto* button = static_cast<PushButtonObject*>(loaded.FindObject("Button"));
    EXPECT_EQ(button->states[0].image.marginLeft, 3);
    EXPECT_EQ(button->states[0].tail[15], 15);
    EXPECT_EQ(button->controlId, 1001u);
    EXPECT_EQ(static_cast<TooltipObject*>(loaded.FindObject("Tip"))->text, "<b>bold</b> \"quoted\"\x01");
    const PropertyEntry* speed = loaded.FindObject("Custom")->FindProperty("SPEED");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(*static_cast<const uint32_t*>(speed->value), 5u);
    EXPECT_EQ(loaded.FindObject("Extra")->color3, 1u);
    const std::string dump = DumpSkinSource(loaded);
    EXPECT_NE(dump.find("image \"frame\" \"frame.bmp\" format bmp width 16 height 16 bpp 24"),
              std::string::npos);
    EXPECT_NE(dump.find("    ACTIVEFRAME.ClIENT = none\n"), std::string::npos);
    EXPECT_NE(dump.find("        AUTOPLACE = 0\n        @autoplace.rect = rect(100, 3, 108, 7)\n"
                        "        @image = image(\"frame\", 2, 2, 10, 6, 0)\n        @anchor = 4\n    }\n"),
              std::string::npos)
        << dump;
}

TEST_F(SkinSourceTest, ErrorsNameTheLine) {
    const std::pair<const char*, const char*> bad[] = {
        {"object 4 \"B\" {\n NO.KEY = 1\n}", "line 2"},
        {"object 3 \"B\" { }", "not allowed at top level"},
        {"object 22 \"B\" { }", "not allowed at top level"},
        {"object 14 \"A\" {\n object 1 \"F\" { }\n}", "not allowed as a child"},
        {"object 14 \"A\" {\n object 4 \"X\" { }\n object 4 \"X\" { }\n}", "two children"},
        {"skin 2.1", "version"},
        {"object 4 \"B\" {\n NORMAL.IMAGE = image(\"x\", 1, 2)\n}", "line 2"},
        {"object 4 \"B\" {", "missing"},
        {"image \"a\" \"missing.bmp\"", "cannot read"},
        {"object 4 \"B\" { NAME = \"this name is far too long for the fifty-one byte field\" }", "longer"},
    };
    for (const auto& [text, expected] : bad) {
        Skin skin;
        std::string error;
        EXPECT_FALSE(ParseSkinSource(text, dir_, skin, error)) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " -> " << error;
    }
}

#ifdef XPBLUE_SOURCE
TEST(DefaultSkin, BuildsAndHasEveryObjectTheProgramNeeds) {
    std::ifstream f(XPBLUE_SOURCE);
    ASSERT_TRUE(f);
    const std::string text((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    Skin skin;
    std::string error;
    ASSERT_TRUE(ParseSkinSource(text, fs::path(XPBLUE_SOURCE).parent_path(), skin, error)) << error;
    const auto file = SaveSkinFile(skin, 13);
    Skin loaded;
    ASSERT_TRUE(loaded.LoadMemory(file.data(), file.size()));
    for (const char* name : {"MainFrame", "Dialog"}) {
        const SkinObject* o = loaded.FindObject(name);
        ASSERT_NE(o, nullptr) << name;
        EXPECT_EQ(o->TypeCode(), 1);
        EXPECT_GE(o->Children().size(), 1u) << name << " caption buttons";
    }
    for (const int code : {4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 17, 25, 42})
        EXPECT_NE(loaded.FindObjectByType(code), nullptr) << code;
    // Every image that an object names exists.
    for (const auto& [name, object] : loaded.Objects()) {
        for (const PropertyEntry& e : object->Properties()) {
            if (e.type == PropImageRef || e.type == PropNineGrid) {
                const char* image = static_cast<const char*>(e.value);
                if (image[0]) {
                    EXPECT_NE(loaded.FindImage(image), nullptr) << name << " " << e.key << " " << image;
                }
            }
        }
    }
}
#endif

} // namespace
