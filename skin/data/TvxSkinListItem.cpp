#include "tessel/skin/data/TvxSkinListItem.h"

#include "tessel/framework/SysUtils.h"
#include "tessel/skin/data/TvxCompressedSkinList.h"

namespace tessel {

TvxSkinListItem::TvxSkinListItem(TvxCompressedSkinList& list, int index)
    : m_list(list)
    , m_skin(std::make_unique<TvxCompressedStoredSkin>())
    , m_name("vxSkin" + std::to_string(index))
{ }

bool TvxSkinListItem::Designing() const
{
    return m_list.HasState(csDesigning) && !m_list.HasState(csLoading);
}

void TvxSkinListItem::SetFileName(const std::string& path)
{
    if (Designing())
        m_skin->ImportSkinFolder(path);
    m_file_name = ExtractFileName(path);
}

void TvxSkinListItem::SetCompressedFileName(const std::string& path)
{
    if (Designing())
        m_skin->ImportCompressedFile(path);
    m_compressed_file_name = ExtractFileName(path);
}

} // namespace tessel
