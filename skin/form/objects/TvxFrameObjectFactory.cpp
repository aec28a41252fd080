#include "skin/form/objects/TvxFrameObjectFactory.h"

#include "skin/data/TvxDataSkinCaption.h"
#include "skin/data/TvxDataSkinMainMenuBarButton.h"
#include "skin/data/TvxDataSkinMainMenuItem.h"
#include "skin/data/TvxDataSkinMenuItem.h"
#include "skin/data/TvxDataSkinStdButton.h"
#include "skin/data/TvxDataUserObject.h"
#include "skin/form/objects/TvxSkinCaptionObject.h"
#include "skin/form/objects/TvxSkinStdButtonObject.h"
#include "skin/form/objects/TvxUserObject.h"

namespace tessel {

std::unique_ptr<TvxActiveSkinObject> TvxFrameObjectFactory::Create(
    TvxFrameObjectHost& host, const TvxDataSkinObject& record)
{
    if (dynamic_cast<const TvxDataSkinMenuItem*>(&record)
        || dynamic_cast<const TvxDataSkinMainMenuItem*>(&record)
        || dynamic_cast<const TvxDataSkinMainMenuBarButton*>(&record))
        return nullptr;
    if (auto* r = dynamic_cast<const TvxDataSkinStdButton*>(&record))
        return std::make_unique<TvxSkinStdButtonObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinButton*>(&record))
        return std::make_unique<TvxSkinButtonObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinCaption*>(&record))
        return std::make_unique<TvxSkinCaptionObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataUserObject*>(&record))
        return std::make_unique<TvxUserObject>(host, *r);
    return std::make_unique<TvxActiveSkinObject>(host, record);
}

} // namespace tessel
