#pragma once

#include "tessel/platform/TPngFile.h"

#include <string>

namespace tessel {

class TBitmap;

// Writes a bitmap as an 8-bit RGB PNG file (for tools and tests).
class TPngWriter {
public:
    // Raises EFCreateError when the file cannot be written.
    static void Save(
        const TBitmap& bitmap, const std::string& file_name, TPngChannels channels = TPngChannels::Rgb);
};

} // namespace tessel
