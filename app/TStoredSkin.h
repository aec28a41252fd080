#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel {

// The skin the main form carries: the demo skin's package, zlib-compressed, built
// into the program.
class TStoredSkin {
public:
    static std::string FileName() { return "demo.vxs"; }
    static std::vector<uint8_t> CompressedData();
};

} // namespace tessel
