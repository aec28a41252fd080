#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/skin/data/SkinEnums.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/objects/TvxFrameObjectEvents.h"

#include <string>

namespace tessel {

class TvxActiveSkinObject;

enum class TvxFrameState { Normal, Minimized, Maximized };

// What a frame object asks of the controller that owns it: the skin, the form's
// state, the timers that step it, a redraw on the window, the commands of caption
// buttons and the events it raises.
class TvxFrameObjectHost {
public:
    virtual ~TvxFrameObjectHost() = default;
    // The store with a loaded skin, or none.
    virtual const TvxSkinData* LoadedSkin() const = 0;
    virtual bool SkinEffects() const = 0;
    virtual bool IsFormActive() const = 0;
    // The frame is painted in the client area of a window without a frame.
    virtual bool ClientMode() const = 0;
    virtual TvxFrameState FrameState() const = 0;
    virtual bool RolledUp() const = 0;
    virtual bool ShowIcon() const = 0;
    // The form's icon at the small-icon size, for a system-menu button that shows it.
    virtual const TBitmap& SmallIcon() = 0;
    virtual std::string FormCaption() const = 0;
    virtual void StartMorphTimer() = 0;
    virtual void StartAnimationTimer() = 0;
    // Draws the object alone on the window, now.
    virtual void DrawObjectNow(TvxActiveSkinObject& object) = 0;
    // A caption button's command.
    virtual void RunCommand(TvxFrameCommand command) = 0;
    virtual const TvxFrameObjectEvents& Events() const = 0;
};

} // namespace tessel
