#pragma once

#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TZCompressionStream.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"

namespace tessel::fuzz {

// Loads an inflated skin package into a skin data store the way a stored skin is
// loaded. Level 0 only stores the bytes, so the time goes to the readers under test.
// The framework's errors are the expected outcome of bad input.
inline void LoadPackage(TMemoryStream& package)
{
    package.SetPosition(0);
    TMemoryStream compressed;
    TZCompressionStream::CompressStream(package, compressed, 0);
    TvxCompressedStoredSkin skin;
    skin.SetCompressedData(compressed.Bytes());
    TvxSkinData store;
    try {
        store.LoadCompressedSkin(&skin);
    } catch (const Exception&) { }
}

} // namespace tessel::fuzz
