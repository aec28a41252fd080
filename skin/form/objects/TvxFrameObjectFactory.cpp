#include "tessel/skin/form/objects/TvxFrameObjectFactory.h"

#include "tessel/skin/data/TvxDataSkinAnimate.h"
#include "tessel/skin/data/TvxDataSkinBitLabel.h"
#include "tessel/skin/data/TvxDataSkinCaption.h"
#include "tessel/skin/data/TvxDataSkinFrameGaugeObject.h"
#include "tessel/skin/data/TvxDataSkinFrameRegulatorObject.h"
#include "tessel/skin/data/TvxDataSkinGauge.h"
#include "tessel/skin/data/TvxDataSkinLabel.h"
#include "tessel/skin/data/TvxDataSkinMainMenuBarButton.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinStdButton.h"
#include "tessel/skin/data/TvxDataSkinSwitch.h"
#include "tessel/skin/data/TvxDataSkinTrackBar.h"
#include "tessel/skin/data/TvxDataUserObject.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinBitLabelObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinFrameGaugeObject.h"
#include "tessel/skin/form/objects/TvxSkinFrameRegulatorObject.h"
#include "tessel/skin/form/objects/TvxSkinGaugeObject.h"
#include "tessel/skin/form/objects/TvxSkinLabelObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"
#include "tessel/skin/form/objects/TvxSkinSwitchObject.h"
#include "tessel/skin/form/objects/TvxSkinTrackBarObject.h"
#include "tessel/skin/form/objects/TvxUserObject.h"

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
