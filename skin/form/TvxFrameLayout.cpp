#include "tessel/skin/form/TvxFrameLayout.h"

#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxFrameGeometry.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"

namespace tessel {

namespace {

constexpr TvxFrameCommand kRowOrder[] = { cmclose, cmmaximize, cmminimize, cmrollup, cmminimizetotray };

TvxFrameCommand CommandOf(const TvxActiveSkinObject* object)
{
    if (auto* button = dynamic_cast<const TvxSkinStdButtonObject*>(object))
        return button->Command();
    return static_cast<TvxFrameCommand>(-1);
}

} // namespace

void TvxFrameLayout::Layout(const TvxSkinData& data, const TvxFrameGeometry& g,
    const std::vector<TvxActiveSkinObject*>& objects, bool client_mode, TPoint small_icon, bool show_icon)
{
    TvxElementGeometry picture = TvxFrameGeometry::PictureGeometry(data);
    for (TvxActiveSkinObject* object : objects)
        object->SetObjectRect(MapSkinRect(vxcmFull, picture, g.W, g.H, object->SkinRect()));
    if (client_mode)
        return;
    const TRect anchor = !g.ButtonsRect.IsEmpty() ? g.ButtonsRect : g.CaptionRect;
    if (anchor.IsEmpty())
        return;
    const bool on_caption = g.ButtonsRect.IsEmpty();
    const int y = anchor.top, o = g.ButtonsOffset;
    auto size_of = [&](TvxActiveSkinObject* object) {
        if (CommandOf(object) == cmsysmenu && show_icon)
            return small_icon;
        return TPoint { object->SkinRect().Width(), object->SkinRect().Height() };
    };
    // Only visible buttons whose images come from the active picture take part.
    auto in_row = [](TvxActiveSkinObject* object) { return object->Visible() && object->InPicture(); };
    auto first_with = [&](TvxFrameCommand command) -> TvxActiveSkinObject* {
        for (TvxActiveSkinObject* object : objects)
            if (CommandOf(object) == command && in_row(object))
                return object;
        return nullptr;
    };
    TvxSkinCaptionObject* caption = nullptr;
    for (TvxActiveSkinObject* object : objects)
        if ((caption = dynamic_cast<TvxSkinCaptionObject*>(object)))
            break;
    std::vector<TvxActiveSkinObject*> row;
    for (TvxFrameCommand command : kRowOrder)
        if (TvxActiveSkinObject* object = first_with(command))
            row.push_back(object);
    for (TvxActiveSkinObject* object : objects)
        if (CommandOf(object) == cmdefault && in_row(object))
            row.push_back(object);
    TvxActiveSkinObject* system = first_with(cmsysmenu);
    if (!g.ButtonsInLeft) {
        int x = anchor.right;
        for (TvxActiveSkinObject* object : row) {
            TPoint s = size_of(object);
            object->SetObjectRect({ x - s.x, y, x, y + s.y });
            x -= s.x + o;
        }
        if (on_caption && caption) {
            TRect r = caption->ObjectRect();
            r.right = x + o;
            caption->SetObjectRect(r);
        }
        if (system) {
            TPoint s = size_of(system);
            const TRect& c = g.CaptionRect;
            int top = c.top + c.Height() / 2 - s.y / 2;
            system->SetObjectRect({ c.left, top, c.left + s.x, top + s.y });
            if (caption) {
                TRect r = caption->ObjectRect();
                r.left = system->ObjectRect().right;
                caption->SetObjectRect(r);
            }
        }
        return;
    }
    int x = anchor.left;
    if (on_caption && system)
        row.push_back(system);
    for (TvxActiveSkinObject* object : row) {
        TPoint s = size_of(object);
        object->SetObjectRect({ x, y, x + s.x, y + s.y });
        x += s.x + o;
    }
    if (on_caption && caption) {
        TRect r = caption->ObjectRect();
        r.left = x + o;
        caption->SetObjectRect(r);
    }
}

TRect TvxFrameLayout::LayoutBuiltIn(int width, int c, int s, const std::vector<TvxActiveSkinObject*>& buttons,
    TPoint small_icon, bool show_icon)
{
    TRect caption { 3, 3, width - 3, c };
    int x = width - 3;
    for (TvxFrameCommand command : kRowOrder)
        for (TvxActiveSkinObject* object : buttons)
            if (CommandOf(object) == command && object->Visible()) {
                object->SetObjectRect({ x - s, 4, x, 4 + s });
                x -= s;
                break;
            }
    caption.right = x;
    for (TvxActiveSkinObject* object : buttons)
        if (CommandOf(object) == cmsysmenu && object->Visible()) {
            TPoint size = show_icon ? small_icon : TPoint { s, s };
            object->SetObjectRect({ 3, 4, 3 + size.x, 4 + size.y });
            caption.left = object->ObjectRect().right;
            break;
        }
    return caption;
}

} // namespace tessel
