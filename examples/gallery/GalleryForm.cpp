#include "examples/gallery/GalleryForm.h"

#include "examples/gallery/GallerySkin.h"
#include <tessel/framework/Exception.h>
#include <tessel/framework/SysUtils.h>
#include <tessel/framework/TFormReader.h>
#include <tessel/platform/TShell.h>
#include <tessel/skin/controls/TvxSkinControls.h>
#include <tessel/skin/controls/TvxSkinMenuButton.h>
#include <tessel/skin/controls/TvxSkinPanel.h>
#include <tessel/skin/controls/TvxSkinStatusBar.h>
#include <tessel/skin/controls/TvxSkinToolBar.h>
#include <tessel/skin/data/TvxCompressedStoredSkin.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>
#include <tessel/skin/hint/TvxSkinHint.h>
#include <tessel/skin/menus/TvxSkinPopupMenu.h>

#include <cstdio>

namespace tessel::gallery {

namespace {

constexpr int kButtons = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonStep = 81;

} // namespace

GalleryForm::GalleryForm(TComponent* owner, const std::string& skin_file)
    : TForm(owner)
{
    SetCaption("Tessel gallery");
    SetBounds(40, 40, 760, 520);
    SetColor(clBtnFace);
    m_store = &Add<TvxSkinData>();
    // The "Skin" button's menu switches every window but the frame objects' one.
    FollowSwitches(*m_store);
    // The form keeps the desktop's frame; its controller pops its skinned menus.
    m_store->SetSkinnableForm(false);
    Add<TvxVeneer>().SetSkinData(m_store);
    // The program's hints are skinned ones, served from the main form.
    auto& hint = Add<TvxSkinHint>();
    hint.SetSkinData(m_store);
    MakeToolBar();
    m_status_bar = &Add<TvxSkinStatusBar>();
    m_status_bar->SetParent(this);
    m_status_bar->SetSizeGrip(true);
    m_status_bar->SetSkinData(m_store);
    MakePanels();
    auto& stored = Add<TvxCompressedStoredSkin>();
    if (LoadSkin(stored, skin_file))
        m_store->SetCompressedStoredSkin(&stored);
}

bool GalleryForm::LoadSkin(TvxCompressedStoredSkin& stored, const std::string& skin_file)
{
    try {
        stored.ImportCompressedFile(skin_file);
    } catch (const Exception& e) {
        std::fprintf(stderr, "tessel-gallery: %s: %s\n", skin_file.c_str(), e.Message().c_str());
        return false;
    }
    if (stored.IsEmpty()) {
        std::fprintf(stderr, "tessel-gallery: %s holds no skin this program can read\n", skin_file.c_str());
        return false;
    }
    return true;
}

void GalleryForm::MakeToolBar()
{
    m_tool_bar = &Add<TvxSkinToolBar>();
    m_tool_bar->SetParent(this);
    m_tool_bar->SetAlign(alTop);
    m_tool_bar->SetCanScroll(true);
    m_tool_bar->SetScrollOffset(kButtonStep);
    m_tool_bar->SetSkinData(m_store);
    m_menu = &Add<TvxSkinPopupMenu>();
    m_menu->SetSkinData(m_store);
    for (const char* item : { "First", "Second", "Third" })
        m_menu->Items().Add(item);
    // The third button switches the skin of the gallery's windows.
    auto& skins = Add<TvxSkinPopupMenu>();
    skins.SetSkinData(m_store);
    const std::string folder = ExtractFilePath(TShell::ProgramPath());
    skins.Items().Add("&Demo", [folder](TComponent*) { SwitchSkins(folder + "demo.vxs"); });
    skins.Items().Add("&Ember", [folder](TComponent*) { SwitchSkins(folder + "ember.vxs"); });
    for (int i = 0; i < kButtons; ++i) {
        auto& button = Add<TvxSkinMenuButton>();
        button.SetParent(m_tool_bar);
        button.SetBounds(3 + i * kButtonStep, 0, kButtonWidth, 25);
        button.SetCaption(i == 0 ? "Games"
                : i == 1         ? "Links"
                : i == 2         ? "Skin"
                                 : "Button " + std::to_string(i + 1));
        if (i == 2)
            button.SetSkinPopupMenu(&skins);
        button.SetUseSkinSize(true);
        button.SetSkinData(m_store);
        if (i < 2)
            button.SetSkinPopupMenu(m_menu);
    }
}

void GalleryForm::MakePanels()
{
    auto panel = [this](TWinControl* parent, TRect bounds, const char* name, const char* caption) {
        auto& p = Add<TvxSkinPanel>();
        p.SetParent(parent);
        p.SetBoundsRect(bounds);
        p.SetSkinDataName(name);
        p.SetCaption(caption);
        p.SetSkinData(m_store);
        return &p;
    };
    // Left: group boxes.
    TvxSkinPanel* checked = panel(this, { 8, 40, 368, 160 }, "groupbox", "Checked group");
    checked->SetCaptionMode(true);
    checked->SetCheckedMode(true);
    checked->SetChecked(true);
    panel(checked, { 10, 26, 170, 110 }, "panel", "");
    panel(checked, { 180, 26, 350, 110 }, "panel", "");
    TvxSkinPanel* rolled = panel(this, { 8, 170, 368, 290 }, "groupbox", "Rolled up");
    rolled->SetCaptionMode(true);
    rolled->SetRollUpMode(true);
    rolled->SetRollUpState(true);
    TvxSkinPanel* roll = panel(this, { 8, 200, 368, 330 }, "groupbox", "Click the caption to roll up");
    roll->SetCaptionMode(true);
    roll->SetRollUpMode(true);
    panel(roll, { 10, 26, 350, 120 }, "panel", "");

    // Right: a background picture with a transparent panel on it, a plain skinned
    // panel and one drawn by the default rules.
    TvxSkinPanel* texture = panel(this, { 384, 40, 744, 240 }, "texturepanel", "");
    TvxSkinPanel* glass = panel(texture, { 20, 20, 240, 130 }, "panel", "Transparent");
    glass->SetTransparentMode(true);
    glass->SetCaptionMode(true);
    panel(this, { 384, 250, 560, 400 }, "panel", "");
    TvxSkinPanel* plain = panel(this, { 568, 250, 744, 400 }, "no such record", "No skin record");
    plain->SetCaptionMode(true);
    plain->SetBorderStyle(bvRaised);
}

void GalleryForm::Dispatch(TMessage& message)
{
    // The skin store's notices reach every skinned control on the form.
    if (!TvxSkinControls::Route(*this, message))
        TForm::Dispatch(message);
}

} // namespace tessel::gallery
