#include "tessel/skin/data/TvxSkinData.h"

#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TScreen.h"
#include "tessel/skin/data/SkinIniValues.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxCompressedSkinList.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxResourceStrData.h"
#include "tessel/skin/data/TvxSkinPackage.h"
#include "tessel/skin/data/TvxSkinRecordFactory.h"

#include <algorithm>

namespace tessel {

namespace {

// Splits "name:rest" at the first colon; an entry without one gives two empty texts.
std::pair<std::string, std::string> SplitEntry(const std::string& entry)
{
    size_t colon = entry.find(':');
    if (colon == std::string::npos)
        return {};
    return { entry.substr(0, colon), entry.substr(colon + 1) };
}

template<class List> int FindByName(const List& list, std::string_view name)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i]->IDName == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TvxSkinData::TvxSkinData(TComponent* owner)
    : TComponent(owner)
{ }

TvxSkinData::~TvxSkinData()
{
    m_empty = true;
    ClearObjects();
}

void TvxSkinData::SetSkinnableForm(bool value)
{
    if (value == m_skinnable_form)
        return;
    m_skinnable_form = value;
    if (!Designing() && !HasState(csLoading))
        SendSkinMessage(SkinnableChangedNotice);
}

void TvxSkinData::SetCompressedStoredSkin(TvxCompressedStoredSkin* skin)
{
    SetReference(m_compressed_stored_skin, skin);
    if (!Designing() && skin)
        LoadCompressedSkin(skin);
}

void TvxSkinData::SetResourceStrData(TvxResourceStrData* data)
{
    SetReference(m_resource_str_data, data);
    if (!Designing())
        SendSkinMessage(ResourceStringsChangedNotice);
}

void TvxSkinData::SetSkinList(TvxCompressedSkinList* list)
{
    SetReference(m_skin_list, list);
    if (!Designing() && list && m_skin_index >= 0 && m_skin_index < list->Count())
        LoadCompressedSkin(&list->Skins(m_skin_index).StoredSkin());
}

void TvxSkinData::SetSkinIndex(int index)
{
    if (index == m_skin_index)
        return;
    if (!m_skin_list) {
        m_skin_index = index;
        return;
    }
    if (index < 0 || index >= m_skin_list->Count())
        return;
    m_skin_index = index;
    if (!Designing())
        LoadCompressedSkin(&m_skin_list->Skins(index).StoredSkin());
}

void TvxSkinData::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_compressed_stored_skin)
        m_compressed_stored_skin = nullptr;
    if (component == m_resource_str_data)
        m_resource_str_data = nullptr;
    if (component == m_skin_list)
        m_skin_list = nullptr;
}

void TvxSkinData::SendSkinMessage(uint32_t message)
{
    auto wparam = reinterpret_cast<WPARAM>(this);
    auto* owner_form = dynamic_cast<TCustomForm*>(Owner());
    if (owner_form)
        owner_form->Perform(message, wparam, SkinNoticeTag);
    // A form may close while it handles a notice; only forms still listed are sent to.
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen().FormCount(); ++i)
        forms.push_back(Screen().Forms(i));
    for (TCustomForm* form : forms) {
        if (form == owner_form)
            continue;
        bool listed = false;
        for (int i = 0; i < Screen().FormCount() && !listed; ++i)
            listed = Screen().Forms(i) == form;
        if (listed)
            form->Perform(message, wparam, SkinNoticeTag);
    }
}

void TvxSkinData::ClearObjects()
{
    m_areas.clear();
    m_objects.clear();
    m_controls.clear();
    m_active_pictures.clear();
    m_popup_window.windowpictureindex = -1;
    m_hint_window.windowpictureindex = -1;
    m_active_picture_names.Clear();
    m_skin_colors.SetSystemColors();
}

void TvxSkinData::ClearAll()
{
    ClearObjects();
    m_picture.Clear();
    m_inactive_picture.Clear();
    m_mask.Clear();
    m_rollup_picture.Clear();
    m_rollup_mask.Clear();
    m_picture_name.clear();
    m_mask_name.clear();
    m_rollup_picture_name.clear();
    m_rollup_mask_name.clear();
    m_active_picture_names.Clear();
    m_empty = true;
}

