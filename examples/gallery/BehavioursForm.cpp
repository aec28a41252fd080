#include "examples/gallery/BehavioursForm.h"

#include "examples/gallery/GallerySkin.h"
#include <tessel/framework/TApplication.h>
#include <tessel/framework/TCanvas.h>
#include <tessel/framework/TMenuItem.h>
#include <tessel/framework/TPopupMenu.h>
#include <tessel/skin/controls/TvxSkinPanel.h>
#include <tessel/skin/controls/TvxSkinStatusBar.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>
#include <tessel/skin/hint/TvxSkinHint.h>
#include <tessel/skin/tray/TvxTrayIcon.h>

namespace tessel::gallery {

BehavioursForm::BehavioursForm(TComponent* owner, const std::string& skin_file)
    : TForm(owner)
{
    SetCaption("Tessel behaviours");
    SetBounds(820, 560, 420, 220);
    SetColor(clBtnFace);
    TvxSkinData& store = AddSkinStore(*this, skin_file);
    m_veneer = &Add<TvxVeneer>();
    m_veneer->SetSkinData(&store);
    m_veneer->SetBorderIcons(biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray);
    m_veneer->SetMagnetic(true);
    m_veneer->SetAlphaBlendAnimation(true);
    m_veneer->SetMinWidth(300);
    m_veneer->SetMinHeight(150);
    // The caption buttons' hints from the skin's texts.
    auto& hint = Add<TvxSkinHint>();
    hint.SetSkinData(&store);
    m_veneer->SetSkinHint(&hint);
    m_veneer->SetShowObjectHint(true);

    auto& panel = Add<TvxSkinPanel>();
    panel.SetParent(this);
    panel.SetAlign(alClient);
    panel.SetSkinDataName("panel");
    panel.SetSkinData(&store);
    m_status_bar = &Add<TvxSkinStatusBar>();
    m_status_bar->SetParent(this);
    m_status_bar->SetSizeGrip(true);
    m_status_bar->SetSkinData(&store);
    m_veneer->SetStatusBar(m_status_bar);
    MakeSystemMenu();
    MakeTray();
}

void BehavioursForm::MakeSystemMenu()
{
    auto& menu = Add<TPopupMenu>();
    menu.Items().Add("&Snap to edges", [this](TComponent* sender) {
        m_veneer->SetMagnetic(!m_veneer->Magnetic());
        static_cast<TMenuItem*>(sender)->SetChecked(m_veneer->Magnetic());
    });
    menu.Items().Items(0)->SetChecked(true);
    menu.Items().Add("-");
    m_veneer->SetSystemMenu(&menu);
}

void BehavioursForm::MakeTray()
{
    TBitmap picture(16, 16);
    TCanvas& c = picture.Canvas();
    c.Brush().SetColor(static_cast<TColor>(0x2F6FD8));
    c.FillRect({ 0, 0, 16, 16 });
    c.Brush().SetColor(clWhite);
    c.FillRect({ 4, 4, 12, 12 });
    m_tray = &Add<TvxTrayIcon>();
    m_tray->SetIcon(picture);
    m_tray->SetHint("Tessel behaviours: click to restore");
    // The controller gives the icon its menu (Restore, Close) and its double click;
    // a single click brings the program back as well.
    m_veneer->SetTrayIcon(m_tray);
    m_tray->OnClick = [this](TComponent*) { m_veneer->RestoreFromTray(); };
}

} // namespace tessel::gallery
