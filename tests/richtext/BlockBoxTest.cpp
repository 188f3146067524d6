// Margins and paddings of block-level styles, with the fake metrics: body text
// is 13 px high and six pixels per character.
#include "FakeTextDevice.h"
#include "richtext/RichTextRenderer.h"

#include <gtest/gtest.h>

namespace richtext {
namespace {

using testing::FakeTextDevice;

class BlockBoxes : public ::testing::Test {
protected:
    std::vector<LayoutItem> Items(std::u16string_view text, int maxWidth = 0, int width = 0) {
        return renderer_.MakeLayout(device_, text, maxWidth, {}, width).items;
    }
    std::vector<LayoutItem> Runs(std::u16string_view text, int maxWidth = 0, int width = 0) {
        std::vector<LayoutItem> out;
        for (auto& item : Items(text, maxWidth, width))
            if (item.kind == LayoutItem::Kind::Text && !item.text.empty()) out.push_back(item);
        return out;
    }
    FakeTextDevice device_;
    RichTextRenderer renderer_;
};

TEST_F(BlockBoxes, MarginsAndPaddingsIndentAndSpaceTheirLines) {
    renderer_.SetRule("p",
                      "margin-left:10px; margin-top:4px; margin-right:7px; margin-bottom:3px;"
                      "padding-left:5px; padding-top:2px; padding-right:2px; padding-bottom:1px");
    auto r = Runs(u"a<p>bb</p>c");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].rect, (Rect{0, 0, 6, 13}));
    EXPECT_EQ(r[1].rect, (Rect{15, 13 + 4 + 2, 27, 32})) << "own line, indented by margin and padding";
    EXPECT_EQ(r[2].rect, (Rect{0, 32 + 1 + 3, 6, 49}));
    EXPECT_EQ(renderer_.Measure(device_, u"a<p>bb</p>c"), (Size{15 + 12 + 9, 49}));
    // A box left open ends with the text, spacing included; nested boxes add up.
    EXPECT_EQ(renderer_.Measure(device_, u"<p><p>x"), (Size{30 + 6 + 18, 2 * 6 + 13 + 2 * 4}));

    // The right indent narrows the wrap width and moves right-aligned text.
    renderer_.SetRule("q", "margin-left:12px; margin-right:12px");
    r = Runs(u"<q>aaa bbb ccc</q>", 60);
    ASSERT_EQ(r.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r[std::size_t(i)].rect.left, 12);
    EXPECT_EQ(r[2].rect.top, 26);
    r = Runs(u"<q><right>ab</right></q>", 0, 100);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].rect.right, 88);
}

TEST_F(BlockBoxes, PaddingEnlargesTheBoxsOwnBackground) {
    renderer_.SetRule("note",
                      "background-color:yellow; margin-left:3px; padding-left:4px;"
                      "padding-top:2px; padding-right:4px; padding-bottom:2px");
    auto all = Items(u"<note>ab</note>", 0, 100);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].kind, LayoutItem::Kind::Box) << "painted before the text";
    EXPECT_EQ(all[0].rect, (Rect{3, 0, 100, 17}));
    EXPECT_EQ(all[0].fill.effect, FillEffect::Solid);
    EXPECT_EQ(all[0].fill.colour, Rgb(255, 255, 0));
    EXPECT_EQ(all[1].rect, (Rect{7, 2, 19, 15}));
    EXPECT_TRUE(all[1].filled);
    // An inherited background is not the box's own: only the runs are filled.
    renderer_.SetRule("note", "padding-top:2px");
    all = Items(u"<font bkgnd=red><note>ab</note></font>", 0, 100);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_TRUE(all[0].filled);
    // Padding alone on "pre" gives its default background a frame.
    renderer_.SetRule("pre", "background-color:#fbedbb; padding-left:6px; padding-bottom:6px");
    all = Items(u"<pre>x</pre>", 0, 50);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].rect, (Rect{0, 0, 50, 19}));
}

TEST_F(BlockBoxes, OnlyTheRulesOwnTagMakesABox) {
    // Default rules set no edges: "p" stays in its line as before.
    auto r = Runs(u"a<p>b</p>c");
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[2].rect.top, 0);
    // Edges are not inherited by tags inside the box, and inline tags have none.
    renderer_.SetRule("p", "margin-left:10px");
    renderer_.SetRule(".wide", "margin-left:20px; margin-top:20px");
    renderer_.SetRule("code", "padding-left:20px");
    r = Runs(u"<p>a<b>b</b><span class=wide>c</span><code>d</code></p>");
    ASSERT_EQ(r.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(r[i].rect.top, 0);
    EXPECT_EQ(r[3].rect.left, 10 + 6 + 7 + 6);
}

TEST_F(BlockBoxes, BoxesInCellsAndCellsClosingOuterStyles) {
    renderer_.SetRule("p", "margin-left:10px; margin-right:10px");
    auto layout = renderer_.MakeLayout(device_,
                                       u"<table cellspacing=0 cellpadding=0><tr><td><p>ab</p></td>"
                                       u"</tr></table>");
    EXPECT_EQ(layout.size, (Size{32, 13}));
    // A closing tag inside a cell cannot end a style opened outside the table:
    // it ends with the table, and its own closing tag still works after it.
    auto r = Runs(u"<b><table><tr><td>x</b>y</td></tr></table>z</b>w");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[1].font.weight, 800);
    EXPECT_EQ(r[2].font.weight, 800);
    EXPECT_EQ(r[3].font.weight, 400);
    // Between the table tags a box has no place; nothing moves.
    renderer_.SetRule("p", "margin-left:10px; margin-top:10px");
    EXPECT_EQ(renderer_.Measure(device_, u"<table><p>lost</p><tr><td>x</table>"),
              renderer_.Measure(device_, u"<table><tr><td>x</table>"));
}

} // namespace
} // namespace richtext
