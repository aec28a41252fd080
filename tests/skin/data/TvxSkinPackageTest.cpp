#include "tessel/skin/data/TvxSkinPackage.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TStringList.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TvxSkinPackage, VersionSelectsTheSlots)
{
    EXPECT_FALSE(TvxSkinPackage::HasInactivePicture(0));
    EXPECT_FALSE(TvxSkinPackage::HasRollUpPictures(0));
    EXPECT_TRUE(TvxSkinPackage::HasRollUpPictures(1));
    EXPECT_TRUE(TvxSkinPackage::HasInactivePicture(2));
    EXPECT_TRUE(TvxSkinPackage::HasRollUpPictures(2));
    EXPECT_TRUE(TvxSkinPackage::HasInactivePicture(3));
    EXPECT_FALSE(TvxSkinPackage::HasRollUpPictures(3));

    // With every picture empty, V = 0 carries two flag bytes before the count and V = 2 five.
    test::PackageParts parts;
    parts.version = 0;
    std::vector<uint8_t> v0 = test::MakePackage(parts);
    EXPECT_EQ(v0, (std::vector<uint8_t> { 0, 0, 0, 0, 1, 1, 0, 0, 0, 0 }));
    parts.version = 2;
    std::vector<uint8_t> v2 = test::MakePackage(parts);
    EXPECT_EQ(v2, (std::vector<uint8_t> { 2, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0 }));
}

TEST(TvxSkinPackage, SlotsRoundTripAndTheTextIsTheRest)
{
    TMemoryStream s;
    TBitmap picture = test::Pattern(4, 3);
    TvxSkinPackage::WritePictureSlot(s, picture);
    TvxSkinPackage::WritePictureSlot(s, TBitmap());
    s.WriteInt32(2);
    test::Pattern(2, 2, 5).SaveToStream(s);
    test::Pattern(3, 1, 6).SaveToStream(s);
    TvxSkinPackage::WriteIniText(s, TStringList { "[A]", "k=v" });

    s.SetPosition(0);
    TBitmap a = test::Pattern(9, 9), b = test::Pattern(9, 9);
    TvxSkinPackage::ReadPictureSlot(s, a);
    TvxSkinPackage::ReadPictureSlot(s, b);
    EXPECT_EQ(a, picture);
    EXPECT_TRUE(b.Empty()); // the empty flag clears the picture
    std::vector<std::unique_ptr<TBitmap>> active;
    TvxSkinPackage::ReadActivePictures(s, active);
    ASSERT_EQ(active.size(), 2u);
    EXPECT_EQ(*active[1], test::Pattern(3, 1, 6));
    TStringList lines;
    TvxSkinPackage::ReadIniText(s, lines);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string> { "[A]", "k=v" }));
}

TEST(TvxSkinPackage, BrokenSlotsRaise)
{
    TMemoryStream flag_only(std::vector<uint8_t> { 0 });
    TBitmap b;
    EXPECT_THROW(TvxSkinPackage::ReadPictureSlot(flag_only, b), EInvalidGraphic);
    TMemoryStream nothing;
    EXPECT_THROW(TvxSkinPackage::ReadPictureSlot(nothing, b), EReadError);
    // A count larger than the pictures present fails at the first missing one.
    TMemoryStream counted(std::vector<uint8_t> { 0xFF, 0xFF, 0xFF, 0x7F });
    std::vector<std::unique_ptr<TBitmap>> active;
    EXPECT_THROW(TvxSkinPackage::ReadActivePictures(counted, active), EInvalidGraphic);
    EXPECT_EQ(active.size(), 1u);
}
