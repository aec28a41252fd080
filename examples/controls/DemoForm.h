#pragma once

#include "examples/controls/DemoButton.h"
#include "examples/controls/DemoPanel.h"
#include <tessel/framework/TForm.h>
#include <tessel/framework/TPopupMenu.h>
#include <tessel/framework/TTimer.h>

namespace tessel::demo {

// The demo window: a frame of its own (caption and sizing border answered and
// painted by the form, so the desktop draws none), a tool bar with a button that
// opens a colour menu and shows a hint, a status line at the bottom with the last
// choice and a ticking timer, and a page in the middle whose colour the menu sets
// (its right click opens the same menu).
class DemoForm : public TForm {
public:
    explicit DemoForm(TComponent* owner);

    static constexpr int kBorder = 4;
    static constexpr int kCaption = 24;

protected:
    void Dispatch(TMessage& message) override;

private:
    void Choose(const std::string& name, TColor color);
    void UpdateStatus();
    LRESULT HitTest(TPoint screen);
    void PaintFrame();

    DemoPanel* m_tool_bar = nullptr;
    DemoButton* m_button = nullptr;
    DemoPanel* m_status = nullptr;
    DemoPanel* m_page = nullptr;
    TPopupMenu* m_menu = nullptr;
    TTimer* m_timer = nullptr;
    std::string m_chosen = "none";
    int m_ticks = 0;
};

} // namespace tessel::demo
