#include "examples/gallery/ButtonsForm.h"

#include "examples/gallery/GallerySkin.h"
#include <tessel/framework/TCanvas.h>
#include <tessel/skin/controls/TvxSkinButton.h>
#include <tessel/skin/controls/TvxSkinMenuSpeedButton.h>
#include <tessel/skin/controls/TvxSkinSpeedButton.h>
#include <tessel/skin/controls/TvxSkinUpDown.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>
#include <tessel/skin/menus/TvxSkinPopupMenu.h>

namespace tessel::gallery {

namespace {

// A glyph strip of four 12 x 12 cells (normal, disabled, down, hot), each with a
// magenta bottom-left pixel for its transparent colour.
TBitmap Glyphs()
{
    const TColor cells[] = { 0xD8783B, 0xA0A0A0, 0xA04F1F, 0x50AF4C }; // blue, grey, dark blue, green
    TBitmap strip(48, 12);
    TCanvas& c = strip.Canvas();
    for (int i = 0; i < 4; ++i) {
        c.Brush().SetColor(0xFF00FF);
        c.FillRect({ 12 * i, 0, 12 * i + 12, 12 });
        c.Brush().SetColor(cells[i]);
        c.FillRect({ 12 * i + 2, 2, 12 * i + 10, 10 });
    }
    return strip;
}

} // namespace

ButtonsForm::ButtonsForm(TComponent* owner, const std::string& skin_file)
    : TForm(owner)
{
    SetCaption("Tessel buttons");
    SetBounds(40, 580, 760, 200);
    SetColor(clBtnFace);
    TvxSkinData& store = AddSkinStore(*this, skin_file);
    store.SetEnableSkinEffects(true);
    auto& veneer = Add<TvxVeneer>();
    veneer.SetSkinData(&store);
    veneer.SetBorderIcons(biSystemMenu);
    auto button = [&](TRect bounds, const char* caption) -> TvxSkinButton& {
        auto& b = Add<TvxSkinButton>();
        b.SetParent(this);
        b.SetBoundsRect(bounds);
        b.SetCaption(caption);
        b.SetSkinData(&store);
        return b;
    };
    // The looks: at rest (hover it to see the morph), disabled, and the default one.
    button({ 10, 10, 100, 35 }, "Normal");
    button({ 110, 10, 200, 35 }, "Disabled").SetEnabled(false);
    button({ 210, 10, 300, 35 }, "Default").SetDefault(true);
    // A glyph on each side of the caption.
    const TvxButtonLayout layouts[] = { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    const char* names[] = { "Left", "Right", "Top", "Bottom" };
    for (int i = 0; i < 4; ++i) {
        bool across = layouts[i] == blGlyphLeft || layouts[i] == blGlyphRight;
        auto& b = button({ 10 + 110 * i, 50, 110 + 110 * i, across ? 75 : 100 }, names[i]);
        // Its own size: the record's client grows with it.
        b.SetUseSkinSize(false);
        b.SetBounds(10 + 110 * i, 50, 100, across ? 25 : 50);
        b.SetGlyph(Glyphs());
        b.SetNumGlyphs(4);
        b.SetLayout(layouts[i]);
    }
    // Three grouped buttons: one is down at a time.
    for (int i = 0; i < 3; ++i) {
        auto& b = button({ 460 + 95 * i, 10, 545 + 95 * i, 35 }, i == 0 ? "One" : i == 1 ? "Two" : "Three");
        b.SetGroupIndex(1);
        if (i == 0)
            b.SetDown(true);
    }
    // Held, it counts: the first click after 600 ms, then every 100 ms.
    auto& repeat = button({ 460, 50, 740, 75 }, "Hold me: 0");
    repeat.SetRepeatMode(true);
    repeat.SetRepeatInterval(100);
    repeat.OnClick
        = [this, &repeat](TComponent*) { repeat.SetCaption("Hold me: " + std::to_string(++m_held)); };

    // Up-down controls counting into a button's caption: the skin's "hupdown" at its
    // size, and one of its own size drawn from "resizebutton", upright.
    auto& shown = button({ 460, 90, 600, 115 }, "Count: 0");
    auto up_down = [&](TRect bounds) -> TvxSkinUpDown& {
        auto& u = Add<TvxSkinUpDown>();
        u.SetParent(this);
        u.SetBoundsRect(bounds);
        u.SetSkinData(&store);
        u.SetMax(50);
        u.OnChange
            = [&shown, &u](TComponent*) { shown.SetCaption("Count: " + std::to_string(u.Position())); };
        return u;
    };
    up_down({ 610, 94, 640, 110 });
    auto& upright = up_down({ 650, 85, 670, 125 });
    upright.SetUseSkinSize(false);
    upright.SetBounds(650, 85, 20, 40);
    upright.SetOrientation(udVertical);
    upright.SetIncrement(5);

    // Speed buttons, as on a tool bar: three grouped ones (one down at a time), flat
    // ones that show their face only under the mouse, one whose caption comes and
    // goes with its width, and a drop-down one in the new style whose arrow part
    // drops the menu while its body clicks.
    int x = 10;
    auto speed = [&](const char* caption, int width) -> TvxSkinSpeedButton& {
        auto& b = Add<TvxSkinSpeedButton>();
        b.SetParent(this);
        b.SetBounds(x, 135, width, 26);
        b.SetCaption(caption);
        b.SetSkinData(&store);
        x += width + 4;
        return b;
    };
    for (const char* caption : { "Left", "Centre", "Right" }) {
        auto& b = speed(caption, 55);
        b.SetGroupIndex(2);
        b.SetDown(caption[0] == 'L');
    }
    x += 10;
    for (const char* caption : { "Flat", "Also flat" }) {
        auto& b = speed(caption, caption[0] == 'F' ? 45 : 70);
        b.SetFlat(true);
    }
    x += 10;
    auto& glyph = speed("Caption", 80);
    glyph.SetGlyph(Glyphs());
    glyph.SetNumGlyphs(4);
    glyph.SetWidthWithCaption(80);
    glyph.SetWidthWithoutCaption(26);
    auto& toggle = speed("Hide its caption", 120);
    toggle.OnClick = [&glyph](TComponent*) { glyph.SetShowCaption(!glyph.ShowCaption()); };
    auto& menu = Add<TvxSkinPopupMenu>();
    menu.SetSkinData(&store);
    for (const char* caption : { "First", "Second", "Third" })
        menu.Items().Add(caption);
    auto& drop = Add<TvxSkinMenuSpeedButton>();
    drop.SetParent(this);
    drop.SetSkinData(&store);
    drop.SetNewStyle(true);
    drop.SetTrackButtonMode(true);
    drop.SetBounds(x + 10, 135, 70, 26);
    drop.SetCaption("Drop");
    drop.SetSkinPopupMenu(&menu);
}

} // namespace tessel::gallery
