#pragma once

#include "tessel/skin/controls/TvxSkinPanel.h"

namespace tessel {

// A skinned panel at the bottom of a form (by default the skin's "statusbar"
// record) with an optional size grip in its bottom-right corner: the record's
// gripper image, or diagonal lines, that answers the hit test as the window's
// bottom-right sizing corner. The form controller hides the grip while its form is
// maximised (ShowGrip). A store given to the bar is given to the skinned controls
// placed directly on it too.
class TvxSkinStatusBar : public TvxSkinPanel {
public:
    explicit TvxSkinStatusBar(TComponent* owner = nullptr);

    bool SizeGrip() const { return m_size_grip; }
    void SetSizeGrip(bool size_grip);
    void ShowGrip(bool visible);
    bool GripVisible() const { return m_grip_visible; }
    // The grip is in effect: SizeGrip on and not hidden by the form.
    bool GripInEffect() const { return m_size_grip && m_grip_visible; }
    // The grip's rectangle (control coordinates).
    TRect GripRect() const;

    void SetSkinData(TvxSkinData* skin_data) override;
    void AdjustClientRect(TRect& rect) const override;

protected:
    void Dispatch(TMessage& message) override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;

private:
    // The gripper rectangle of the bound panel record (empty when none).
    TRect GripperPiece() const;
    static void DrawGripLines(TCanvas& canvas, const TRect& r, TColor light, TColor dark);
    void LayoutChanged();

    bool m_size_grip = false;
    bool m_grip_visible = true;
};

} // namespace tessel
