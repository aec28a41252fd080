#include "tessel/skin/data/TvxCompressedSkinList.h"

namespace tessel {

TvxSkinListItem& TvxCompressedSkinList::Add()
{
    m_skins.push_back(std::make_unique<TvxSkinListItem>(*this, Count()));
    return *m_skins.back();
}

void TvxCompressedSkinList::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_skins.erase(m_skins.begin() + index);
}

} // namespace tessel
