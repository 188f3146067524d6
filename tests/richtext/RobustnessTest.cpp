// Untrusted markup: any length or nesting lays out without crashing, without
// deep recursion and in time that grows with the length of the text.
#include "FakeTextDevice.h"
#include "richtext/LayoutTree.h"
#include "richtext/RichTextRenderer.h"

#include <gtest/gtest.h>

#include <chrono>

namespace richtext {
namespace {

std::u16string Repeat(std::u16string_view piece, std::size_t n) {
    std::u16string s;
    s.reserve(piece.size() * n);
    for (std::size_t i = 0; i < n; ++i) s += piece;
    return s;
}

// Best of three, so a busy machine does not decide the outcome.
double Seconds(RichTextRenderer& r, testing::FakeTextDevice& d, const std::u16string& text, int width) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        auto start = std::chrono::steady_clock::now();
        r.Draw(d, text, {0, 0, width, 100});
        d.calls.clear();
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

TEST(Robustness, MalformedMarkupIsReadSafely) {
    testing::FakeTextDevice d;
    RichTextRenderer r;
    const char16_t* texts[] = {
        u"<",
        u">",
        u"<<",
        u"<b",
        u"</",
        u"<>",
        u"< >",
        u"<=>",
        u"<font size=>",
        u"<font size=\"5>x",
        u"<font color=\"#12345\">x",
        u"<br=99999999999999999999>",
        u"<t=-5>",
        u"<hr width=999999%>",
        u"<table><td colspan=99999999 rowspan=99999999>x",
        u"</table></td></tr>",
        u"<td>x<tr>y",
        u"<font size=99999999999>x",
        u"<font size=0>x",
        u"<bmp handle=0x1 cx=99999 cy=99999>",
        u"<a href>x</a><a>y</a>",
        u"<span class>x",
        u"\xD800<b>\xDC00",
        u"<table border=\"",
        u"<font style=\"----\">x",
        u"<icon idres=1 width=100000% height=-3>",
    };
    for (const char16_t* t : texts) {
        SCOPED_TRACE(std::string(t, t + std::char_traits<char16_t>::length(t)).c_str());
        Size s = r.Measure(d, t);
        EXPECT_GE(s.width, 0);
        EXPECT_LE(s.width, 1000000);
        r.Draw(d, t, {0, 0, 50, 50});
        r.Measure(d, t, 7);
    }
}

TEST(Robustness, ThousandsOfNestedTagsAndTables) {
    testing::FakeTextDevice d;
    RichTextRenderer r;
    std::u16string deep = Repeat(u"<b><font size=+1><i>", 20000) + u"x" + Repeat(u"</i></font></b>", 20000);
    Size s = r.Measure(d, deep);
    EXPECT_GT(s.width, 0);
    std::u16string tables = Repeat(u"<table border=1><tr><td>", 5000) + u"x";
    s = r.Measure(d, tables);
    EXPECT_GT(s.height, 0);
    // After the depth limit, closing tags still pair up with ignored openers.
    std::u16string over = Repeat(u"<b>", 1500) + Repeat(u"</b>", 1500) + u"y";
    Layout layout = r.MakeLayout(d, over);
    ASSERT_EQ(layout.items.size(), 1u);
    EXPECT_EQ(layout.items[0].font.weight, 400);
}

// A repeat count costs one item, however large, so a short text cannot
// demand a huge layout.
TEST(Robustness, RepeatCountsDoNotMultiplyTheLayout) {
    testing::FakeTextDevice d;
    RichTextRenderer r;
    Layout tabs = r.MakeLayout(d, Repeat(u"<t=100>x", 1000));
    EXPECT_EQ(tabs.items.size(), 2000u);
    Size lines = r.Measure(d, Repeat(u"<br=100>", 1000) + u"x");
    EXPECT_EQ(lines.height, 13 * 100 * 1000 + 13);
    EXPECT_EQ(r.Measure(d, u"<br=100000>").height, 13 * 100);
}

// Sums past the range of int saturate: a long text of large fonts, tab stops
// or tall rows measures at the limit and places its items in order, never at
// negative or wrapped positions.
TEST(Robustness, HugeExtentsSaturate) {
    struct Case {
        const char* name;
        std::u16string text;
        bool vertical; // the direction that overflows
        LayoutItem::Kind kind;
    };
    const Case cases[] = {
        {"tab stops", u"<font size=400>" + Repeat(u"<t=100>", 30000) + u"x", false, LayoutItem::Kind::Text},
        {"line breaks", u"<font size=400>" + Repeat(u"x<br=100>", 60000), true, LayoutItem::Kind::Text},
        {"table rows", u"<table border=1>" + Repeat(u"<tr><td height=99999>", 25000), true,
         LayoutItem::Kind::Box},
    };
    testing::FakeTextDevice d;
    RichTextRenderer r;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layout layout = r.MakeLayout(d, c.text);
        EXPECT_EQ(c.vertical ? layout.size.height : layout.size.width, kMaxExtent);
        EXPECT_GT(c.vertical ? layout.size.width : layout.size.height, 0);
        int last = 0, seen = 0;
        for (const LayoutItem& item : layout.items) {
            if (item.kind != c.kind) continue;
            ++seen;
            int start = c.vertical ? item.rect.top : item.rect.left;
            ASSERT_GE(start, last) << "item " << seen;
            ASSERT_GE(item.rect.Width(), 0);
            ASSERT_GE(item.rect.Height(), 0);
            last = start;
        }
        EXPECT_GT(seen, 1000);
        EXPECT_EQ(last, kMaxExtent);
    }
}

TEST(Robustness, TimeGrowsLinearlyWithLength) {
    testing::FakeTextDevice d;
    RichTextRenderer r;
    const std::u16string unit =
        u"<b>word <i>and</i> <font color=red>more</font></b> <br>"
        u"<table><tr><td>a<td>b</table><a href=x>link</a> ";
    const std::u16string longWord = u"x";
    for (int width : {0, 40}) {
        double small = Seconds(r, d, Repeat(unit, 250), width);
        double large = Seconds(r, d, Repeat(unit, 4000), width);
        EXPECT_LT(large, small * 16 * 5 + 0.05) << "width " << width;
        double word1 = Seconds(r, d, Repeat(longWord, 10000), width);
        double word16 = Seconds(r, d, Repeat(longWord, 160000), width);
        EXPECT_LT(word16, word1 * 16 * 5 + 0.05) << "width " << width;
    }
}

} // namespace
} // namespace richtext
