#include "tessel/platform/TSysColors.h"

#include <array>
#include <cstddef>

namespace tessel {

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

constexpr std::array<uint32_t, 31> kScheme = {
    Rgb(200, 200, 200), // scroll bar
    Rgb(0, 0, 0), // desktop
    Rgb(153, 180, 209), // active caption
    Rgb(191, 205, 219), // inactive caption
    Rgb(240, 240, 240), // menu
    Rgb(255, 255, 255), // window
    Rgb(100, 100, 100), // window frame
    Rgb(0, 0, 0), // menu text
    Rgb(0, 0, 0), // window text
    Rgb(0, 0, 0), // caption text
    Rgb(180, 180, 180), // active border
    Rgb(244, 247, 252), // inactive border
    Rgb(171, 171, 171), // application work space
    Rgb(51, 153, 255), // highlight
    Rgb(255, 255, 255), // highlight text
    Rgb(240, 240, 240), // button face
    Rgb(160, 160, 160), // button shadow
    Rgb(109, 109, 109), // grey text
    Rgb(0, 0, 0), // button text
    Rgb(67, 78, 84), // inactive caption text
    Rgb(255, 255, 255), // button highlight
    Rgb(105, 105, 105), // 3-D dark shadow
    Rgb(227, 227, 227), // 3-D light
    Rgb(0, 0, 0), // info text
    Rgb(255, 255, 225), // info background
    Rgb(0, 0, 0), // (unused)
    Rgb(0, 102, 204), // hot light
    Rgb(185, 209, 234), // gradient active caption
    Rgb(215, 228, 242), // gradient inactive caption
    Rgb(51, 153, 255), // menu highlight
    Rgb(240, 240, 240), // menu bar
};

} // namespace

uint32_t GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kScheme.size()))
        return 0;
    return kScheme[static_cast<size_t>(index)];
}

} // namespace tessel
