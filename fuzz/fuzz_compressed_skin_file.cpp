// Compressed skin file reader: version, size and a zlib stream, then the skin it holds.
#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"

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
