#include "tessel/framework/TCanvas.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TImageList.h"

#include <gtest/gtest.h>

namespace tessel {

TEST(TCanvas, DrawsOnItsBitmapWithPenBrushAndTransparency)
{
    TBitmap b(8, 6);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clRed);
    c.FillRect({ 0, 0, 8, 6 });
    EXPECT_EQ(b.Pixel(7, 5), 0xFFFF0000u);
    c.Pen().SetColor(clBlue);
    c.MoveTo(0, 0);
    c.LineTo(4, 0);
    EXPECT_EQ(b.Pixel(3, 0), 0xFF0000FFu);
    EXPECT_EQ(b.Pixel(4, 0), 0xFFFF0000u); // the end point is left out
    EXPECT_EQ(c.PenPos(), (TPoint { 4, 0 }));
    EXPECT_EQ(c.Pixel(3, 0), clBlue);

    // The canvas stays usable when the bitmap grows.
    b.SetSize(10, 10);
    c.Brush().SetColor(clWhite);
    c.FillRect({ 8, 8, 10, 10 });
    EXPECT_EQ(b.Pixel(9, 9), 0xFFFFFFFFu);

    // A transparent sprite leaves out its bottom-left colour.
    TBitmap sprite(2, 2);
    sprite.Fill(0xFF00FF00);
    sprite.SetPixel(1, 0, 0xFF123456);
    sprite.SetTransparent(true);
    EXPECT_EQ(sprite.TransparentColor(), clGreen | 0xFF00); // 0x00FF00 as 0x00BBGGRR
    TBitmap target(2, 2);
    target.Fill(0xFF000000);
    target.Canvas().Draw(0, 0, sprite);
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF123456u);
    sprite.SetTransparentColor(0x563412);
    target.Canvas().Draw(0, 0, sprite);
    EXPECT_EQ(target.Pixel(0, 1), 0xFF00FF00u);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF123456u); // unchanged: left out now, drawn before

    // Copies of a bitmap carry the picture, not the canvas.
    TBitmap copy = target;
    copy.Canvas().Brush().SetColor(clBlack);
    copy.Canvas().FillRect({ 0, 0, 2, 2 });
    EXPECT_EQ(target.Pixel(1, 0), 0xFF123456u);
}

TEST(TImageList, DrawsEnabledAsIsAndDisabledAsTheGreyedShape)
{
    TImageList list(nullptr, 3, 3);
    TBitmap image(3, 3);
    image.Fill(0xFFFF00FF); // the mask colour
    image.SetPixel(1, 1, 0xFF000000);
    image.SetPixel(0, 0, 0xFFFFFFFF); // light: not part of the greyed shape
    EXPECT_EQ(list.AddMasked(image, clFuchsia), 0);

    TBitmap out(5, 5);
    out.Fill(0xFF808080);
    list.Draw(out.Canvas(), 1, 1, 0);
    EXPECT_EQ(out.Pixel(2, 2), 0xFF000000u);
    EXPECT_EQ(out.Pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(out.Pixel(3, 3), 0xFF808080u);

    out.Fill(0xFF808080);
    list.Draw(out.Canvas(), 1, 1, 0, false);
    EXPECT_EQ(out.Pixel(2, 2), ColorToArgb(clBtnShadow));
    EXPECT_EQ(out.Pixel(3, 3), ColorToArgb(clBtnHighlight));
    EXPECT_EQ(out.Pixel(1, 1), 0xFF808080u);
    list.Draw(out.Canvas(), 0, 0, 5); // out of range: nothing
}

} // namespace tessel
