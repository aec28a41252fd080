#include "skin/form/objects/TvxFrameObjectFactory.h"

#include "skin/data/TvxDataSkinAnimate.h"
#include "skin/data/TvxDataSkinBitLabel.h"
#include "skin/data/TvxDataSkinCaption.h"
#include "skin/data/TvxDataSkinFrameGaugeObject.h"
#include "skin/data/TvxDataSkinFrameRegulatorObject.h"
#include "skin/data/TvxDataSkinGauge.h"
#include "skin/data/TvxDataSkinLabel.h"
#include "skin/data/TvxDataSkinMainMenuBarButton.h"
#include "skin/data/TvxDataSkinMainMenuItem.h"
#include "skin/data/TvxDataSkinMenuItem.h"
#include "skin/data/TvxDataSkinStdButton.h"
#include "skin/data/TvxDataSkinSwitch.h"
#include "skin/data/TvxDataSkinTrackBar.h"
#include "skin/data/TvxDataUserObject.h"
#include "skin/form/objects/TvxSkinAnimateObject.h"
#include "skin/form/objects/TvxSkinBitLabelObject.h"
#include "skin/form/objects/TvxSkinCaptionObject.h"
#include "skin/form/objects/TvxSkinFrameGaugeObject.h"
#include "skin/form/objects/TvxSkinFrameRegulatorObject.h"
#include "skin/form/objects/TvxSkinGaugeObject.h"
#include "skin/form/objects/TvxSkinLabelObject.h"
#include "skin/form/objects/TvxSkinStdButtonObject.h"
#include "skin/form/objects/TvxSkinSwitchObject.h"
#include "skin/form/objects/TvxSkinTrackBarObject.h"
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
    if (auto* r = dynamic_cast<const TvxDataSkinSwitch*>(&record))
        return std::make_unique<TvxSkinSwitchObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinGauge*>(&record))
        return std::make_unique<TvxSkinGaugeObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinLabel*>(&record))
        return std::make_unique<TvxSkinLabelObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinBitLabel*>(&record))
        return std::make_unique<TvxSkinBitLabelObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinFrameGaugeObject*>(&record))
        return std::make_unique<TvxSkinFrameGaugeObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinFrameRegulatorObject*>(&record))
        return std::make_unique<TvxSkinFrameRegulatorObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinTrackBar*>(&record))
        return std::make_unique<TvxSkinTrackBarObject>(host, *r);
    if (auto* r = dynamic_cast<const TvxDataSkinAnimate*>(&record))
        return std::make_unique<TvxSkinAnimateObject>(host, *r);
    return std::make_unique<TvxActiveSkinObject>(host, record);
}

} // namespace tessel
