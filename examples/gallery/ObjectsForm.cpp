#include "examples/gallery/ObjectsForm.h"

#include "examples/gallery/GallerySkin.h"
#include <tessel/framework/TCanvas.h>
#include <tessel/framework/TMainMenu.h>
#include <tessel/framework/TMenuItem.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>
#include <tessel/skin/form/objects/TvxSkinFrameGaugeObject.h>

namespace tessel::gallery {

ObjectsForm::ObjectsForm(TComponent* owner, const std::string& skin_file)
    : TForm(owner)
{
    SetCaption("Tessel frame objects");
    SetBounds(820, 40, 420, 200);
    SetColor(clWindow);
    m_veneer = &Add<TvxVeneer>();
    m_veneer->SetBorderIcons(biSystemMenu);
    m_veneer->SetShowIcon(true);
    // The program's own object: a swatch with a border, drawn at each paint.
    m_veneer->OnPaintEvent = [](const std::string&, TCanvas& canvas, const TRect& r) {
        canvas.Brush().SetColor(0x00D8783B);
        canvas.FillRect({ r.left + 2, r.top + 2, r.right - 2, r.bottom - 2 });
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect({ r.left + 8, r.top + 8, r.right - 8, r.bottom - 8 });
    };
    TvxSkinData& store = AddSkinStore(*this, skin_file, TSkinFollows::kNo);
    store.SetEnableSkinEffects(true);
    m_veneer->SetSkinData(&store);
    // The gauge shows a value of its own; the frame's main menu sets it too.
    SetGauge(60);
    auto& menu = Add<TMainMenu>();
    TMenuItem& gauge = menu.Items().Add("&Gauge");
    for (int value : { 0, 50, 100 })
        gauge.Add("&" + std::to_string(value) + " %", [this, value](TComponent*) { SetGauge(value); });
    TMenuItem& window = menu.Items().Add("&Window");
    window.Add("&Roll up or down", [this](TComponent*) { m_veneer->RollUp(!m_veneer->RolledUp()); });
    window.Add("-");
    window.Add("&Close", [this](TComponent*) { Close(); });
    menu.Items().Add("&Help").Add(
        "&About", [this](TComponent*) { SetCaption("Frame objects and a frame menu"); });
    m_veneer->SetMainMenu(&menu);
}

void ObjectsForm::SetGauge(int value)
{
    for (TvxActiveSkinObject* object : m_veneer->Objects().All())
        if (auto* gauge = dynamic_cast<TvxSkinFrameGaugeObject*>(object))
            gauge->SetValue(value);
}

} // namespace tessel::gallery
