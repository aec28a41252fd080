#pragma once

#include "framework/TBitmap.h"
#include "framework/TCustomControl.h"

#include <string>

namespace tessel {

class TvxSkinData;

// The base of the windowed skinned controls: bound to the skin data store by
// SkinData and to one of its control records by SkinDataName, the name looked up
// again whenever the skin changes. Painting is off-screen: the look is drawn into a
// bitmap of the control's size and put on the screen in one operation. While the
// control has no record (or the skinned looks are not drawn yet) it shows its
// default look when DrawDefault is on.
class TvxSkinControl : public TCustomControl {
public:
    explicit TvxSkinControl(TComponent* owner = nullptr);
    ~TvxSkinControl() override;

    TvxSkinData* SkinData() const { return m_skin_data; }
    virtual void SetSkinData(TvxSkinData* skin_data);
    const std::string& SkinDataName() const { return m_skin_data_name; }
    virtual void SetSkinDataName(const std::string& name) { m_skin_data_name = name; }
    bool DrawDefault() const { return m_draw_default; }
    void SetDrawDefault(bool draw_default);
    const std::string& AreaName() const { return m_area_name; }
    void SetAreaName(const std::string& name) { m_area_name = name; }
    const std::string& HintTitle() const { return m_hint_title; }
    void SetHintTitle(const std::string& title) { m_hint_title = title; }
    bool AlphaBlend() const { return m_alpha_blend; }
    void SetAlphaBlend(bool alpha_blend) { m_alpha_blend = alpha_blend; }
    uint8_t AlphaBlendValue() const { return m_alpha_blend_value; }
    void SetAlphaBlendValue(uint8_t value) { m_alpha_blend_value = value; }
    bool UseSkinCursor() const { return m_use_skin_cursor; }
    void SetUseSkinCursor(bool use) { m_use_skin_cursor = use; }

    // The index of the bound record in the store's control list; -1 when none.
    int RecordIndex() const { return m_record_index; }

    virtual void RefreshRecord();
    virtual void ChangeSkinData();
    virtual void BeforeChangeSkinData() { m_record_index = -1; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    virtual void CreateDefaultImage(TBitmap&) { }
    virtual void CreateSkinImage(TBitmap&) { }

private:
    TvxSkinData* m_skin_data = nullptr;
    std::string m_skin_data_name;
    std::string m_area_name;
    std::string m_hint_title;
    bool m_draw_default = true;
    bool m_alpha_blend = false;
    uint8_t m_alpha_blend_value = 200;
    bool m_use_skin_cursor = false;
    int m_record_index = -1;
};

} // namespace tessel
