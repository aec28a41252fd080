#include "tessel/skin/form/objects/TvxUserObject.h"

#include "tessel/skin/data/TvxDataUserObject.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

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
