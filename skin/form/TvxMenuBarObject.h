#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/data/SkinEnums.h"

#include <string>

namespace tessel {

class TBitmap;
class TCanvas;
class TvxDataSkinObject;
class TvxSkinMainMenuBar;

// An element of the main menu bar (an entry or a button of a maximised MDI child):
// its place on the bar, its looks from a SKINOBJECTS record (normal, active, down),
// and the state the bar's mouse tracking and morph timer move. Without a record it
// draws the built-in look.
class TvxMenuBarObject {
public:
    TvxMenuBarObject(TvxSkinMainMenuBar& bar, const TvxDataSkinObject* record, const std::string& id_name);
    virtual ~TvxMenuBarObject() = default;
    TvxMenuBarObject(const TvxMenuBarObject&) = delete;
    TvxMenuBarObject& operator=(const TvxMenuBarObject&) = delete;

    // Draws the object at its rectangle on the bar's image.
    virtual void Draw(TCanvas& canvas) = 0;
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void MouseDown(TMouseButtonKind button);
    virtual void MouseUp(TMouseButtonKind button, bool inside);
    virtual void DblClick() { }

    // A morph step is still due; one step of 0.2 towards the look the state asks for.
    bool MorphDue() const;
    void MorphStep();
    bool Morphing() const;

    const std::string& IDName() const { return m_id_name; }
    const TRect& ObjectRect() const { return m_rect; }
    void SetObjectRect(const TRect& rect) { m_rect = rect; }
    bool Active() const { return m_active; }
    bool MouseIn() const { return m_mouse_in; }
    bool Down() const { return m_down; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value) { m_enabled = value; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool value) { m_visible = value; }
    double MorphFactor() const { return m_morph; }
    // Whether the record gives this object a picture to draw from.
    bool Skinned() const { return m_picture != nullptr; }
    const TRect& SkinRect() const { return m_skin_rect; }

protected:
    // Repaints through the morph timer when morphing, else at once.
    void Redraw();

    TvxSkinMainMenuBar& m_bar;
    std::string m_id_name;
    const TBitmap* m_picture = nullptr;
    TRect m_skin_rect, m_active_rect, m_down_rect;
    bool m_morphing = false;
    TvxMorphKind m_morph_kind = mkdefault;
    TRect m_rect;
    double m_morph = 0;
    bool m_mouse_in = false;
    bool m_active = false;
    bool m_down = false;
    bool m_enabled = true;
    bool m_visible = true;
};

} // namespace tessel
