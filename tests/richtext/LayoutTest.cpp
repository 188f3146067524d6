// Layout with deterministic fake metrics: body text is 13 px Verdana, six
// pixels per character (seven when bold), 13 px lines with a 10 px ascent.
#include "FakeTextDevice.h"
#include "richtext/RichTextRenderer.h"

#include <gtest/gtest.h>

namespace richtext {
namespace {

using testing::FakeTextDevice;

class Layouts : public ::testing::Test {
protected:
    std::vector<LayoutItem> Runs(std::u16string_view text, int maxWidth = 0) {
        std::vector<LayoutItem> out;
        for (auto& item : renderer_.MakeLayout(device_, text, maxWidth).items)
            if (item.kind == LayoutItem::Kind::Text && !item.text.empty()) out.push_back(item);
        return out;
    }
    LayoutItem Only(std::u16string_view text) {
        auto r = Runs(text);
        EXPECT_EQ(r.size(), 1u);
        return r.empty() ? LayoutItem{} : r.front();
    }
    std::vector<LayoutItem> Kind(std::u16string_view text, LayoutItem::Kind k) {
        std::vector<LayoutItem> out;
        for (auto& item : renderer_.MakeLayout(device_, text).items)
            if (item.kind == k) out.push_back(item);
        return out;
    }
    FakeTextDevice device_;
    RichTextRenderer renderer_;
};

TEST_F(Layouts, BodyStyleAndPlainText) {
    auto run = Only(u"Hello");
    EXPECT_EQ(run.font.face, u"Verdana");
    EXPECT_EQ(run.font.size, 13);
    EXPECT_EQ(run.font.weight, 400);
    EXPECT_EQ(run.colour, 0u);
    EXPECT_EQ(run.rect, (Rect{0, 0, 30, 13}));
    EXPECT_EQ(renderer_.Measure(device_, u"Hello"), (Size{30, 13}));
    EXPECT_EQ(renderer_.Measure(device_, u""), (Size{0, 0}));
}

TEST_F(Layouts, BoldDoublesUpTo900AndClosingRestores) {
    auto r = Runs(u"<b><b>x</b></b>y<b>z");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].font.weight, 900);
    EXPECT_EQ(r[1].font.weight, 400);
    EXPECT_EQ(r[2].font.weight, 800);
    r = Runs(u"<b><b>x</b>y</b>z");
    EXPECT_EQ(r[1].font.weight, 800);
    EXPECT_EQ(r[2].font.weight, 400);
}

TEST_F(Layouts, ClosingTagThatIsNotOnTopChangesNothing) {
    auto r = Runs(u"<i>a</b>b</i>c");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_TRUE(r[0].font.italic);
    EXPECT_TRUE(r[1].font.italic);
    EXPECT_FALSE(r[2].font.italic);
    r = Runs(u"<EM>a</em><U>b</underline><s>c</strikeout><strike>d</S>e");
    EXPECT_TRUE(r[0].font.italic);
    EXPECT_TRUE(r[1].font.underline);
    EXPECT_TRUE(r[2].font.strikeOut);
    EXPECT_TRUE(r[3].font.strikeOut);
    EXPECT_FALSE(r[4].font.strikeOut || r[4].font.underline || r[4].font.italic);
}

TEST_F(Layouts, FontTagAttributes) {
    EXPECT_EQ(Only(u"<font size=5>x").font.size, 18);
    EXPECT_EQ(Only(u"<font size=12pt>x").font.size, 16);
    device_.ppi = 120;
    EXPECT_EQ(Only(u"<font size=12pt>x").font.size, 20);
    device_.ppi = 96;
    EXPECT_EQ(Only(u"<font size=50%>x").font.size, 6);
    auto run = Only(u"<font face=\"Courier New\" color=#ff9900 weight=bold bkgnd=yellow>x");
    EXPECT_EQ(run.font.face, u"Courier New");
    EXPECT_EQ(run.colour, Rgb(0xFF, 0x99, 0));
    EXPECT_EQ(run.font.weight, 700);
    EXPECT_TRUE(run.filled);
    EXPECT_EQ(run.background, Rgb(255, 255, 0));
    run = Only(u"<font color=#ff9900><font color=#f90><font color=nosuch>x");
    EXPECT_EQ(run.colour, Rgb(0xFF, 0x99, 0));
    run = Only(u"<font style=\"biuso\">x");
    EXPECT_TRUE(run.font.italic && run.font.underline && run.font.strikeOut && run.overline);
    EXPECT_EQ(run.font.weight, 700);
    run = Only(u"<b><i><font style=\"-b+-i?\">x");
    EXPECT_EQ(run.font.weight, 400);
    EXPECT_FALSE(run.font.italic);
}

