// Tables given a maximum width share it among their columns; percent heights
// of cells. Fake metrics: six pixels per character, 13 px lines.
#include "FakeTextDevice.h"
#include "richtext/RichTextRenderer.h"

#include <gtest/gtest.h>

namespace richtext {
namespace {

using testing::FakeTextDevice;

class TableColumns : public ::testing::Test {
protected:
    std::vector<LayoutItem> Runs(std::u16string_view text, int maxWidth) {
        std::vector<LayoutItem> out;
        for (auto& item : renderer_.MakeLayout(device_, text, maxWidth).items)
            if (item.kind == LayoutItem::Kind::Text && !item.text.empty()) out.push_back(item);
        return out;
    }
    FakeTextDevice device_;
    RichTextRenderer renderer_;
};

constexpr char16_t kTwoCells[] =
    u"<table cellspacing=0 cellpadding=0><tr><td>aaa bbb ccc ddd</td>"
    u"<td>eee fff</td></tr></table>";

TEST_F(TableColumns, ColumnsShareTheMaximumWidthByTheirNeeds) {
    // Widest 90 and 42, narrowest 18 each: of the 54 spare pixels the first
    // column gets 72/96 (40), the second the other 14.
    EXPECT_EQ(renderer_.Measure(device_, kTwoCells, 90), (Size{90, 26}));
    auto r = Runs(kTwoCells, 90);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].text, u"aaa bbb");
    EXPECT_EQ(r[1].text, u"ccc ddd");
    EXPECT_EQ(r[2].text, u"eee");
    EXPECT_EQ(r[2].rect.left, 58);
    // Room for everything: widest widths, nothing wraps.
    EXPECT_EQ(renderer_.Measure(device_, kTwoCells, 200), (Size{132, 13}));
    EXPECT_EQ(renderer_.Measure(device_, kTwoCells), (Size{132, 13}));
    // Too little room even for the longest words: those stay whole.
    EXPECT_EQ(renderer_.Measure(device_, kTwoCells, 20), (Size{36, 52}));
}

TEST_F(TableColumns, GivenWidthsAndNestedTablesWithinTheMaximum) {
    // A cell of given width keeps it; the other column takes what is left.
    auto r = Runs(
        u"<table cellspacing=0 cellpadding=0><tr><td width=30>ab</td>"
        u"<td>aaa bbb ccc ddd</td></tr></table>",
        60);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[1].rect.left, 30);
    EXPECT_EQ(r[4].text, u"ddd");
    // A nested table is measured like text: it narrows to fit its cell.
    std::u16string nested =
        u"<table cellspacing=0 cellpadding=0><tr><td>xx</td><td>"
        u"<table cellspacing=0 cellpadding=0><tr><td>aaa bbb</td><td>ccc ddd</td>"
        u"</tr></table></td></tr></table>";
    EXPECT_EQ(renderer_.Measure(device_, nested, 60), (Size{60, 26}));
    EXPECT_EQ(renderer_.Measure(device_, nested), (Size{12 + 84, 13}));
}

TEST_F(TableColumns, DrawKeepsBordersSpacingAndTextInsideANarrowRectangle) {
    std::u16string text =
        u"<table border=1><tr><td>one two three four</td><td>five six seven</td>"
        u"</tr><tr><td colspan=2>eight nine ten eleven twelve</td></tr></table>";
    ASSERT_GT(renderer_.Measure(device_, text).width, 100);
    renderer_.Draw(device_, text, {0, 0, 100, 200});
    ASSERT_FALSE(device_.calls.empty());
    for (const auto& call : device_.calls) EXPECT_LE(call.rect.right, 100);
}

TEST_F(TableColumns, PercentHeightsShareAGivenTableHeight) {
    auto r = Runs(
        u"<table height=100 cellspacing=0 cellpadding=0><tr><td height=70%>a</td></tr>"
        u"<tr height=30%><td>b</td></tr></table>",
        0);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].rect.top, (70 - 13) / 2);
    EXPECT_EQ(r[1].rect.top, 70 + (30 - 13) / 2);
    // Without a table height there is nothing to take a share of.
    EXPECT_EQ(renderer_.Measure(device_, u"<table cellspacing=0 cellpadding=0><tr><td height=70%>a"),
              (Size{6, 13}));
}

} // namespace
} // namespace richtext
