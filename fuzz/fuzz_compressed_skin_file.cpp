// Compressed skin file reader: version, size and a zlib stream, then the skin it holds.
#include "framework/Exception.h"
#include "framework/TMemoryStream.h"
#include "skin/data/TvxCompressedStoredSkin.h"
#include "skin/data/TvxSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    TMemoryStream file(std::vector<uint8_t>(data, data + size));
    TvxCompressedStoredSkin skin;
    TvxSkinData store;
    try {
        skin.LoadFromCompressedStream(file);
        store.LoadCompressedSkin(&skin);
    } catch (const Exception&) { }
    return 0;
}
