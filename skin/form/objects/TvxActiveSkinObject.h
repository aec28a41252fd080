#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/data/SkinEnums.h"

#include <string>

namespace tessel {

class TCanvas;
class TvxDataSkinObject;
class TvxFrameObjectHost;

// One interactive element of a skinned frame, made from a SKINOBJECTS record: it
// knows its rectangle on the window, draws itself from the skin's pictures, follows
// the mouse as the controller routes it and morphs between its normal and active
// images. Points are window coordinates.
class TvxActiveSkinObject {
public:
    TvxActiveSkinObject(TvxFrameObjectHost& host, const TvxDataSkinObject& record);
    virtual ~TvxActiveSkinObject() = default;
    TvxActiveSkinObject(const TvxActiveSkinObject&) = delete;
    TvxActiveSkinObject& operator=(const TvxActiveSkinObject&) = delete;

    // Paints the object at its rectangle. update is on when the object is drawn alone
    // and off when the canvas already holds the frame's normal look.
    virtual void Draw(TCanvas& canvas, bool update);
    virtual void DblClick() { }
    virtual void MouseDown(int x, int y, TMouseButtonKind button);
    virtual void MouseUp(int x, int y, TMouseButtonKind button);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // A morph step is still due.
    virtual bool CanMorphing() const;
    // One tick of the 25 ms animation timer; whether the object's animation still runs.
    virtual bool AnimationStep() { return false; }
    // Back to idle, as when a size or move loop starts.
    virtual void ResetMouseState();

    // A redraw: through the morph timer when morphing, else at once.
    void Redraw();
    // One 25 ms morph step towards the active or the normal image.
    void MorphStep();
    bool MorphingEnabled() const;
    double MorphFactor() const { return m_morph_factor; }
    void SetMorphFactor(double value);

    const std::string& IDName() const { return m_id_name; }
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string& hint) { m_hint = hint; }
    const TRect& ObjectRect() const { return m_object_rect; }
    void SetObjectRect(const TRect& rect) { m_object_rect = rect; }
    const TRect& SkinRect() const { return m_skin_rect; }
    const TRect& ActiveRect() const { return m_active_rect; }
    bool RollUp() const { return m_rollup; }
    bool InPicture() const { return m_in_picture; }
    int CursorIndex() const { return m_cursor_index; }
    bool MouseIn() const { return m_mouse_in; }
    bool Active() const { return m_active; }
    void SetActive(bool active) { m_active = active; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

protected:
    // The picture of the normal image and the one of the active images (none when
    // the record's index names none).
    const TBitmap* NormalPicture() const;
    const TBitmap* ActivePicture() const { return m_active_picture; }
    // Copies rect of picture to the object's rectangle.
    void CopyImage(TCanvas& canvas, const TBitmap* picture, const TRect& rect) const;
    // The morph of two looks at the current factor, drawn at the object's place.
    void DrawMorph(TCanvas& canvas, const TBitmap* from_picture, const TRect& from, const TBitmap* to_picture,
        const TRect& to) const;
    bool SkinLoaded() const;
    void RaiseMouseEnter() const;
    void RaiseMouseLeave() const;

    TvxFrameObjectHost& m_host;
    std::string m_id_name;
    std::string m_hint;
    TRect m_skin_rect;
    TRect m_active_rect;
    TRect m_inactive_rect;
    bool m_in_picture = false;
    const TBitmap* m_active_picture = nullptr;
    const TBitmap* m_frame_picture = nullptr;
    bool m_rollup = false;
    bool m_morphing = false;
    TvxMorphKind m_morph_kind = mkdefault;
    int m_cursor_index = -1;
    TRect m_object_rect;
    double m_morph_factor = 0;
    bool m_mouse_in = false;
    bool m_active = false;
    bool m_enabled = true;
    bool m_visible = true;
};

} // namespace tessel
