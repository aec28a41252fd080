#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TRect.h"

namespace tessel {

class TCustomForm;

// The icon a skinned frame shows in its system-menu button: the form's icon, else
// the program's, else the window system's default, scaled to the small-icon size
// once and kept while its source stays the same.
class TvxFormIcon {
public:
    const TBitmap& Small(const TCustomForm& form, TPoint size);

private:
    TBitmap m_source, m_small;
};

} // namespace tessel
