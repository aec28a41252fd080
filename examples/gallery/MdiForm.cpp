#include "examples/gallery/MdiForm.h"

#include "examples/gallery/GallerySkin.h"
#include <tessel/framework/SysUtils.h>
#include <tessel/framework/TApplication.h>
#include <tessel/framework/TMainMenu.h>
#include <tessel/framework/TMenuItem.h>
#include <tessel/platform/TShell.h>
#include <tessel/skin/controls/TvxSkinPanel.h>
#include <tessel/skin/controls/TvxSkinSpeedButton.h>
#include <tessel/skin/controls/TvxSkinToolBar.h>
#include <tessel/skin/controls/TvxSkinUpDown.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxSkinMDITabsBar.h>
#include <tessel/skin/form/TvxSkinMainMenuBar.h>
#include <tessel/skin/form/TvxVeneer.h>

namespace tessel::gallery {

MdiForm::MdiForm(TComponent* owner, const std::string& skin_file)
    : TForm(owner)
    , m_skin_file(skin_file)
{
    SetCaption("Tessel MDI");
    SetFormStyle(fsMDIForm);
    SetBounds(40, 40, 800, 560);
    SetColor(clBtnFace);
    TvxSkinData& store = AddSkinStore(*this, skin_file);
    TvxVeneer& veneer = Add<TvxVeneer>();
    veneer.SetSkinData(&store);

    // The skinned main menu: File, Window (the children), Skin and Help.
    auto& menu = Add<TMainMenu>();
    TMenuItem& file = menu.Items().Add("&File");
    file.Add("&New document", [this](TComponent*) { AddChild(); });
    file.Add("&Close document", [this](TComponent*) {
        if (TCustomForm* child = ActiveMDIChild())
            child->Close();
    });
    file.Add("-");
    file.Add("E&xit", [this](TComponent*) { Close(); });
    TMenuItem& window = menu.Items().Add("&Window");
    window.Add("&Next document", [this](TComponent*) { NextChild(); });
    const std::string folder = ExtractFilePath(TShell::ProgramPath());
    TMenuItem& skins = menu.Items().Add("&Skin");
    skins.Add("&Demo", [folder](TComponent*) { SwitchSkins(folder + "demo.vxs"); });
    skins.Add("&Ember", [folder](TComponent*) { SwitchSkins(folder + "ember.vxs"); });
    menu.Items().Add("&Help").Add(
        "&About Tessel", [this](TComponent*) { SetCaption("Tessel MDI: skinned by Tessel"); });

    auto& bar = Add<TvxSkinToolBar>();
    bar.SetParent(this);
    bar.SetAlign(alTop);
    bar.SetSkinData(&store);
    auto& add = Add<TvxSkinSpeedButton>();
    add.SetParent(&bar);
    add.SetBounds(4, 0, 60, 26);
    add.SetCaption("&New");
    add.SetSkinData(&store);
    add.OnClick = [this](TComponent*) { AddChild(); };
    // The up-down sets the tabs' least width, shown beside it.
    m_width_label = &Add<TvxSkinSpeedButton>();
    m_width_label->SetParent(&bar);
    m_width_label->SetBounds(80, 0, 120, 26);
    m_width_label->SetFlat(true);
    m_width_label->SetCaption("Least tab: 0");
    m_width_label->SetSkinData(&store);
    auto& width = Add<TvxSkinUpDown>();
    width.SetParent(&bar);
    width.SetBounds(205, 5, 30, 16);
    width.SetSkinData(&store);
    width.SetMax(200);
    width.SetIncrement(40);
    width.OnChange = [this, &width](TComponent*) {
        m_tabs->SetMinTabWidth(width.Position());
        m_width_label->SetCaption("Least tab: " + std::to_string(width.Position()));
    };

    m_tabs = &Add<TvxSkinMDITabsBar>();
    m_tabs->SetParent(this);
    m_tabs->SetAlign(alTop);
    m_tabs->SetHeight(21);
    m_tabs->SetSkinData(&store);
    m_tabs->SetShowCloseButtons(true);
    // The menu bar last: the controls aligned to the top stack from the last made.
    auto& menu_bar = Add<TvxSkinMainMenuBar>();
    menu_bar.SetParent(this);
    menu_bar.SetSkinData(&store);
    menu_bar.SetVeneer(&veneer);
    menu_bar.SetMainMenu(&menu);
}

TForm& MdiForm::AddChild()
{
    auto& child = Application().CreateForm<TForm>();
    child.SetCaption("Document " + std::to_string(++m_children));
    child.SetFormStyle(fsMDIChild);
    const int step = 24 * ((m_children - 1) % 6);
    child.SetBounds(10 + step, 10 + step, 360, 240);
    child.SetColor(clWindow);
    TvxSkinData& store = AddSkinStore(child, m_skin_file);
    child.Add<TvxVeneer>().SetSkinData(&store);
    // A group box with the child's name, so that each shows which it is.
    auto& panel = child.Add<TvxSkinPanel>();
    panel.SetParent(&child);
    panel.SetAlign(alClient);
    panel.SetCaption(child.Caption());
    panel.SetSkinDataName("groupbox");
    panel.SetSkinData(&store);
    child.OnClose = [](TComponent*, TCloseAction& action) { action = caFree; };
    child.Show();
    return child;
}

void MdiForm::NextChild()
{
    const int count = MDIChildCount();
    int active = 0;
    for (int i = 0; i < count; ++i)
        if (MDIChildren(i) == ActiveMDIChild())
            active = i;
    if (count > 1) {
        TCustomForm* next = MDIChildren((active + 1) % count);
        next->Show();
        next->BringToFront();
    }
}

} // namespace tessel::gallery
