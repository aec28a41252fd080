#include "tessel/skin/draw/TvxComposition.h"

#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinCustomControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxTiling.h"
#include "tests/skin/draw/Geometry.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>
#include <random>

namespace tessel {

namespace {

// A source whose every pixel says where it came from.
TBitmap Numbered(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, 0xFF000000u | static_cast<uint32_t>(x << 12 | y));
    return b;
}

TPoint From(uint32_t pixel)
{
    return { static_cast<int>((pixel >> 12) & 0xFFF), static_cast<int>(pixel & 0xFFF) };
}

struct DemoPanel : ::testing::Test {
    void SetUp() override
    {
        test::LoadDemoSkin(skin);
        data.LoadCompressedSkin(&skin);
        auto* record
            = dynamic_cast<TvxDataSkinCustomControl*>(data.ControlList(data.GetControlIndex("panel")));
        ASSERT_NE(record, nullptr);
        g = TvxElementGeometry::FromRecord(*record);
        picture = *data.ActivePicture(record->pictureindex);
        source = Numbered(picture.Width(), picture.Height());
    }
    TvxCompressedStoredSkin skin;
    TvxSkinData data;
    TvxElementGeometry g;
    TBitmap picture, source;
};

} // namespace

// The panel record composed to 956 x 150: the top middle (48 pixels) repeats from
// x = 5 and its last repeat ends at x = 950; the left middle (41 pixels) repeats
// from y = 4; the corners keep their pixels.
TEST_F(DemoPanel, PanelRecordComposesTo956By150AsTheRulesSay)
{
    ASSERT_EQ(g.R, (TRect { 141, 4, 200, 56 }));
    ASSERT_EQ(CompositionMode(g), vxcmFull);
    int aw = 956, ah = 150;
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    EXPECT_EQ(t.NewRT, (TPoint { 53 + 897, 6 }));
    EXPECT_EQ(t.NewClient, (TRect { 2, 2, 57 + 897, 50 + 98 }));
    TBitmap out;
    TvxComposition::ComposeElementImage(g, t, out, source, aw, ah, true);
    ASSERT_EQ(out.Width(), 956);
    ASSERT_EQ(out.Height(), 150);
    auto at = [&](int x, int y) {
        TPoint p = From(out.Pixel(x, y));
        return TPoint { p.x - g.R.left, p.y - g.R.top };
    };
    for (int x = 5; x < 950; ++x)
        ASSERT_EQ(at(x, 1), (TPoint { 5 + (x - 5) % 48, 1 })) << x;
    EXPECT_EQ(at(949, 0).x, 5 + 944 % 48);
    for (int x = 950; x < 956; ++x)
        EXPECT_EQ(at(x, 0), (TPoint { 53 + x - 950, 0 }));
    for (int y = 4; y < 45 + 98; ++y)
        ASSERT_EQ(at(0, y), (TPoint { 0, 4 + (y - 4) % 41 })) << y;
    // Corners: the top band's left end, the left column's lower end, the bottom band's right end.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(at(x, y), (TPoint { x, y }));
    for (int y = 143; y < 150; ++y)
        EXPECT_EQ(at(1, y), (TPoint { 1, y - 98 }));
    for (int x = 53 + 897; x < 956; ++x)
        EXPECT_EQ(at(x, 149), (TPoint { x - 897, 51 }));
    // The client repeats its 55 x 48 piece from NewClient's top-left.
    EXPECT_EQ(at(2 + 55 * 3 + 7, 2 + 48 + 9), (TPoint { 2 + 7, 2 + 9 }));

    // The same composition from the real picture, as a skin author sees it.
    TBitmap real;
    TvxComposition::ComposeElementImage(g, t, real, picture, aw, ah, true);
    EXPECT_EQ(real.Pixel(0, 0), picture.Pixel(141, 4));
}

TEST_F(DemoPanel, TargetOfTheSkinSizeReproducesTheRectangle)
{
    int aw = g.W(), ah = g.H();
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    TBitmap out;
    TvxComposition::ComposeElementImage(g, t, out, picture, aw, ah, true);
    for (int y = 0; y < ah; ++y)
        for (int x = 0; x < aw; ++x)
            ASSERT_EQ(out.Pixel(x, y), picture.Pixel(g.R.left + x, g.R.top + y)) << x << "," << y;
}

