#include "examples/gallery/GallerySkin.h"

#include <tessel/framework/Exception.h>
#include <tessel/framework/TCustomForm.h>
#include <tessel/framework/TScreen.h>
#include <tessel/skin/data/TvxCompressedStoredSkin.h>
#include <tessel/skin/data/TvxSkinData.h>

#include <cstdio>

namespace tessel::gallery {

namespace {

constexpr const char* kFollowing = "GallerySkin";

// Loads file into a new stored skin of owner's and gives it to store; the one it had
// goes. A file that cannot be read is reported and changes nothing.
void Load(TComponent& owner, TvxSkinData& store, const std::string& file)
{
    auto& stored = owner.Add<TvxCompressedStoredSkin>();
    try {
        stored.ImportCompressedFile(file);
    } catch (const Exception& e) {
        std::fprintf(stderr, "tessel-gallery: %s: %s\n", file.c_str(), e.Message().c_str());
        owner.FreeComponent(&stored);
        return;
    }
    TvxCompressedStoredSkin* old = store.CompressedStoredSkin();
    store.SetCompressedStoredSkin(&stored);
    if (old)
        owner.FreeComponent(old);
}

} // namespace

TvxSkinData& AddSkinStore(TComponent& owner, const std::string& file, TSkinFollows follows)
{
    auto& store = owner.Add<TvxSkinData>();
    if (follows == TSkinFollows::kYes)
        FollowSwitches(store);
    Load(owner, store, file);
    return store;
}

void FollowSwitches(TvxSkinData& store)
{
    store.SetName(kFollowing);
}

void SwitchSkins(const std::string& file)
{
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* form = Screen().Forms(i);
        for (int j = 0; j < form->ComponentCount(); ++j)
            if (auto* store = dynamic_cast<TvxSkinData*>(form->Components(j));
                store && store->Name() == kFollowing)
                Load(*form, *store, file);
    }
}

} // namespace tessel::gallery
