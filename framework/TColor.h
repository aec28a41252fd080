#pragma once

#include "tessel/platform/TSysColors.h"

#include <cstdint>

namespace tessel {

// A colour 0x00BBGGRR; values with the high byte 0xFF name system colours.
using TColor = uint32_t;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF, clGreen = 0x008000,
                 clBlue = 0xFF0000, clYellow = 0x00FFFF, clSilver = 0xC0C0C0, clGray = 0x808080,
                 clNavy = 0x800000, clFuchsia = 0xFF00FF;

// A colour as 0x00BBGGRR, with system colours looked up.
inline uint32_t ColorToRGB(TColor color)
{
    return (color & clSystemColor) == clSystemColor ? GetSysColor(static_cast<int>(color & 0xFF))
                                                    : color & 0xFFFFFF;
}

// A colour as an opaque surface pixel 0xFFRRGGBB.
inline uint32_t ColorToArgb(TColor color)
{
    uint32_t c = ColorToRGB(color);
    return 0xFF000000 | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// A surface pixel as a colour 0x00BBGGRR.
inline TColor ArgbToColor(uint32_t argb)
{
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// The default character set.
constexpr int DEFAULT_CHARSET = 1;

} // namespace tessel
