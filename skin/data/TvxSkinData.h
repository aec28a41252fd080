#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TStringList.h"
#include "tessel/skin/data/TvxCompressedSkinList.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinArea.h"
#include "tessel/skin/data/TvxDataSkinControl.h"
#include "tessel/skin/data/TvxDataSkinHintWindow.h"
#include "tessel/skin/data/TvxDataSkinObject.h"
#include "tessel/skin/data/TvxDataSkinPopupWindow.h"
#include "tessel/skin/data/TvxResourceStrData.h"
#include "tessel/skin/data/TvxSkinColors.h"
#include "tessel/skin/data/TvxSkinFormInfo.h"

#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TMemIniFile;

// The skin data store: the one object that holds a loaded skin — its pictures, the
// frame, popup-window and hint-window settings, the skin colours and the records
// of areas, frame objects and control looks. It owns all of them; users keep a
// reference to the store and record indexes that are valid until the next skin
// change, which every form hears of by the skin notices.
class TvxSkinData : public TComponent {
public:
    explicit TvxSkinData(TComponent* owner = nullptr);
    ~TvxSkinData() override;
    const char* ClassName() const override { return "TvxSkinData"; }

    bool SkinnableForm() const { return m_skinnable_form; }
    void SetSkinnableForm(bool value);
    bool EnableSkinEffects() const { return m_enable_skin_effects; }
    void SetEnableSkinEffects(bool value) { m_enable_skin_effects = value; }
    TvxCompressedStoredSkin* CompressedStoredSkin() const { return m_compressed_stored_skin; }
    void SetCompressedStoredSkin(TvxCompressedStoredSkin* skin);
    TvxResourceStrData* ResourceStrData() const { return m_resource_str_data; }
    void SetResourceStrData(TvxResourceStrData* data);
    TvxCompressedSkinList* SkinList() const { return m_skin_list; }
    void SetSkinList(TvxCompressedSkinList* list);
    int SkinIndex() const { return m_skin_index; }
    void SetSkinIndex(int index);

    // Loads a stored skin; nothing happens for an empty one. Errors of a corrupt
    // skin pass to the caller, and the store keeps what was read so far.
    void LoadCompressedSkin(TvxCompressedStoredSkin* skin);
    void ClearObjects();
    void ClearAll();
    // Sends message (wParam the store, lParam 1000) to the owner form, then to every
    // other form of the screen, each synchronously.
    void SendSkinMessage(uint32_t message);

    // Linear, exact, case-sensitive look-ups; the first match wins; -1 when none.
    int GetAreaIndex(std::string_view name) const;
    int GetIndex(std::string_view name) const;
    int GetControlIndex(std::string_view name) const;
    // The index of the SKINOBJECTS record of that name; -1 when none.
    int GetObjectIndex(std::string_view name) const;

    bool Empty() const { return m_empty; }
    bool Changing() const { return m_changing; }

    const TvxSkinColors& SkinColors() const { return m_skin_colors; }
    const TBitmap& Picture() const { return m_picture; }
    const TBitmap& InactivePicture() const { return m_inactive_picture; }
    const TBitmap& Mask() const { return m_mask; }
    const TBitmap& RollUpPicture() const { return m_rollup_picture; }
    const TBitmap& RollUpMask() const { return m_rollup_mask; }
    int ActivePictureCount() const { return static_cast<int>(m_active_pictures.size()); }
    // The active picture at index, or nullptr for -1 and indexes beyond the list.
    const TBitmap* ActivePicture(int index) const;

    const std::string& PictureName() const { return m_picture_name; }
    const std::string& MaskName() const { return m_mask_name; }
    const std::string& RollUpPictureName() const { return m_rollup_picture_name; }
    const std::string& RollUpMaskName() const { return m_rollup_mask_name; }
    const TStringList& ActivePictureNames() const { return m_active_picture_names; }

    const std::string& SkinName() const { return m_skin_name; }
    const std::string& SkinAuthor() const { return m_skin_author; }
    const std::string& AuthorEmail() const { return m_author_email; }
    const std::string& AuthorURL() const { return m_author_url; }
    const std::string& SkinComments() const { return m_skin_comments; }

    const TvxSkinFormInfo& FormInfo() const { return m_form_info; }
    const TvxDataSkinPopupWindow& PopupWindow() const { return m_popup_window; }
    const TvxDataSkinHintWindow& HintWindow() const { return m_hint_window; }

    int AreaCount() const { return static_cast<int>(m_areas.size()); }
    const TvxDataSkinArea& Area(int index) const { return *m_areas.at(static_cast<size_t>(index)); }
    int ObjectCount() const { return static_cast<int>(m_objects.size()); }
    TvxDataSkinObject* ObjectList(int index) const { return m_objects.at(static_cast<size_t>(index)).get(); }
    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TvxDataSkinControl* ControlList(int index) const
    {
        return m_controls.at(static_cast<size_t>(index)).get();
    }

    // The store loads no cursor images; skin cursors are numbered from 1.
    int FirstCursorNumber() const { return 1; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool Designing() const { return HasState(csDesigning); }
    void ReadSkin(const TMemIniFile& ini);
    void ReadVersion(const TMemIniFile& ini);
    void ReadPictureNames(const TMemIniFile& ini);
    void ReadAreas(const TMemIniFile& ini);
    void ReadObjects(const TMemIniFile& ini);
    void ReadControls(const TMemIniFile& ini);

    bool m_skinnable_form = true;
    bool m_enable_skin_effects = true;
    TvxCompressedStoredSkin* m_compressed_stored_skin = nullptr;
    TvxResourceStrData* m_resource_str_data = nullptr;
    TvxCompressedSkinList* m_skin_list = nullptr;
    int m_skin_index = 0;

    bool m_empty = true;
    bool m_changing = false;
    TvxSkinColors m_skin_colors { "SKINCOLORS" };
    TBitmap m_picture, m_inactive_picture, m_mask, m_rollup_picture, m_rollup_mask;
    std::vector<std::unique_ptr<TBitmap>> m_active_pictures;
    std::string m_picture_name, m_mask_name, m_rollup_picture_name, m_rollup_mask_name;
    TStringList m_active_picture_names;
    std::string m_skin_name, m_skin_author, m_author_email, m_author_url, m_skin_comments;
    TvxSkinFormInfo m_form_info;
    TvxDataSkinPopupWindow m_popup_window { "POPUPWINDOW" };
    TvxDataSkinHintWindow m_hint_window { "HINTWINDOW" };
    std::vector<std::unique_ptr<TvxDataSkinArea>> m_areas;
    std::vector<std::unique_ptr<TvxDataSkinObject>> m_objects;
    std::vector<std::unique_ptr<TvxDataSkinControl>> m_controls;
};

} // namespace tessel
