#include "tools/vxskin/TSkinPreview.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TRegion.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxMaskRegion.h"
#include "tessel/skin/form/TvxClientBackground.h"
#include "tessel/skin/form/TvxFrameShape.h"
#include "tessel/skin/form/TvxSkinFrameLook.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace tessel {

namespace {

constexpr uint32_t kInside = 0xFF000000, kOutside = 0xFFFFFFFF;
constexpr int kSheetWidth = 1100, kMargin = 12, kLabel = 16;

// The looks a record may have besides its normal one, by key and name.
constexpr std::pair<const char*, const char*> kStates[]
    = { { "activeskinrect", "active" }, { "downskinrect", "down" }, { "focusedskinrect", "focused" },
          { "disabledskinrect", "disabled" }, { "inactiveskinrect", "inactive" } };

} // namespace

TBitmap TSkinPreview::Render(const TSkinElement& element, int w, int h)
{
    TBitmap out;
    TvxComposition::ComposeByMode(element.geometry, out, *element.picture, w, h);
    return out;
}

TBitmap TSkinPreview::RenderForm(const TvxSkinData& data, int w, int h)
{
    TBitmap out(w, h);
    TvxFrameScene scene;
    scene.data = &data;
    scene.geometry = TvxFrameGeometry::Compute(data, w, h);
    const TRect& client = scene.geometry.NewClient;
    if (!client.IsEmpty()) {
        TDeviceContext inside(out.Surface(), { client.left, client.top }, TRegion(client), {});
        TBitmap no_logo;
        TvxClientBackground::Paint(
            inside, &data, { 0, 0, client.Width(), client.Height() }, scene.geometry, no_logo, false);
    }
    TDeviceContext dc(out.Surface());
    TvxSkinFrameLook().Paint(dc, scene);
    return out;
}

TBitmap TSkinPreview::Region(
    const TvxSkinData& data, TElementKind kind, const std::string& name, int w, int h)
{
    TBitmap out(w, h);
    std::unique_ptr<TRegion> region;
    if (kind == TElementKind::kForm) {
        region = TvxFrameShape::Region(data, TvxFrameGeometry::Compute(data, w, h));
    } else {
        TSkinElement e = TSkinElement::Find(data, kind, name);
        if (e.mask && !e.mask->Empty())
            region = TvxMaskRegion::ControlRegion(e.geometry, w, h, *e.mask);
    }
    // Without a region the window is its plain rectangle.
    if (!region)
        region = std::make_unique<TRegion>(TRect { 0, 0, w, h });
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.SetPixel(x, y, region->Contains(x, y) ? kInside : kOutside);
    return out;
}

std::vector<TSkinPreview::TSheetEntry> TSkinPreview::SheetEntries(const TvxSkinData& data)
{
    std::vector<TSheetEntry> entries;
    // One entry for a look: the element at its own size and at a larger one.
    auto look = [&](TElementKind kind, const std::string& name, const char* key, const std::string& label) {
        TSkinElement e;
        try {
            e = TSkinElement::Find(data, kind, name, key);
        } catch (const EElementTooLarge& error) {
            std::fprintf(stderr, "vxskin: %s\n", error.what());
            return;
        } catch (const std::exception&) {
            return; // no picture, or no such look: nothing to show
        }
        int w = e.geometry.W(), h = e.geometry.H();
        if (w <= 0 || h <= 0)
            return;
        TSheetEntry entry;
        entry.label = label;
        entry.small = Render(e, w, h);
        entry.large = Render(e, std::min(w * 2 + 40, 480), std::min(h * 2 + 20, 240));
        entries.push_back(std::move(entry));
    };
    auto add = [&](TElementKind kind, const std::string& name, const char* what) {
        look(kind, name, "", std::string(what) + " " + name);
        for (auto [key, state] : kStates)
            look(kind, name, key, std::string(what) + " " + name + ": " + state);
    };
    for (int i = 0; i < data.ControlCount(); ++i)
        add(TElementKind::kControl, data.ControlList(i)->IDName, "control");
    for (int i = 0; i < data.ObjectCount(); ++i)
        add(TElementKind::kObject, data.ObjectList(i)->IDName, "object");
    return entries;
}

TBitmap TSkinPreview::Sheet(const TvxSkinData& data)
{
    std::vector<TSheetEntry> entries = SheetEntries(data);
    // Lay the entries out in rows, each a label over its two pictures.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kMargin, y = kMargin, row_height = 0;
    for (const TSheetEntry& e : entries) {
        int w = std::max(e.small.Width() + kMargin + e.large.Width(), 160);
        int h = kLabel + std::max(e.small.Height(), e.large.Height());
        if (x + w > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += row_height + kMargin;
            row_height = 0;
        }
        places.push_back({ x, y });
        x += w + 2 * kMargin;
        row_height = std::max(row_height, h);
    }
    TBitmap sheet(kSheetWidth, y + row_height + kMargin);
    TCanvas& c = sheet.Canvas();
    c.Brush().SetColor(0xD8D8D8);
    c.FillRect({ 0, 0, sheet.Width(), sheet.Height() });
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    for (size_t i = 0; i < entries.size(); ++i) {
        const TSheetEntry& e = entries[i];
        Place p = places[i];
        c.Brush().SetStyle(bsClear);
        c.TextOut(p.x, p.y, e.label);
        c.Draw(p.x, p.y + kLabel, e.small);
        c.Draw(p.x + e.small.Width() + kMargin, p.y + kLabel, e.large);
    }
    return sheet;
}

} // namespace tessel