TEST_F(Layouts, LessThanPairIsALiteral) {
    auto run = Only(u"a<<b");
    EXPECT_EQ(run.text, u"a<b");
}

TEST_F(Layouts, LineBreaksAndLineHeights) {
    auto r = Runs(u"a<br=3>b");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].rect.top, 39);
    EXPECT_EQ(Runs(u"a<br>b")[1].rect.top, 13);
    EXPECT_EQ(Runs(u"a<new_line>b")[1].rect.top, 13);
    EXPECT_EQ(renderer_.Measure(device_, u"abc<br>de"), (Size{18, 26}));
    // Line feeds outside "pre" are not drawn and do not break.
    EXPECT_EQ(renderer_.Measure(device_, u"ab\r\ncd\tx"), (Size{30, 13}));
    // The tallest run sets the line height; runs share a baseline.
    r = Runs(u"a<font size=30>B</font>c<br>d");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].rect, (Rect{6, 0, 21, 30}));
    EXPECT_EQ(r[0].rect.top, 24 - 10);
    EXPECT_EQ(r[3].rect.top, 30);
}

TEST_F(Layouts, VerticalAlignmentInALine) {
    auto r = Runs(
        u"<font size=30>B</font><top>t</top><middle>m</vcenter><bottom>b</bottom>"
        "<sub>s</sub><sup>p</sup>");
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[1].rect.top, 0);
    EXPECT_EQ(r[2].rect.top, (30 - 13) / 2);
    EXPECT_EQ(r[3].rect.bottom, 30);
    EXPECT_EQ(r[4].font.size, 8);
    EXPECT_EQ(r[4].rect.bottom, 30);
    EXPECT_EQ(r[5].rect.top, 0);
}

TEST_F(Layouts, TabStopsEveryFourAverageCharacters) {
    auto r = Runs(u"ab<tab>c<t=2>d<t>e");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].rect.left, 24);
    EXPECT_EQ(r[2].rect.left, 72);
    EXPECT_EQ(r[3].rect.left, 96);
}

TEST_F(Layouts, PreKeepsLineFeedsAndTabs) {
    auto r = Runs(u"<pre>ab\r\ncd\tx</pre>y\nz");
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].font.face, u"Courier");
    EXPECT_EQ(r[0].font.size, 12);
    EXPECT_TRUE(r[0].filled);
    EXPECT_EQ(r[0].background, Rgb(0xFB, 0xED, 0xBB));
    // The second line also holds the 13 px body text, so its baseline is lower.
    EXPECT_EQ(r[1].rect.top, 12 + 1);
    EXPECT_EQ(r[2].rect.left, 24);
    EXPECT_EQ(r[3].rect.top, 12);
    EXPECT_EQ(r[4].rect.top, 12) << "after pre the line feed is ignored again";
}

