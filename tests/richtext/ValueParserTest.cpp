#include "richtext/ColourNames.h"
#include "richtext/ValueParser.h"

#include <gtest/gtest.h>

#include <set>

namespace richtext {
namespace {

struct FixedLengths : LengthContext {
    int pixelsPerInch() override { return 96; }
    int xHeight() override { return 7; }
    int charHeight() override { return 16; }
};

TEST(Lengths, UnitsPercentAndHtmlSizes) {
    FixedLengths ctx;
    EXPECT_EQ(parseLength("", 13, ctx), 13);
    EXPECT_EQ(parseLength("50%", 13, ctx), 6);
    EXPECT_EQ(parseLength("12px", 0, ctx), 12);
    EXPECT_EQ(parseLength("-12px", 0, ctx), 12);
    EXPECT_EQ(parseLength("+2em", 0, ctx), 32);
    EXPECT_EQ(parseLength("3ex", 0, ctx), 21);
    EXPECT_EQ(parseLength("1in", 0, ctx), 96);
    EXPECT_EQ(parseLength("2cm", 0, ctx), 75); // 192 * 0.3937 = 75.59
    EXPECT_EQ(parseLength("10mm", 0, ctx), 37);
    EXPECT_EQ(parseLength("12pt", 0, ctx), 16);
    EXPECT_EQ(parseLength("10pt", 0, ctx), 13);
    EXPECT_EQ(parseLength("1pc", 0, ctx), 16);
    EXPECT_EQ(parseLength("0x10", 0, ctx), 16);
    EXPECT_EQ(parseLength("5", 0, ctx), 5);
    EXPECT_EQ(parseLength("5", 0, ctx, LengthForm::FontSize), 18);
    EXPECT_EQ(parseLength("1", 0, ctx, LengthForm::FontSize), 8);
    EXPECT_EQ(parseLength("7", 0, ctx, LengthForm::FontSize), 36);
    EXPECT_EQ(parseLength("8", 0, ctx, LengthForm::FontSize), 8);
}

TEST(Lengths, HugeAndMalformedNumbersStayBounded) {
    FixedLengths ctx;
    EXPECT_EQ(parseLength("99999999999999999999999999px", 0, ctx), kMaxLength);
    EXPECT_EQ(parseLength("99999999999999999999in", 0, ctx), kMaxLength);
    EXPECT_EQ(parseLength("99999999999999999999%", 1000, ctx), kMaxLength);
    EXPECT_EQ(parseLength("abc", 4, ctx), 0);
    EXPECT_EQ(parseLength("-", 4, ctx), 0);
    EXPECT_EQ(parseLength("%", 4, ctx), 0);
}

TEST(Colours, HashDigitsNamesAndFallbacks) {
    ClassicSystemColours system;
    ColourResolver colours(system);
    EXPECT_EQ(colours.parse("#ff9900", 1), rgb(0xFF, 0x99, 0x00));
    EXPECT_EQ(colours.parse("#f90", 1), 1u);
    EXPECT_EQ(colours.parse("#gg0000", 1), 1u);
    EXPECT_EQ(colours.parse("nosuchcolour", 1), 1u);
    EXPECT_EQ(colours.parse("", 1), 1u);
    EXPECT_EQ(colours.parse("255", 1), rgb(255, 0, 0));
    EXPECT_EQ(colours.parse("0xFF0000", 1), rgb(0, 0, 255));
    EXPECT_EQ(colours.parse("0x7FFF0000", 1), rgb(0, 0, 255)); // top byte dropped
    EXPECT_EQ(colours.parse("red", 1), rgb(255, 0, 0));
    EXPECT_EQ(colours.parse("Red", 1), rgb(255, 0, 0));
    EXPECT_EQ(colours.parse("lightgrey", 1), rgb(0xD3, 0xD3, 0xD3));
    EXPECT_EQ(colours.parse("infobackground", 1), rgb(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(colours.parse("windowtext", 1), 0u);
}

TEST(Colours, KeywordAndSystemTablesAreComplete) {
    std::set<std::string_view> names;
    for (const auto& k : colourKeywords()) names.insert(k.name);
    EXPECT_EQ(colourKeywords().size(), 141u);
    EXPECT_EQ(names.size(), 141u);
    EXPECT_EQ(systemColourNames().size(), 28u);
    EXPECT_EQ(*findColourKeyword("yellowgreen"), rgb(0x9A, 0xCD, 0x32));
    EXPECT_FALSE(findColourKeyword(""));
    EXPECT_FALSE(findColourKeyword("rebeccapurple"));
}

// System colours are read once, when the resolver is made.
TEST(Colours, SystemColoursAreReadAtConstruction) {
    struct Counting : SystemColourSource {
        mutable int reads = 0;
        Colour systemColour(int index) const override {
            ++reads;
            return Colour(index);
        }
    } source;
    ColourResolver colours(source);
    EXPECT_EQ(source.reads, 28);
    EXPECT_EQ(colours.parse("infotext", 1), 23u);
    EXPECT_EQ(colours.parse("scrollbar", 1), 0u);
    EXPECT_EQ(source.reads, 28);
}

} // namespace
} // namespace richtext