TEST(TvxComposition, StripsTileAndStretchTheirMiddle)
{
    TBitmap src = Numbered(40, 10);
    TRect r { 5, 2, 25, 8 }; // 20 x 6
    TBitmap out;
    // Both ends 0: a pure tiling; 60 is three whole tiles (the fourth, zero wide, draws nothing).
    TvxComposition::ComposeHorizontalStrip(0, 0, out, false, 60, r, src);
    ASSERT_EQ(out.Width(), 60);
    ASSERT_EQ(out.Height(), 6);
    for (int x = 0; x < 60; ++x)
        ASSERT_EQ(From(out.Pixel(x, 3)), (TPoint { 5 + x % 20, 5 })) << x;
    // Ends 4 and 6, stretched middle: the ends stay, the middle's 10 columns cover 40.
    TvxComposition::ComposeHorizontalStrip(4, 6, out, true, 50, r, src);
    EXPECT_EQ(From(out.Pixel(0, 0)), (TPoint { 5, 2 }));
    EXPECT_EQ(From(out.Pixel(49, 0)), (TPoint { 24, 2 }));
    EXPECT_EQ(From(out.Pixel(44, 0)), (TPoint { 19, 2 }));
    EXPECT_EQ(From(out.Pixel(4, 0)).x, 5 + 4 + 0);
    EXPECT_EQ(From(out.Pixel(43, 0)).x, 5 + 4 + 9);
    // Vertical strip: rows repeat downwards between the ends.
    TvxComposition::ComposeVerticalStrip(1, 2, out, false, 20, r, src);
    ASSERT_EQ(out.Width(), 20);
    ASSERT_EQ(out.Height(), 20);
    EXPECT_EQ(From(out.Pixel(0, 0)), (TPoint { 5, 2 }));
    // The middle is rows 1..3 of R (source rows 3..5), repeated from y = 1.
    EXPECT_EQ(From(out.Pixel(0, 1 + 3 * 2)), (TPoint { 5, 3 }));
    EXPECT_EQ(From(out.Pixel(0, 1 + 3 * 2 + 2)), (TPoint { 5, 5 }));
    EXPECT_EQ(From(out.Pixel(0, 19)), (TPoint { 5, 7 }));
    // The tiled middle alone starts at x = 0.
    TvxComposition::ComposeTiledMiddle(4, 6, out, false, 25, r, src);
    EXPECT_EQ(From(out.Pixel(0, 0)).x, 9);
    EXPECT_EQ(From(out.Pixel(10, 0)).x, 9);
    EXPECT_EQ(From(out.Pixel(24, 0)).x, 9 + 4);
}

// sthorz: a 10-pixel client piece into a 25-pixel client gives three copies
// stretched to the height, the third cut to 5 pixels; the client is drawn last
// and covers fixed pieces where the target is smaller than they are.
TEST(TvxComposition, StretchTypesAndSmallTargets)
{
    TBitmap src = Numbered(30, 30);
    TvxElementGeometry g
        = test::Geometry({ 0, 0, 20, 20 }, { 5, 5 }, { 15, 5 }, { 5, 15 }, { 15, 15 }, { 5, 5, 15, 15 });
    g.stretcheffect = true;
    g.stretchtype = sthorz;
    int aw = 35, ah = 30;
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    ASSERT_EQ(t.NewClient, (TRect { 5, 5, 30, 25 }));
    TBitmap out;
    TvxComposition::ComposeElementImage(g, t, out, src, aw, ah, true);
    for (int x = 5; x < 30; ++x)
        ASSERT_EQ(From(out.Pixel(x, 5)).x, 5 + (x - 5) % 10) << x;
    // Stretched from 10 rows to 20: row d shows source row 5 + floor((d + 0.5) / 2).
    EXPECT_EQ(From(out.Pixel(7, 5 + 19)).y, 5 + 9);
    EXPECT_EQ(From(out.Pixel(7, 5 + 2)).y, 5 + 1);
    EXPECT_EQ(From(out.Pixel(30, 10)).x, 15); // the right edge right after the client

    g.stretchtype = stvert;
    TvxComposition::ComposeElementImage(g, t, out, src, aw, ah, true);
    EXPECT_EQ(From(out.Pixel(5, 5 + 13)).y, 5 + 3);
    EXPECT_EQ(From(out.Pixel(5 + 24, 5)).x, 5 + 9);

    // A target smaller than the fixed pieces: later pieces cover earlier ones.
    g.stretcheffect = false;
    aw = 8;
    ah = 8;
    t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    TvxComposition::ComposeElementImage(g, t, out, src, aw, ah, false);
    ASSERT_EQ(out.Width(), 8);
    // (6, 6) lies in the bottom-right piece (NewRB = 3, 3), drawn after the others.
    EXPECT_EQ(From(out.Pixel(6, 6)), (TPoint { 15 + 3, 15 + 3 }));
    // (1, 6) in the left column's lower end (NewLB.y = 3), which the bottom band does not reach.
    EXPECT_EQ(From(out.Pixel(1, 6)), (TPoint { 1, 15 + 3 }));
}

