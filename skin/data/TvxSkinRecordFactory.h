#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxDataSkinObject.h"

#include <memory>
#include <string>
#include <string_view>

namespace tessel {

// Creates the record class that a SKINOBJECTS or SKINCONTROLS type word selects
// (compared case-sensitively); nullptr for a word outside the table.
class TvxSkinRecordFactory {
public:
    static std::unique_ptr<TvxDataSkinObject> CreateObject(std::string_view type, std::string name);
    static std::unique_ptr<TvxDataSkinControl> CreateControl(std::string_view type, std::string name);
};

} // namespace tessel