TEST_F(Layouts, StyleSheetTagsAndClasses) {
    auto r = Runs(
        u"<h1>a</h1><h2>b</h2><h3>c</h3><h6>d</h6><code>e</code><big>f</big><small>g</small>"
        "<span class=\"cpp-comment\">h</span><p>i</p>");
    ASSERT_EQ(r.size(), 9u);
    EXPECT_EQ(r[0].font.size, 18);
    EXPECT_EQ(r[0].font.weight, 700);
    EXPECT_EQ(r[1].colour, Rgb(0xFF, 0x99, 0));
    EXPECT_EQ(r[2].font.face, u"Arial");
    EXPECT_EQ(r[3].font.size, 8);
    EXPECT_EQ(r[3].colour, Rgb(0x62, 0x62, 0x62));
    EXPECT_EQ(r[4].colour, Rgb(0x99, 0, 0));
    EXPECT_EQ(r[5].font.size, 16);
    EXPECT_EQ(r[6].font.size, 9);
    EXPECT_EQ(r[7].colour, Rgb(0, 0x80, 0));
    EXPECT_TRUE(r[7].font.italic);
    EXPECT_EQ(r[8].font.weight, 700);
    renderer_.SetRule("note", "color:red; text-transform:uppercase");
    EXPECT_EQ(Only(u"<NOTE>abc</note>").colour, Rgb(255, 0, 0));
    EXPECT_EQ(Only(u"<note>abc").text, u"ABC");
}

TEST_F(Layouts, AlignmentGroupsShareALine) {
    auto items =
        renderer_.MakeLayout(device_, u"<left>ab</left><center>cd</center><right>ef</right>", 0, {10, 5}, 100)
            .items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].rect.left, 10);
    EXPECT_EQ(items[1].rect.left, 10 + 44);
    EXPECT_EQ(items[2].rect.right, 110);
    EXPECT_EQ(items[2].rect.top, 5);
}

TEST_F(Layouts, TextTransforms) {
    renderer_.SetRule("up", "text-transform:uppercase");
    renderer_.SetRule("low", "text-transform:lowercase");
    renderer_.SetRule("cap", "text-transform:capitalize");
    EXPECT_EQ(Only(u"<up>mixed Case é</up>").text, u"MIXED CASE É");
    EXPECT_EQ(Only(u"<low>MIXED Case</low>").text, u"mixed case");
    EXPECT_EQ(Only(u"<cap>hello wORLD  x-ray</cap>").text, u"Hello World  X-ray");
}

TEST_F(Layouts, WrapsLongLinesAtBlanksWhenGivenAWidth) {
    auto r = Runs(u"aaa bbb ccc", 45);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].text, u"aaa bbb");
    EXPECT_EQ(r[1].text, u"ccc");
    EXPECT_EQ(r[1].rect.top, 13);
    EXPECT_EQ(renderer_.Measure(device_, u"aaa bbb ccc", 45), (Size{42, 26}));
    // A word longer than the line is cut.
    r = Runs(u"abcdefghij", 30);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].text, u"abcde");
    // A word that does not fit after other text moves down whole.
    r = Runs(u"<b>xx</b>abcd", 30);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].text, u"abcd");
    EXPECT_EQ(r[1].rect.top, 13);
    EXPECT_EQ(renderer_.Measure(device_, u"aaa bbb ccc"), (Size{66, 13}));
}

TEST_F(Layouts, LinksTakeTheirStyleAndReportUnderTheMouse) {
    std::u16string text = u"go <a href=\"http://x\">here</a> or <a msg=\"open\">there</a>";
    auto r = Runs(text);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].colour, Rgb(0, 0, 255));
    EXPECT_FALSE(r[1].font.underline);
    EXPECT_EQ(r[1].link, 0);
    EXPECT_EQ(r[3].link, 1);
    renderer_.Draw(device_, text, {0, 0, 200, 20});
    auto link = renderer_.LinkAt({20, 5});
    ASSERT_TRUE(link);
    EXPECT_EQ(link->kind, LinkKind::HyperReference);
    EXPECT_EQ(link->target, u"http://x");
    EXPECT_FALSE(renderer_.LinkAt({2, 5}));
    renderer_.SetMouse(Point{r[3].rect.left + 1, 3});
    r = Runs(text);
    EXPECT_TRUE(r[3].font.underline) << "a:hover while under the mouse";
    EXPECT_FALSE(r[1].font.underline);
    renderer_.Draw(device_, text, {0, 0, 200, 20});
    ASSERT_TRUE(renderer_.HoverLink());
    EXPECT_EQ(renderer_.HoverLink()->kind, LinkKind::Message);
    EXPECT_EQ(renderer_.HoverLink()->target, u"open");
}

