#include "examples/gallery/GallerySkin.h"

#include "framework/Exception.h"
#include "skin/data/TvxCompressedStoredSkin.h"
#include "skin/data/TvxSkinData.h"

#include <cstdio>

namespace tessel::gallery {

TvxSkinData& AddSkinStore(TComponent& owner, const std::string& file)
{
    auto& store = owner.Add<TvxSkinData>();
    auto& stored = owner.Add<TvxCompressedStoredSkin>();
    try {
        stored.ImportCompressedFile(file);
        store.SetCompressedStoredSkin(&stored);
    } catch (const Exception& e) {
        std::fprintf(stderr, "tessel-gallery: %s: %s\n", file.c_str(), e.Message().c_str());
    }
    return store;
}

} // namespace tessel::gallery
