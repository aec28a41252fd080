#pragma once

#include "tessel/framework/TComponent.h"
#include "tessel/skin/data/TvxSkinListItem.h"

#include <memory>
#include <vector>

namespace tessel {

// A list of compressed skins; the skin data store can load any entry by index.
class TvxCompressedSkinList : public TComponent {
public:
    explicit TvxCompressedSkinList(TComponent* owner = nullptr)
        : TComponent(owner)
    { }
    const char* ClassName() const override { return "TvxCompressedSkinList"; }

    int Count() const { return static_cast<int>(m_skins.size()); }
    TvxSkinListItem& Skins(int index) { return *m_skins.at(static_cast<size_t>(index)); }
    // Appends an entry named "vxSkin<index>".
    TvxSkinListItem& Add();
    void Delete(int index);

private:
    std::vector<std::unique_ptr<TvxSkinListItem>> m_skins;
};

} // namespace tessel
