// Skin package reader: the bytes are an inflated skin package, loaded by the skin
// data store as it loads a stored skin.
#include "framework/Exception.h"
#include "framework/TMemoryStream.h"
#include "framework/TZCompressionStream.h"
#include "skin/data/TvxCompressedStoredSkin.h"
#include "skin/data/TvxSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    TMemoryStream package(std::vector<uint8_t>(data, data + size));
    TMemoryStream compressed;
    // Level 0 stores the bytes, so the time goes to the reader under test.
    TZCompressionStream::CompressStream(package, compressed, 0);
    TvxCompressedStoredSkin skin;
    skin.SetCompressedData(compressed.Bytes());
    TvxSkinData store;
    try {
        store.LoadCompressedSkin(&skin);
    } catch (const Exception&) { }
    return 0;
}