TEST(TvxComposition, TiledPiecesOfLengthZeroDrawNothing)
{
    TBitmap src = Numbered(20, 20);
    // The top middle, the left middle and the client have no length.
    TvxElementGeometry g
        = test::Geometry({ 0, 0, 20, 20 }, { 5, 5 }, { 5, 5 }, { 5, 5 }, { 15, 15 }, { 5, 5, 5, 15 });
    int aw = 60, ah = 60;
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    TBitmap out(60, 60);
    out.Fill(0xFF123456);
    TvxComposition::ComposeElementImage(g, t, out, src, aw, ah, true);
    EXPECT_EQ(out.Pixel(30, 1), 0xFF123456u);
    EXPECT_EQ(out.Pixel(30, 30), 0xFF123456u);
    TvxComposition::ComposeHorizontalStrip(10, 10, out, false, 40, { 0, 0, 20, 20 }, src);
    EXPECT_EQ(From(out.Pixel(35, 0)), (TPoint { 15, 0 }));
}

TEST(TvxComposition, ClientCorneredAndFrameEdges)
{
    TBitmap src = Numbered(40, 40);
    TBitmap out(50, 30);
    TvxComposition::ComposeClientCornered(out, src, { 10, 10, 30, 30 }, true, { 3, 3, 17, 17 });
    ASSERT_EQ(out.Width(), 50);
    EXPECT_EQ(From(out.Pixel(0, 0)), (TPoint { 10, 10 }));
    EXPECT_EQ(From(out.Pixel(49, 29)), (TPoint { 29, 29 }));
    // The top-right corner starts at NewRT.x = 47; left of it the middle is stretched
    // from 14 columns to 44: column 43 of it shows source column 3 + 13.
    EXPECT_EQ(From(out.Pixel(47, 0)), (TPoint { 27, 10 }));
    EXPECT_EQ(From(out.Pixel(46, 0)), (TPoint { 26, 10 }));

    TvxElementGeometry g
        = test::Geometry({ 0, 0, 20, 20 }, { 4, 6 }, { 16, 6 }, { 4, 14 }, { 16, 14 }, { 3, 2, 17, 18 });
    int aw = 45, ah = 37;
    TvxTargetGeometry t = ComputeTargetGeometry(vxcmFull, g, aw, ah);
    TvxFrameEdges e = TvxComposition::ComposeFrameEdges(g, t, src, aw, ah);
    EXPECT_EQ(e.top.Width(), 45);
    EXPECT_EQ(e.top.Height(), 2);
    EXPECT_EQ(e.bottom.Height(), 2);
    EXPECT_EQ(e.left.Width(), 3);
    EXPECT_EQ(e.left.Height(), 33);
    EXPECT_EQ(e.right.Width(), 3);
    // The top middle repeats from the image's origin; the ends cover it.
    EXPECT_EQ(From(e.top.Pixel(20, 0)).x, 4 + 20 % 12);
    EXPECT_EQ(From(e.top.Pixel(0, 0)).x, 0);
    EXPECT_EQ(From(e.top.Pixel(44, 0)).x, 19);
    // The left column: upper end rows 2..6, the middle from y = 0, the lower end at the bottom.
    EXPECT_EQ(From(e.left.Pixel(0, 0)).y, 2);
    EXPECT_EQ(From(e.left.Pixel(0, 4)).y, 6 + 4 % 8);
    EXPECT_EQ(From(e.left.Pixel(0, 32)).y, 17);
}