TEST_F(Layouts, HorizontalRules) {
    auto rules = Kind(u"a<hr>b", LayoutItem::Kind::Rule);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(rules[0].rect, (Rect{0, 13 + 4, 6, 18})) << "full width of the 6 px text, middle of 9 px";
    EXPECT_EQ(renderer_.Measure(device_, u"a<hr>b"), (Size{6, 13 + 9 + 13}));
    auto items = renderer_.MakeLayout(device_, u"<hr width=50% size=4 color=red>", 0, {}, 100).items;
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].rect, (Rect{25, 4, 75, 8}));
    EXPECT_EQ(items[0].colour, Rgb(255, 0, 0));
    renderer_.SetRule("hr", "color:green; size:3px");
    items = renderer_.MakeLayout(device_, u"<hr width=20>", 0, {}, 100).items;
    EXPECT_EQ(items[0].rect, (Rect{40, 4, 60, 7}));
    EXPECT_EQ(items[0].colour, Rgb(0, 0x80, 0));
}

TEST_F(Layouts, ImagesAndStrings) {
    auto images = Kind(
        u"a<bmp handle=0x1234 cx=20 cy=10>b<icon idres=5 width=200% height=8>"
        "<ilst file=none.bmp>",
        LayoutItem::Kind::Image);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].image.handle, 0x1234u);
    EXPECT_EQ(images[0].rect.left, 6);
    EXPECT_EQ(images[0].rect.Width(), 20);
    EXPECT_EQ(images[1].image.kind, ImageKind::Icon);
    EXPECT_EQ(images[1].image.resourceId, 5u);
    EXPECT_EQ(images[1].rect.Width(), 32);
    EXPECT_EQ(images[1].rect.Height(), 8);
    EXPECT_EQ(Only(u"<u><string idres=7></u>").text, u"Seven");
    EXPECT_TRUE(Runs(u"<string idres=8>").empty());
}

TEST_F(Layouts, TablesWithSpansBordersAndSpacing) {
    std::u16string text =
        u"top<table border=1 cellpadding=2 cellspacing=3 bgcolor=#102030>"
        u"<tr><td rowspan=2>A</td><td>BB</td><td>C</td></tr>"
        u"<tr><td colspan=2 align=right>DDDDDDDDDD</td></tr></table>end";
    auto layout = renderer_.MakeLayout(device_, text);
    // Columns: A 6+6, BB 12+6, C 6+6; the colspan needs 60+6 over 18+12+3.
    // Width: 2 border + 4 spacing gaps of 3 + columns 12, 18+16, 12+17.
    std::vector<LayoutItem> boxes, texts;
    for (auto& i : layout.items) (i.kind == LayoutItem::Kind::Box ? boxes : texts).push_back(i);
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].rect.top, 13);
    EXPECT_EQ(boxes[0].fill.effect, FillEffect::Solid);
    EXPECT_EQ(boxes[0].fill.colour, Rgb(0x10, 0x20, 0x30));
    EXPECT_TRUE(boxes[0].border.raised);
    EXPECT_FALSE(boxes[1].border.raised);
    EXPECT_EQ(boxes[1].border.width, 1);
    int tableWidth = boxes[0].rect.Width();
    EXPECT_EQ(tableWidth, 2 + 4 * 3 + 12 + 34 + 29);
    EXPECT_EQ(layout.size.width, tableWidth);
    // The row-spanning cell covers both rows; the colspan cell both columns.
    EXPECT_EQ(boxes[1].rect.top, 13 + 1 + 3);
    EXPECT_EQ(boxes[1].rect.bottom, boxes[4].rect.bottom);
    EXPECT_EQ(boxes[4].rect.left, boxes[2].rect.left);
    EXPECT_EQ(boxes[4].rect.right, boxes[3].rect.right);
    // Row heights: 13 + 2*2 + 2*1.
    EXPECT_EQ(boxes[2].rect.Height(), 19);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[4].text, u"DDDDDDDDDD");
    EXPECT_EQ(texts[4].rect.right, boxes[4].rect.right - 3) << "right-aligned in the cell";
    EXPECT_EQ(texts[5].text, u"end");
    EXPECT_EQ(texts[5].rect.top, boxes[0].rect.bottom);
    EXPECT_EQ(texts[5].font.weight, 400);
    EXPECT_EQ(layout.size.height, 13 + boxes[0].rect.Height() + 13);
}

