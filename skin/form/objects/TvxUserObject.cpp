#include "skin/form/objects/TvxUserObject.h"

#include "skin/data/TvxDataUserObject.h"
#include "skin/form/objects/TvxFrameObjectHost.h"

namespace tessel {

TvxUserObject::TvxUserObject(TvxFrameObjectHost& host, const TvxDataUserObject& record)
    : TvxActiveSkinObject(host, record)
{ }

void TvxUserObject::Draw(TCanvas& canvas, bool)
{
    if (m_host.Events().OnPaintEvent)
        m_host.Events().OnPaintEvent(m_id_name, canvas, m_object_rect);
}

} // namespace tessel
