// The stretch mapping and its inverse agree for every pair of small sizes.

#include "StretchMap.h"

#include <gtest/gtest.h>

TEST(StretchMap, InverseMatchesTheForwardMapping) {
    for (int source = 1; source <= 24; ++source) {
        for (int dest = 1; dest <= 24; ++dest) {
            for (int i = 0; i < dest; ++i) {
                const int s = StretchSource(i, source, dest);
                ASSERT_TRUE(s >= 0 && s < source && (i == 0 || s >= StretchSource(i - 1, source, dest)));
            }
            for (int s = 0; s <= source; ++s) {
                int first = dest; // the first destination pixel showing s or later
                while (first > 0 && StretchSource(first - 1, source, dest) >= s) --first;
                ASSERT_EQ(StretchStart(s, source, dest), first) << source << " -> " << dest << " at " << s;
            }
        }
    }
    EXPECT_EQ(StretchSource(1, 2, 4), 0); // whole-number scales repeat evenly
    EXPECT_EQ(StretchSource(2, 2, 4), 1);
    EXPECT_EQ(StretchSource(2000000000, 2000000001, 2000000001), 2000000000); // no overflow
    EXPECT_EQ(StretchStart(70000, 70000, 2000000000), 2000000000);
}
