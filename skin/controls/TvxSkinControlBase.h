#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/TGraphicControl.h"
#include "tessel/framework/TImageList.h"
#include "tessel/skin/controls/TvxSkinBinding.h"
#include "tessel/skin/controls/TvxSkinBound.h"
#include "tessel/skin/data/TvxDataSkinControl.h"

#include <string>

namespace tessel {

// What every skinned control has, windowed or not (TBase is the framework's
// TCustomControl or TGraphicControl): the binding to its record, the properties of
// the skin control base, and painting off-screen: the look is drawn into a bitmap of
// the control's size (the skinned image while a record is bound, else the default
// one when DrawDefault is on), blended over the parent's image when AlphaBlend is on,
// and put on the screen in one operation.
template<class TBase> class TvxSkinControlBase : public TBase, public TvxSkinBound {
public:
    explicit TvxSkinControlBase(TComponent* owner = nullptr);
    ~TvxSkinControlBase() override;

    TvxSkinData* SkinData() const override { return m_binding.SkinData(); }
    // Binds to the store; unless it holds no skin yet (or while designing) the
    // control takes its record at once (ChangeSkinData).
    virtual void SetSkinData(TvxSkinData* skin_data);
    const std::string& SkinDataName() const { return m_binding.SkinDataName(); }
    // Stores the name only: the record shows from the next paint on.
    virtual void SetSkinDataName(const std::string& name) { m_binding.SetSkinDataName(name); }
    bool DrawDefault() const { return m_draw_default; }
    void SetDrawDefault(bool draw_default);
    const std::string& AreaName() const { return m_area_name; }
    void SetAreaName(const std::string& name) { m_area_name = name; }
    const std::string& HintTitle() const { return m_hint_title; }
    void SetHintTitle(const std::string& title) { m_hint_title = title; }
    int HintImageIndex() const { return m_hint_image_index; }
    void SetHintImageIndex(int index) { m_hint_image_index = index; }
    TImageList* HintImageList() const { return m_hint_image_list; }
    void SetHintImageList(TImageList* list) { this->SetReference(m_hint_image_list, list); }
    bool AlphaBlend() const { return m_alpha_blend; }
    void SetAlphaBlend(bool alpha_blend);
    uint8_t AlphaBlendValue() const { return m_alpha_blend_value; }
    void SetAlphaBlendValue(uint8_t value);
    bool UseSkinCursor() const { return m_use_skin_cursor; }
    void SetUseSkinCursor(bool use) { m_use_skin_cursor = use; }

    // The index of the bound record in the store's control list; -1 when none.
    int RecordIndex() const { return m_binding.Index(); }
    TvxDataSkinControl* Record() const { return m_binding.Record(); }
    // The picture the bound record's pictureindex names (any record kind), or none.
    const TBitmap* RecordPicture() const;
    // Looks the record up again.
    virtual void RefreshRecord() { m_binding.Refresh(); }
    // The skin or the binding changed: the record, the cursor and the size again, and
    // a repaint.
    void ChangeSkinData() override;
    // Forgets the record before the store replaces its records.
    void BeforeChangeSkinData() override { m_binding.Forget(); }

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    virtual void CreateDefaultImage(TBitmap&) { }
    virtual void CreateSkinImage(TBitmap&) { }
    // The size the control takes for a wanted one while a record is bound (the
    // custom level's target geometry); nothing here.
    virtual void FitSize(int&, int&) { }
    // The size of the control changed (after the framework placed it).
    virtual void SizeChanged() { this->Invalidate(); }
    // The cursor index of the bound record (-1 none).
    virtual int RecordCursorIndex() const { return -1; }
    // The plain paint: the whole control composed into one bitmap and drawn.
    void PaintImage();
    // What the parent shows under the control, into the bitmap (of the control's size).
    void CopyParentImage(TBitmap& image) const;
    void ApplySkinCursor();

    TvxSkinBinding m_binding { *this };

private:
    bool m_draw_default = true;
    std::string m_area_name;
    std::string m_hint_title;
    int m_hint_image_index = 0;
    TImageList* m_hint_image_list = nullptr;
    bool m_alpha_blend = false;
    uint8_t m_alpha_blend_value = 200;
    bool m_use_skin_cursor = false;
};

extern template class TvxSkinControlBase<TCustomControl>;
extern template class TvxSkinControlBase<TGraphicControl>;

} // namespace tessel
