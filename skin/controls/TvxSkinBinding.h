#pragma once

#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxSkinData.h"

#include <string>

namespace tessel {

class TComponent;

// The tie of a skinned control to its look: the skin data store (SkinData), the name
// of its record in the store's control list (SkinDataName) and that record's index,
// looked up again whenever it is needed, so a control always shows the skin loaded
// now, and forgotten while the store replaces its records. Windowed and window-less
// skinned controls hold one each; the owner passes its free notifications on.
class TvxSkinBinding {
public:
    explicit TvxSkinBinding(TComponent& owner)
        : m_owner(owner)
    { }
    ~TvxSkinBinding();
    TvxSkinBinding(const TvxSkinBinding&) = delete;
    TvxSkinBinding& operator=(const TvxSkinBinding&) = delete;

    TvxSkinData* SkinData() const { return m_skin_data; }
    // Whether the reference changed.
    bool SetSkinData(TvxSkinData* skin_data);
    const std::string& SkinDataName() const { return m_name; }
    void SetSkinDataName(const std::string& name) { m_name = name; }
    // Whether a skin is there to bind to: a store that holds a loaded skin.
    bool HasSkin() const;

    // Looks the record up again: -1 without a store, while the store holds no skin,
    // or when no record has the name (the first of that exact name wins).
    int Refresh();
    void Forget() { m_index = -1; }
    int Index() const { return m_index; }
    // The bound record, or null.
    TvxDataSkinControl* Record() const;

    // The owner's free notification: a store that goes leaves the control unbound.
    void Removed(const TComponent* component);

private:
    TComponent& m_owner;
    TvxSkinData* m_skin_data = nullptr;
    std::string m_name;
    int m_index = -1;
};

} // namespace tessel
