#pragma once

#include <string>

namespace tessel {

class TvxSkinData;

// The skin as the skin data store holds it, as JSON: package version, pictures,
// VERSION keys, FORMINFO, POPUPWINDOW, HINTWINDOW, colours, areas, objects and
// controls, every field keyed by its INI key.
class TSkinRecordsJson {
public:
    static std::string Write(const TvxSkinData& data, int package_version);
};

} // namespace tessel
