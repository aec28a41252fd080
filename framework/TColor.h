#pragma once

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

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// The default character set.
constexpr int DEFAULT_CHARSET = 1;

} // namespace tessel
