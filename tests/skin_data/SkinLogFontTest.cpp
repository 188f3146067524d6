// Skin fonts become W fonts with their GBK face names converted.

#include "SkinFontHandle.h"
#include "SkinLogFont.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

SkinFont WithFace(const char* face, size_t size) {
    SkinFont font = SkinFont::Default("");
    std::memcpy(font.faceName, face, size);
    return font;
}

TEST(SkinLogFont, FaceNamesComeFromCodePage936) {
    const std::string unterminated(sizeof SkinFont::faceName, 'A');
    const struct {
        std::string face;
        std::wstring expected;
    } cases[] = {
        {"Tahoma", L"Tahoma"},
        {"\xCB\xCE\xCC\xE5", L"\u5B8B\u4F53"},
        {"", L""},
        {unterminated, std::wstring(LF_FACESIZE - 1, L'A')}, // cut to what LOGFONTW holds
    };
    for (const auto& c : cases) {
        const LOGFONTW lf = ToLogFontW(WithFace(c.face.data(), c.face.size()));
        EXPECT_EQ(std::wstring(lf.lfFaceName), c.expected) << c.face;
    }
}

TEST(SkinLogFont, ResolvedFontHandlesUseTheConvertedFace) {
    const SkinFont font = WithFace("\xCB\xCE\xCC\xE5", 4);
    for (HFONT handle : {CreateSkinFontW(font), static_cast<HFONT>(CreateSkinFontHandle(font))}) {
        ASSERT_NE(handle, nullptr);
        LOGFONTW made = {};
        ASSERT_EQ(GetObjectW(handle, sizeof made, &made), int(sizeof made));
        EXPECT_STREQ(made.lfFaceName, L"\u5B8B\u4F53");
        EXPECT_EQ(made.lfHeight, -12);
        DeleteSkinFontHandle(handle);
    }
}

} // namespace