void TvxSkinData::LoadCompressedSkin(TvxCompressedStoredSkin* skin)
{
    if (!skin || skin->IsEmpty())
        return;
    m_empty = true;
    m_changing = true;
    SendSkinMessage(SkinChangingNotice);
    ClearAll();

    TMemoryStream package;
    skin->DecompressTo(package);
    package.SetPosition(0);
    int32_t version = TvxSkinPackage::ReadVersion(package);
    if (version > TvxSkinPackage::kHighestVersion)
        return;

    TvxSkinPackage::ReadPictureSlots(
        package, version, m_picture, m_inactive_picture, m_mask, m_rollup_picture, m_rollup_mask);
    TvxSkinPackage::ReadActivePictures(package, m_active_pictures);
    TStringList lines;
    TvxSkinPackage::ReadIniText(package, lines);
    package.Clear();

    ReadSkin(TMemIniFile(lines));

    m_empty = false;
    SendSkinMessage(SkinChangedNotice);
    m_changing = false;
    SendSkinMessage(SkinLoadedNotice);
}

void TvxSkinData::ReadSkin(const TMemIniFile& ini)
{
    ReadVersion(ini);
    ReadPictureNames(ini);
    m_form_info.Read(ini, !m_mask_name.empty());
    m_popup_window.ReadSection(ini);
    m_hint_window.ReadSection(ini);
    m_skin_colors.ReadSection(ini);
    ReadAreas(ini);
    ReadObjects(ini);
    ReadControls(ini);
}

void TvxSkinData::ReadVersion(const TMemIniFile& ini)
{
    m_skin_name = ini.ReadString("VERSION", "skinname", "");
    m_skin_author = ini.ReadString("VERSION", "skinauthor", "");
    m_author_email = ini.ReadString("VERSION", "authoremail", "");
    m_author_url = ini.ReadString("VERSION", "authorurl", "");
    m_skin_comments = ini.ReadString("VERSION", "skincomments", "");
}

void TvxSkinData::ReadPictureNames(const TMemIniFile& ini)
{
    m_picture_name = ini.ReadString("PICTURES", "picture", "");
    m_mask_name = ini.ReadString("PICTURES", "mask", "");
    m_rollup_picture_name = ini.ReadString("PICTURES", "rolluppicture", "");
    m_rollup_mask_name = ini.ReadString("PICTURES", "rollupmask", "");
    m_active_picture_names.Clear();
    for (std::string& name : ReadSkinCountedList(ini, "PICTURES", "activepictures"))
        m_active_picture_names.Add(std::move(name));
}

void TvxSkinData::ReadAreas(const TMemIniFile& ini)
{
    for (const std::string& entry : ReadSkinCountedList(ini, "SKINAREAS", "")) {
        auto [name, rect_text] = SplitEntry(entry);
        TRect rect = ParseSkinRect(rect_text);
        m_areas.push_back(std::make_unique<TvxDataSkinArea>(TvxDataSkinArea { name, rect }));
    }
}

void TvxSkinData::ReadObjects(const TMemIniFile& ini)
{
    for (const std::string& entry : ReadSkinCountedList(ini, "SKINOBJECTS", "")) {
        auto [name, type] = SplitEntry(entry);
        auto record = TvxSkinRecordFactory::CreateObject(type, name);
        if (!record)
            continue;
        m_objects.push_back(std::move(record));
        m_objects.back()->ReadSection(ini);
    }
}

void TvxSkinData::ReadControls(const TMemIniFile& ini)
{
    for (const std::string& entry : ReadSkinCountedList(ini, "SKINCONTROLS", "")) {
        auto [name, type] = SplitEntry(entry);
        auto record = TvxSkinRecordFactory::CreateControl(type, name);
        if (!record)
            continue;
        m_controls.push_back(std::move(record));
        m_controls.back()->ReadSection(ini);
    }
}

const TBitmap* TvxSkinData::ActivePicture(int index) const
{
    if (index < 0 || index >= ActivePictureCount())
        return nullptr;
    return m_active_pictures[static_cast<size_t>(index)].get();
}

int TvxSkinData::GetAreaIndex(std::string_view name) const
{
    return FindByName(m_areas, name);
}
int TvxSkinData::GetIndex(std::string_view name) const
{
    return FindByName(m_objects, name);
}
int TvxSkinData::GetControlIndex(std::string_view name) const
{
    return FindByName(m_controls, name);
}

int TvxSkinData::GetObjectIndex(std::string_view name) const
{
    return FindByName(m_objects, name);
}

} // namespace tessel
