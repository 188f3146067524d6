// GBK bytes to UTF-16 and back, whatever the system's ANSI code page.

#include "Cp936Text.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

const std::string kSongTi = "\xCB\xCE\xCC\xE5"; // the face name of SimSun in GBK
const std::wstring kSongTiWide = L"\u5B8B\u4F53";

TEST(Cp936Text, BytesAndTextConvertBothWays) {
    const std::pair<std::string, std::wstring> cases[] = {
        {"", L""},           {"abc", L"abc"}, {kSongTi, kSongTiWide}, {"A\xB0\xA1z", L"A\u554Az"},
        {"a\0b"s, L"a\0b"s}, // a plain view converts its NULs too
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(WideFromCp936(bytes), text) << bytes;
        EXPECT_EQ(Cp936FromWide(text), bytes) << bytes;
    }
    EXPECT_EQ(Cp936FromWide(L"x\u0E01"), "x?"); // Thai is not in GBK
}

TEST(Cp936Text, FieldsEndAtTheirFirstNul) {
    const char full[4] = {'\xCB', '\xCE', '\xCC', '\xE5'}; // no terminator
    const struct {
        const char* field;
        size_t size;
        std::wstring expected;
    } cases[] = {
        {"ab\0cd", 5, L"ab"}, {full, sizeof full, kSongTiWide}, {"abcdef", 3, L"abc"}, {"abc", 0, L""},
        {nullptr, 8, L""},
    };
    for (const auto& c : cases) EXPECT_EQ(WideFromCp936Field(c.field, c.size), c.expected) << c.size;
}

} // namespace
