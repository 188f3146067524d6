// The stretch mapping and its inverse agree for every pair of small sizes.

#include "StretchMap.h"

#include <gtest/gtest.h>

namespace {

TEST(StretchMap, InverseMatchesTheForwardMapping) {
    for (int source = 1; source <= 24; ++source) {
        for (int dest = 1; dest <= 24; ++dest) {
            SCOPED_TRACE(std::to_string(source) + " -> " + std::to_string(dest));
            int previous = 0;
            for (int i = 0; i < dest; ++i) {
                const int s = StretchSource(i, source, dest);
                ASSERT_GE(s, previous); // monotone and in range
                ASSERT_LT(s, source);
                previous = s;
            }
            for (int s = 0; s <= source; ++s) {
                int first = dest;
                for (int i = dest - 1; i >= 0 && StretchSource(i, source, dest) >= s; --i) first = i;
                ASSERT_EQ(StretchStart(s, source, dest), first) << "source index " << s;
            }
        }
    }
}

TEST(StretchMap, WholeNumberScalesAndLargeSizes) {
    const struct {
        int source, dest;
        const char* shown; // source index at each destination pixel
    } cases[] = {
        {2, 4, "0011"}, {2, 8, "00001111"}, {4, 2, "13"}, {3, 3, "012"}, {1, 5, "00000"}, {5, 1, "2"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (int i = 0; i < c.dest; ++i) shown += char('0' + StretchSource(i, c.source, c.dest));
        EXPECT_EQ(shown, c.shown) << c.source << " -> " << c.dest;
    }
    // No overflow at the largest sizes a bitmap can have.
    EXPECT_EQ(StretchSource(2000000000, 2000000001, 2000000001), 2000000000);
    EXPECT_EQ(StretchStart(70000, 70000, 2000000000), 2000000000);
}

} // namespace
