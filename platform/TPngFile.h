#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tessel {

class TSurface;

// Writes 8-bit RGB PNG files (screenshots, rendered skins) from 0xAARRGGBB rows.
class TPngFile {
public:
    using RowReader = std::function<const uint32_t*(int y)>;

    // Returns an empty string on success, else what went wrong.
    static std::string Save(int width, int height, const RowReader& row, const std::string& file_name);
    static std::string Save(const TSurface& surface, const std::string& file_name);
};

} // namespace tessel
