#include "app/TStoredSkin.h"

namespace tessel {

namespace {

// Written by the build from the demo skin (vxskin pack --raw).
const uint8_t kBytes[] = {
#include "StoredSkinBytes.inc"
};

} // namespace

std::vector<uint8_t> TStoredSkin::CompressedData()
{
    return std::vector<uint8_t>(std::begin(kBytes), std::end(kBytes));
}

} // namespace tessel
