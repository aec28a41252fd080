#pragma once

#include "tessel/skin/form/objects/TvxSkinButtonObject.h"

namespace tessel {

class TvxDataSkinStdButton;

// A caption button: close, maximise, minimise, system menu, roll-up, minimise to the
// tray or a custom command. Made from a record it draws the skin's images (the
// restore images while its command is in force); made without one it draws the
// built-in flat button with a pen-drawn symbol.
class TvxSkinStdButtonObject : public TvxSkinButtonObject {
public:
    TvxSkinStdButtonObject(TvxFrameObjectHost& host, const TvxDataSkinStdButton& record);
    // A built-in caption button with that name and command.
    TvxSkinStdButtonObject(TvxFrameObjectHost& host, const std::string& name, TvxFrameCommand command);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseDown(int x, int y, TMouseButtonKind button) override;
    void MouseUp(int x, int y, TMouseButtonKind button) override;
    void DblClick() override;
    bool CanMorphing() const override;

    TvxFrameCommand Command() const { return m_command; }
    bool SkinSupport() const { return m_skin_support; }
    // The command's state is in force: maximised for maximise, minimised for
    // minimise, rolled up for roll-up.
    bool RestoreState() const;

private:
    void DrawBuiltIn(TCanvas& canvas) const;
    bool ShowsIcon() const;

    TvxFrameCommand m_command = cmdefault;
    TRect m_restore_rect, m_restore_active_rect, m_restore_down_rect, m_restore_inactive_rect;
    bool m_skin_support = true;
};

} // namespace tessel
