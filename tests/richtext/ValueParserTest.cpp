#include "richtext/ColourNames.h"
#include "richtext/ValueParser.h"

#include <gtest/gtest.h>

#include <set>

namespace richtext {
namespace {

struct FixedLengths : LengthContext {
    int PixelsPerInch() override { return 96; }
    int XHeight() override { return 7; }
    int CharHeight() override { return 16; }
};

TEST(Lengths, UnitsPercentAndHtmlSizes) {
    FixedLengths ctx;
    EXPECT_EQ(ParseLength("", 13, ctx), 13);
    EXPECT_EQ(ParseLength("50%", 13, ctx), 6);
    EXPECT_EQ(ParseLength("12px", 0, ctx), 12);
    EXPECT_EQ(ParseLength("-12px", 0, ctx), 12);
    EXPECT_EQ(ParseLength("+2em", 0, ctx), 32);
    EXPECT_EQ(ParseLength("3ex", 0, ctx), 21);
    EXPECT_EQ(ParseLength("1in", 0, ctx), 96);
    EXPECT_EQ(ParseLength("2cm", 0, ctx), 75); // 192 * 0.3937 = 75.59
    EXPECT_EQ(ParseLength("10mm", 0, ctx), 37);
    EXPECT_EQ(ParseLength("12pt", 0, ctx), 16);
    EXPECT_EQ(ParseLength("10pt", 0, ctx), 13);
    EXPECT_EQ(ParseLength("1pc", 0, ctx), 16);
    EXPECT_EQ(ParseLength("0x10", 0, ctx), 16);
    EXPECT_EQ(ParseLength("5", 0, ctx), 5);
    EXPECT_EQ(ParseLength("5", 0, ctx, LengthForm::FontSize), 18);
    EXPECT_EQ(ParseLength("1", 0, ctx, LengthForm::FontSize), 8);
    EXPECT_EQ(ParseLength("7", 0, ctx, LengthForm::FontSize), 36);
    EXPECT_EQ(ParseLength("8", 0, ctx, LengthForm::FontSize), 8);
}

TEST(Lengths, HugeAndMalformedNumbersStayBounded) {
    FixedLengths ctx;
    EXPECT_EQ(ParseLength("99999999999999999999999999px", 0, ctx), kMaxLength);
    EXPECT_EQ(ParseLength("99999999999999999999in", 0, ctx), kMaxLength);
    EXPECT_EQ(ParseLength("99999999999999999999%", 1000, ctx), kMaxLength);
    EXPECT_EQ(ParseLength("abc", 4, ctx), 0);
    EXPECT_EQ(ParseLength("-", 4, ctx), 0);
    EXPECT_EQ(ParseLength("%", 4, ctx), 0);
}

TEST(Colours, HashDigitsNamesAndFallbacks) {
    ClassicSystemColours system;
    ColourResolver colours(system);
    EXPECT_EQ(colours.Parse("#ff9900", 1), Rgb(0xFF, 0x99, 0x00));
    EXPECT_EQ(colours.Parse("#f90", 1), 1u);
    EXPECT_EQ(colours.Parse("#gg0000", 1), 1u);
    EXPECT_EQ(colours.Parse("nosuchcolour", 1), 1u);
    EXPECT_EQ(colours.Parse("", 1), 1u);
    EXPECT_EQ(colours.Parse("255", 1), Rgb(255, 0, 0));
    EXPECT_EQ(colours.Parse("0xFF0000", 1), Rgb(0, 0, 255));
    EXPECT_EQ(colours.Parse("0x7FFF0000", 1), Rgb(0, 0, 255)); // top byte dropped
    EXPECT_EQ(colours.Parse("red", 1), Rgb(255, 0, 0));
    // Keyword and system colour names match exactly, in lower case only.
    for (const char* name : {"Red", "RED", "LightGrey", "InfoBackground", "WINDOWTEXT"})
        EXPECT_EQ(colours.Parse(name, 1), 1u) << name;
    EXPECT_EQ(colours.Parse("lightgrey", 1), Rgb(0xD3, 0xD3, 0xD3));
    EXPECT_EQ(colours.Parse("infobackground", 1), Rgb(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(colours.Parse("windowtext", 1), 0u);
}

TEST(Colours, KeywordAndSystemTablesAreComplete) {
    std::set<std::string_view> names;
    for (const auto& k : ColourKeywords()) names.insert(k.name);
    EXPECT_EQ(ColourKeywords().size(), 141u);
    EXPECT_EQ(names.size(), 141u);
    EXPECT_EQ(SystemColourNames().size(), 28u);
    EXPECT_EQ(*FindColourKeyword("yellowgreen"), Rgb(0x9A, 0xCD, 0x32));
    EXPECT_FALSE(FindColourKeyword(""));
    EXPECT_FALSE(FindColourKeyword("rebeccapurple"));
}

// System colours are read once, when the resolver is made.
TEST(Colours, SystemColoursAreReadAtConstruction) {
    struct Counting : SystemColourSource {
        mutable int reads = 0;
        Colour SystemColour(int index) const override {
            ++reads;
            return Colour(index);
        }
    } source;
    ColourResolver colours(source);
    EXPECT_EQ(source.reads, 28);
    EXPECT_EQ(colours.Parse("infotext", 1), 23u);
    EXPECT_EQ(colours.Parse("scrollbar", 1), 0u);
    EXPECT_EQ(source.reads, 28);
}

} // namespace
} // namespace richtext
