#pragma once

#include <memory>

namespace tessel {

class TvxActiveSkinObject;
class TvxDataSkinObject;
class TvxFrameObjectHost;

// Makes the run-time object a SKINOBJECTS record stands for, by the record's class;
// none for the records other parts use (menu items, main-menu items and buttons of
// the main menu bar).
class TvxFrameObjectFactory {
public:
    static std::unique_ptr<TvxActiveSkinObject> Create(
        TvxFrameObjectHost& host, const TvxDataSkinObject& record);
};

} // namespace tessel
