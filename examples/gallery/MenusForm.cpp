#include "examples/gallery/MenusForm.h"

#include "examples/gallery/GallerySkin.h"
#include <tessel/framework/ShortCuts.h>
#include <tessel/framework/TCanvas.h>
#include <tessel/framework/TImageList.h>
#include <tessel/framework/TMenuItem.h>
#include <tessel/skin/controls/TvxSkinMenuButton.h>
#include <tessel/skin/controls/TvxSkinPanel.h>
#include <tessel/skin/controls/TvxSkinToolBar.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>
#include <tessel/skin/menus/TvxSkinImagesMenu.h>
#include <tessel/skin/menus/TvxSkinPopupMenu.h>

#include <string>

namespace tessel::gallery {

namespace {

constexpr TColor kSwatches[] = { 0x3B78D8, 0x4CAF50, 0x2196F3, 0xE91E63, 0x9C27B0, 0x00BCD4 };

} // namespace

MenusForm::MenusForm(TComponent* owner, const std::string& skin_file)
    : TForm(owner)
{
    SetCaption("Tessel menus and hints");
    SetBounds(820, 280, 420, 240);
    SetColor(clBtnFace);
    // A store of its own: this window wears the skin's frame, the gallery's does not.
    TvxSkinData& store = AddSkinStore(*this, skin_file);
    m_veneer = &Add<TvxVeneer>();
    m_veneer->SetSkinData(&store);
    m_veneer->SetBorderIcons(0);
    m_veneer->SetMaxMenuItemsInWindow(10);
    // Translucent menus: the window's alpha under a compositor, else the screen mixed in.
    m_veneer->SetMenusAlphaBlend(true);
    m_veneer->SetMenusAlphaBlendValue(215);
    m_veneer->SetMenusAlphaBlendAnimation(true);
    MakeImages();
    MakeMenus(store);
    MakeHinted(store);
}

void MenusForm::MakeImages()
{
    m_images = &Add<TImageList>();
    m_images->SetSize(16, 16);
    for (TColor colour : kSwatches) {
        TBitmap swatch(16, 16);
        TCanvas& c = swatch.Canvas();
        c.Brush().SetColor(clWhite);
        c.FillRect({ 0, 0, 16, 16 });
        c.Brush().SetColor(colour);
        c.FillRect({ 2, 2, 14, 14 });
        m_images->Add(swatch);
    }
}

void MenusForm::MakeMenus(TvxSkinData& store)
{
    auto& bar = Add<TvxSkinToolBar>();
    bar.SetParent(this);
    bar.SetAlign(alTop);
    bar.SetSkinData(&store);
    int x = 3;
    auto button = [&](const char* caption, int width = 75) -> TvxSkinMenuButton& {
        auto& b = Add<TvxSkinMenuButton>();
        b.SetParent(&bar);
        b.SetBounds(x, 0, width, 25);
        x += width + 6;
        b.SetCaption(caption);
        b.SetSkinData(&store);
        return b;
    };

    // A menu with every kind of entry.
    m_menu = &Add<TvxSkinPopupMenu>();
    m_menu->SetImages(m_images);
    TMenuItem& items = m_menu->Items();
    TMenuItem& open = items.Add("&Open");
    open.SetImageIndex(0);
    open.SetShortCut(ShortCut('O', ssCtrl));
    items.Add("&Save").SetImageIndex(1);
    items.Add("-");
    TMenuItem& checked = items.Add("&Checked");
    checked.SetAutoCheck(true);
    checked.SetChecked(true);
    for (const char* caption : { "Radio &A", "Radio &B" }) {
        TMenuItem& radio = items.Add(caption);
        radio.SetRadioItem(true);
        radio.SetAutoCheck(true);
        radio.SetGroupIndex(1);
    }
    items.Items(items.Count() - 1)->SetChecked(true);
    TMenuItem& more = items.Add("&More");
    for (const char* caption : { "Deeper one", "Deeper two", "Deeper three" })
        more.Add(caption);
    items.Add("-");
    TMenuItem& header = items.Add("-Header-");
    header.SetEnabled(false);
    items.Add("Disabled").SetEnabled(false);
    button("Menu").SetSkinPopupMenu(m_menu);

    // A menu longer than its window: it scrolls.
    m_long = &Add<TvxSkinPopupMenu>();
    for (int i = 1; i <= 40; ++i)
        m_long->Items().Add("Game " + std::to_string(i));
    button("Long").SetSkinPopupMenu(m_long);

    // A picker of three columns with a header and a button row.
    m_images_menu = &Add<TvxSkinImagesMenu>();
    m_images_menu->SetImages(m_images);
    m_images_menu->SetSkinData(&store);
    m_images_menu->SetColumnsCount(3);
    auto& cells = m_images_menu->ImagesItems();
    cells.emplace_back();
    cells.back().Header = true;
    cells.back().Caption = "Colours";
    for (int i = 0; i < 6; ++i) {
        cells.emplace_back();
        cells.back().ImageIndex = i;
        cells.back().Hint = "Colour " + std::to_string(i + 1);
    }
    cells.emplace_back();
    cells.back().Button = true;
    cells.back().ImageIndex = 0;
    cells.back().Caption = "Default";
    m_images_menu->SetItemIndex(1);
    // The picker's chosen colour shows on its button.
    TvxSkinMenuButton& picker = button("Colours", 95);
    picker.SetSkinImagesMenu(m_images_menu);
    picker.SetUseImagesMenuImage(true);

    // Track mode: the body clicks (and counts), the arrow part drops the menu.
    TvxSkinMenuButton& split = button("Split");
    split.SetSkinDataName("toolmenutrackbutton");
    split.SetTrackButtonMode(true);
    split.SetSkinPopupMenu(m_menu);
    split.OnClick = [&split, clicks = 0](
                        TComponent*) mutable { split.SetCaption("Split " + std::to_string(++clicks)); };
}

void MenusForm::MakeHinted(TvxSkinData& store)
{
    auto panel = [&](TRect bounds, const char* caption, const char* title) {
        auto& p = Add<TvxSkinPanel>();
        p.SetParent(this);
        p.SetBoundsRect(bounds);
        p.SetSkinDataName("panel");
        p.SetCaption(caption);
        p.SetSkinData(&store);
        p.SetHint("A hint of two lines:@the second one");
        p.SetHintTitle(title);
        p.SetHintImageList(m_images);
        p.SetHintImageIndex(3);
        p.SetShowHint(true);
    };
    panel({ 10, 40, 200, 120 }, "", "Hint with a title");
    panel({ 210, 40, 400, 120 }, "", "Another title");
}

} // namespace tessel::gallery
