#pragma once

#include "tessel/framework/TApplication.h"
#include "tessel/skin/menus/TvxFloatingPopup.h"
#include "tessel/skin/menus/TvxPopupFrame.h"

namespace tessel {

class TvxSkinImagesMenu;

// The window of an open images menu: the frame, the cells, the hot and pressed
// cell; it takes the mouse and the program's keys while open, and any press, move
// or activation elsewhere closes it.
class TvxSkinImagesMenuPopupWindow : public TvxFloatingPopup {
public:
    explicit TvxSkinImagesMenuPopupWindow(TvxSkinImagesMenu& menu);
    ~TvxSkinImagesMenuPopupWindow() override;

    TPoint WindowSize() const { return m_size; }
    int Hot() const { return m_hot; }
    bool Pressed() const { return m_pressed; }
    // Shows the window under anchor, in front, without activation, with the mouse.
    void ShowAt(const TRect& anchor);
    // Gives back the mouse and the keys and hides the window.
    void Finish();
    // A key while open: Enter or Space chooses, Escape closes, arrows move.
    void Key(uint16_t key);

    const char* ClassName() const override { return "TvxSkinImagesMenuPopupWindow"; }

protected:
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    bool HandleMessage(MSG& msg);
    int ItemAt(TPoint client) const;
    void SetHot(int index, bool show_hint);
    void PaintCell(TCanvas& canvas, int index);

    TvxSkinImagesMenu& m_menu;
    TvxPopupFrame m_frame;
    TPoint m_size;
    TPoint m_image_size;
    int m_hot = -1;
    bool m_pressed = false;
    bool m_finished = false;
    TApplication::THookId m_hook = 0;
};

} // namespace tessel