TEST_F(Layouts, TableStylesEffectsAndRestoredStyle) {
    auto layout = renderer_.MakeLayout(
        device_,
        u"<b><table width=200 bgeffect=hgradient bgcolor=red bgendcolor=blue borderstyle=dashed "
        u"border=2 bordercolor=green align=center><tr bgcolor=white><td width=50 valign=bottom><i>x"
        u"<td bgeffect=3vgradient bgmidcolor=gray>y</table>z",
        0, {}, 300);
    std::vector<LayoutItem> boxes, texts;
    for (auto& i : layout.items) (i.kind == LayoutItem::Kind::Box ? boxes : texts).push_back(i);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].rect.Width(), 200);
    EXPECT_EQ(boxes[0].rect.left, 50);
    EXPECT_EQ(boxes[0].fill.effect, FillEffect::HGradient);
    EXPECT_EQ(boxes[0].fill.end, Rgb(0, 0, 255));
    EXPECT_EQ(boxes[0].border.style, BorderStyle::Dashed);
    EXPECT_EQ(boxes[0].border.light, Rgb(0, 0x80, 0));
    EXPECT_EQ(boxes[1].fill.effect, FillEffect::Solid);
    EXPECT_EQ(boxes[1].fill.colour, Rgb(255, 255, 255));
    EXPECT_EQ(boxes[2].fill.effect, FillEffect::V3Gradient);
    EXPECT_EQ(boxes[2].fill.middle, Rgb(0x80, 0x80, 0x80));
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(texts[0].font.italic);
    EXPECT_EQ(texts[0].font.weight, 800);
    EXPECT_FALSE(texts[1].font.italic) << "the style is restored at the end of a cell";
    EXPECT_EQ(texts[2].font.weight, 800);
    EXPECT_FALSE(texts[2].font.italic);
}

TEST_F(Layouts, NestedTablesAndContentOutsideCells) {
    auto layout = renderer_.MakeLayout(
        device_,
        u"<table cellspacing=0 cellpadding=0><tr>lost<td><table cellspacing=0 cellpadding=0>"
        u"<tr><td>in</td></tr></table></td><td>out</td></tr></table>");
    std::vector<std::u16string> texts;
    for (auto& i : layout.items)
        if (i.kind == LayoutItem::Kind::Text) texts.push_back(i.text);
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"in", u"out"}));
    EXPECT_EQ(layout.size, (Size{30, 13}));
}

TEST_F(Layouts, DrawPaintsBackgroundTextOverlineAndBoxes) {
    renderer_.Draw(device_, u"<font style=o bkgnd=red>ab</font><b><font style=o>c", {5, 5, 100, 30});
    ASSERT_GE(device_.calls.size(), 5u);
    EXPECT_EQ(device_.calls[0].kind, testing::DrawCall::Kind::Fill);
    EXPECT_EQ(device_.calls[0].rect, (Rect{5, 5, 17, 18}));
    EXPECT_EQ(device_.calls[1].text, u"ab");
    EXPECT_EQ(device_.calls[2].rect, (Rect{5, 5, 17, 6})) << "1 px overline";
    EXPECT_EQ(device_.calls[4].rect.Height(), 2) << "2 px overline when bold";
}

TEST_F(Layouts, DrawWrapsOnlyWhenTheRectangleIsNarrower) {
    renderer_.Draw(device_, u"aaa bbb", {0, 0, 42, 13});
    EXPECT_EQ(device_.calls.size(), 1u);
    device_.calls.clear();
    renderer_.Draw(device_, u"aaa bbb", {0, 0, 30, 30});
    ASSERT_EQ(device_.calls.size(), 2u);
    EXPECT_EQ(device_.calls[1].rect.top, 13);
}

} // namespace
} // namespace richtext
