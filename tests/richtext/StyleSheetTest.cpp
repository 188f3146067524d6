#include "richtext/StyleProperties.h"
#include "richtext/StyleSheet.h"

#include <gtest/gtest.h>

namespace richtext {
namespace {

TEST(StyleSheet, DefaultRulesInOrder) {
    StyleSheet sheet;
    ASSERT_EQ(sheet.RuleCount(), 17u);
    const char* order[] = {"body", "p",      "h1",      "h2",  "h3",  "h4",  "h5",    "h6",          "pre",
                           "code", "a:link", "a:hover", "sub", "sup", "big", "small", ".cpp-comment"};
    for (std::size_t i = 0; i < 17; ++i) EXPECT_EQ(sheet.Rules()[i].first, order[i]);
    EXPECT_EQ(sheet.Rule("pre"), "font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb");
    EXPECT_EQ(sheet.Rule("missing"), "");
}

TEST(StyleSheet, SetRuleReplacesAndSelectorsCompareInLowerCase) {
    StyleSheet sheet;
    sheet.SetRule("H1", "color:red");
    EXPECT_EQ(sheet.RuleCount(), 17u);
    EXPECT_EQ(sheet.Rule("h1"), "color:red");
    sheet.SetRule(".Note", "font-weight:bold");
    EXPECT_EQ(sheet.Rule(".note"), "font-weight:bold");
    EXPECT_EQ(sheet.Rule(".NOTE"), "font-weight:bold");
    sheet.Parse(";; td {padding-left: 3px}\n  Hr{size:3} unterminated {color:blue");
    EXPECT_EQ(sheet.Rule("td"), "padding-left: 3px");
    EXPECT_EQ(sheet.Rule("hr"), "size:3");
    EXPECT_EQ(sheet.Rule("unterminated"), "color:blue");
}

struct FixedLengths : LengthContext {
    int PixelsPerInch() override { return 96; }
    int XHeight() override { return 6; }
    int CharHeight() override { return 13; }
};

TEST(StyleProperties, EveryPropertySetsItsField) {
    ClassicSystemColours system;
    ColourResolver colours(system);
    FixedLengths lengths;
    StyleProperties props(colours, lengths);
    TextStyle s;
    props.ApplyList(
        "font-size: 12pt; font-family: \"Courier New\"; font-style:oblique;"
        "font-weight:bolder; text-align:right; text-transform:capitalize; color:#010203;"
        "background-color:navy; text-decoration: underline, overline line-through;"
        "vertical-align:vcenter; border-color:red; border-width:4px; border-style:dashed;"
        "margin-left:1px; margin-top:2px; margin-right:3px; margin-bottom:4px;"
        "padding-left:5px; padding-top:6px; padding-right:7px; padding-bottom:1em; unknown:1",
        s);
    EXPECT_EQ(s.fontSize, 16);
    EXPECT_EQ(s.fontFace, u"Courier New");
    EXPECT_TRUE(s.italic);
    EXPECT_EQ(s.weight, 900);
    EXPECT_EQ(s.hAlign, HAlign::Right);
    EXPECT_EQ(s.transform, Transform::Capitalise);
    EXPECT_EQ(s.textColour, Rgb(1, 2, 3));
    EXPECT_EQ(s.backgroundMode, BackgroundMode::Filled);
    EXPECT_EQ(s.backgroundColour, Rgb(0, 0, 0x80));
    EXPECT_TRUE(s.underline && s.overline && s.strikeOut);
    EXPECT_EQ(s.vAlign, VAlign::Middle);
    EXPECT_EQ(s.borderLight, Rgb(255, 0, 0));
    EXPECT_EQ(s.borderDark, Rgb(255, 0, 0));
    EXPECT_EQ(s.borderWidth, 4);
    EXPECT_EQ(s.borderStyle, BorderStyle::Dashed);
    EXPECT_EQ(s.margins, (Edges{1, 2, 3, 4}));
    EXPECT_EQ(s.paddings, (Edges{5, 6, 7, 13}));

    props.ApplyList(
        "text-decoration:; font-style:slanted; font-weight:lighter; border-width:thick;"
        "background-color:transparent; vertical-align:; text-align:justify",
        s);
    EXPECT_FALSE(s.underline || s.overline || s.strikeOut);
    EXPECT_TRUE(s.italic) << "an unknown keyword leaves the field";
    EXPECT_EQ(s.weight, 100);
    EXPECT_EQ(s.borderWidth, 5);
    EXPECT_EQ(s.backgroundMode, BackgroundMode::Transparent);
    EXPECT_EQ(s.vAlign, VAlign::Baseline);
    EXPECT_EQ(s.hAlign, HAlign::Right);
    props.ApplyList("font-size:0; font-weight:99999; font-family:", s);
    EXPECT_EQ(s.fontSize, kMinFontSize);
    EXPECT_EQ(s.weight, 1000);
    EXPECT_EQ(s.fontFace, u"Courier New");
}

} // namespace
} // namespace richtext
