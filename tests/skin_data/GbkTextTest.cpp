// GBK bytes to UTF-16 and back, and fonts with GBK face names, whatever the
// system's ANSI code page.

#include "Cp936Text.h"
#include "SkinFontHandle.h"
#include "SkinLogFont.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace std::string_literals;

const std::string kSongTi = "\xCB\xCE\xCC\xE5"; // SimSun's face name
const std::wstring kSongTiWide = L"\u5B8B\u4F53";

TEST(GbkText, BytesAndTextBothWays) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"", L""}, {"abc", L"abc"}, {kSongTi, kSongTiWide}, {"A\xB0\xA1z", L"A\u554Az"}, {"a\0b"s, L"a\0b"s}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(WideFromCp936(bytes), text) << bytes;
        EXPECT_EQ(Cp936FromWide(text), bytes) << bytes;
    }
    EXPECT_EQ(Cp936FromWide(L"x\u0E01"), "x?"); // Thai is not in GBK
    // Fields end at their first NUL or their size.
    EXPECT_EQ(WideFromCp936Field("ab\0cd", 5), L"ab");
    EXPECT_EQ(WideFromCp936Field(kSongTi.c_str(), 4), kSongTiWide);
    EXPECT_EQ(WideFromCp936Field("abcdef", 3), L"abc");
    EXPECT_EQ(WideFromCp936Field(nullptr, 8), L"");
}

TEST(GbkText, FontsTakeTheConvertedFaceName) {
    const std::pair<std::string, std::wstring> faces[] = {
        {"Tahoma", L"Tahoma"},
        {kSongTi, kSongTiWide},
        {std::string(32, 'A'), std::wstring(LF_FACESIZE - 1, L'A')}, // no NUL: cut to fit
    };
    for (const auto& [face, expected] : faces) {
        SkinFont font = SkinFont::Default("");
        std::memcpy(font.faceName, face.data(), face.size());
        EXPECT_EQ(std::wstring(ToLogFontW(font).lfFaceName), expected);
        // Resolved control fonts are made the same way.
        HFONT handle = static_cast<HFONT>(CreateSkinFontHandle(font));
        LOGFONTW made = {};
        ASSERT_EQ(GetObjectW(handle, sizeof made, &made), int(sizeof made));
        EXPECT_EQ(std::wstring(made.lfFaceName), expected);
        EXPECT_EQ(made.lfHeight, -12);
        DeleteSkinFontHandle(handle);
    }
}

} // namespace
