#include "tessel/platform/TRegion.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TRegion, CombinesIntoSortedBands)
{
    TRegion a(TRect { 0, 0, 10, 10 }), b(TRect { 5, 5, 15, 15 });
    TRegion r;
    EXPECT_EQ(r.Combine(a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(r.Rects(), (std::vector<TRect> { { 0, 0, 10, 5 }, { 0, 5, 15, 10 }, { 5, 10, 15, 15 } }));
    EXPECT_EQ(r.Box(), (TRect { 0, 0, 15, 15 }));
    EXPECT_EQ(r.Combine(a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(r.Rects(), (std::vector<TRect> { { 5, 5, 10, 10 } }));
    r.Combine(a, b, RGN_DIFF);
    EXPECT_TRUE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(5, 5));
    EXPECT_TRUE(r.Contains(9, 4));
    r.Combine(a, b, RGN_XOR);
    EXPECT_TRUE(r.Contains(14, 14));
    EXPECT_TRUE(r.Contains(0, 9));
    EXPECT_FALSE(r.Contains(7, 7));
    EXPECT_EQ(r.Combine(a, a, RGN_DIFF), NULLREGION);
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_EQ(r.Box(), TRect {});
    // The result may be one of the operands.
    a.Combine(a, b, RGN_OR);
    EXPECT_EQ(a.Box(), (TRect { 0, 0, 15, 15 }));
    EXPECT_EQ(r.Combine(a, b, static_cast<TCombineMode>(9)), ERROR);
}

TEST(TRegion, EdgesAreExclusiveAndEmptyRectanglesAddNothing)
{
    TRegion r(TRect { 2, 3, 4, 5 });
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(3, 4));
    EXPECT_FALSE(r.Contains(4, 4));
    EXPECT_FALSE(r.Contains(3, 5));
    EXPECT_TRUE(r.Intersects({ 3, 4, 10, 10 }));
    EXPECT_FALSE(r.Intersects({ 4, 3, 10, 10 }));
    EXPECT_TRUE(TRegion(TRect { 5, 5, 5, 9 }).IsEmpty());
    EXPECT_TRUE(TRegion::FromRects({ { 0, 0, 0, 5 }, { 3, 3, 1, 1 } }).IsEmpty());
    r.Offset(-2, 10);
    EXPECT_EQ(r.Box(), (TRect { 0, 13, 2, 15 }));
}

TEST(TRegion, RegionDataRoundTripsAndBadDataIsRefused)
{
    TRegion r = TRegion::FromRects({ { 0, 0, 4, 1 }, { 1, 1, 3, 2 }, { 0, 2, 4, 3 } });
    std::vector<uint8_t> data = r.RegionData();
    ASSERT_EQ(data.size(), 32u + 3 * 16);
    EXPECT_EQ(data[0], 32);
    EXPECT_EQ(data[4], 1);
    EXPECT_EQ(data[8], 3);
    TRegion back;
    ASSERT_TRUE(TRegion::FromRegionData(data.data(), data.size(), back));
    EXPECT_EQ(back, r);

    TRegion refused(TRect { 0, 0, 1, 1 });
    EXPECT_FALSE(TRegion::FromRegionData(data.data(), data.size() - 1, refused)); // count beyond the data
    EXPECT_TRUE(refused.IsEmpty());
    std::vector<uint8_t> wrong = data;
    wrong[4] = 2;
    EXPECT_FALSE(TRegion::FromRegionData(wrong.data(), wrong.size(), refused));
    EXPECT_FALSE(TRegion::FromRegionData(nullptr, 0, refused));
}
