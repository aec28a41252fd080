#pragma once

#include <string>

namespace tessel {
class TComponent;
class TvxSkinData;
} // namespace tessel

namespace tessel::gallery {

// A skin data store owned by owner, with the compressed skin of file loaded into it;
// a file that cannot be read is reported and leaves the store empty.
TvxSkinData& AddSkinStore(TComponent& owner, const std::string& file);

} // namespace tessel::gallery