TEST(TvxElementGeometry, ModesTargetsAndMappedRectangles)
{
    TvxElementGeometry g;
    EXPECT_EQ(CompositionMode(g), vxcmNone);
    g.R = { 0, 0, 30, 20 };
    EXPECT_EQ(CompositionMode(g), vxcmFixed);
    g.LB = { 0, 15 };
    EXPECT_EQ(CompositionMode(g), vxcmVerticalStrip);
    g.LT = { 5, 4 };
    g.RT = { 25, 0 };
    EXPECT_EQ(CompositionMode(g), vxcmHorizontalStrip);
    int aw = 100, ah = 77;
    ComputeTargetGeometry(vxcmHorizontalStrip, g, aw, ah);
    EXPECT_EQ(ah, 20);
    aw = 100;
    ComputeTargetGeometry(vxcmFixed, g, aw, ah);
    EXPECT_EQ(aw, 30);
    // Horizontal strip: a span across the middle grows, a rectangle right of it moves.
    EXPECT_EQ(MapSkinRect(vxcmHorizontalStrip, g, 100, 20, { 2, 2, 27, 10 }), (TRect { 2, 2, 97, 10 }));
    EXPECT_EQ(MapSkinRect(vxcmHorizontalStrip, g, 100, 20, { 26, 2, 29, 10 }), (TRect { 96, 2, 99, 10 }));
    EXPECT_EQ(MapSkinRect(vxcmHorizontalStrip, g, 100, 20, { 6, 2, 9, 10 }), (TRect { 6, 2, 9, 10 }));
    // Full: corner areas move with their corner; spans grow.
    g.RT = { 25, 5 };
    g.LB = { 5, 15 };
    g.RB = { 25, 15 };
    EXPECT_EQ(MapSkinRect(vxcmFull, g, 130, 70, { 26, 1, 29, 4 }), (TRect { 126, 1, 129, 4 }));
    EXPECT_EQ(MapSkinRect(vxcmFull, g, 130, 70, { 26, 16, 29, 19 }), (TRect { 126, 66, 129, 69 }));
    EXPECT_EQ(MapSkinRect(vxcmFull, g, 130, 70, { 1, 16, 4, 19 }), (TRect { 1, 66, 4, 69 }));
    EXPECT_EQ(MapSkinRect(vxcmFull, g, 130, 70, { 1, 1, 29, 4 }), (TRect { 1, 1, 129, 4 }));
    EXPECT_EQ(MapSkinRect(vxcmFull, g, 130, 70, { 1, 1, 4, 19 }), (TRect { 1, 1, 4, 69 }));
    EXPECT_EQ(MapSkinRect(vxcmFull, g, 130, 70, { 1, 1, 29, 19 }), (TRect { 1, 1, 129, 69 }));
}

// The fast tiling is the rule: random pieces (some reaching out of the source),
// targets (some off the destination) and clips.
TEST(TvxTiling, FastTilingMatchesTheReferenceOnRandomInput)
{
    std::minstd_rand rng(7);
    auto any = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 3000; ++round) {
        TSurface src(any(1, 40), any(1, 40));
        for (int i = 0; i < src.Width() * src.Height(); ++i)
            src.Data()[i] = static_cast<uint32_t>(rng());
        TSurface a(any(1, 90), any(1, 60), 0xFF000000), b = a;
        TRect piece { any(-3, src.Width()), any(-3, src.Height()), 0, 0 };
        piece.right = piece.left + any(0, 20);
        piece.bottom = piece.top + any(0, 20);
        TRect to { any(-20, a.Width()), any(-20, a.Height()), 0, 0 };
        to.right = to.left + any(-5, 120);
        to.bottom = to.top + any(-5, 80);
        TRect clip { any(-5, 60), any(-5, 40), any(0, 100), any(0, 70) };
        const TRect* c = any(0, 1) ? &clip : nullptr;
        TvxTiling::Tile(a, to, src, piece, c);
        TvxTiling::TileReference(b, to, src, piece, c);
        ASSERT_EQ(a, b) << "round " << round;
    }
}

} // namespace tessel
