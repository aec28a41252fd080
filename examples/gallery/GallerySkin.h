#pragma once

#include <string>

namespace tessel {
class TComponent;
class TvxSkinData;
} // namespace tessel

namespace tessel::gallery {

// Whether a window's skin follows the skin the gallery switches to.
enum class TSkinFollows { kYes, kNo };

// A skin data store owned by owner, with the compressed skin of file loaded into it;
// a file that cannot be read is reported and leaves the store empty.
TvxSkinData& AddSkinStore(
    TComponent& owner, const std::string& file, TSkinFollows follows = TSkinFollows::kYes);
// Marks a store made elsewhere as following the switches.
void FollowSwitches(TvxSkinData& store);
// Every following store of the gallery's windows takes the skin of file, and every
// control on them shows it.
void SwitchSkins(const std::string& file);

} // namespace tessel::gallery
