#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tessel {

class TSurface;

// Whether a PNG keeps the rows' alpha (icons) or drops it (screenshots, skins).
enum class TPngChannels { Rgb, Rgba };

// Writes 8-bit PNG files (screenshots, rendered skins, icons) from 0xAARRGGBB rows.
class TPngFile {
public:
    using RowReader = std::function<const uint32_t*(int y)>;

    // Returns an empty string on success, else what went wrong.
    static std::string Save(int width, int height, const RowReader& row, const std::string& file_name,
        TPngChannels channels = TPngChannels::Rgb);
    static std::string Save(const TSurface& surface, const std::string& file_name);
};

} // namespace tessel
