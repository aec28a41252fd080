// Skin package reader: the bytes are an inflated skin package, loaded by the skin
// data store as it loads a stored skin.
#include "fuzz/FuzzSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tessel::TMemoryStream package(std::vector<uint8_t>(data, data + size));
    tessel::fuzz::LoadPackage(package);
    return 0;
}
