#include "skin/controls/TvxSkinToolBar.h"

namespace tessel {

TvxSkinToolBar::TvxSkinToolBar(TComponent* owner)
    : TvxSkinPanel(owner)
{
    SetSkinDataName("toolpanel");
    SetDefaultHeight(0);
    SetHeight(25);
    SetBorderStyle(bvNone);
}

void TvxSkinToolBar::SetAdjustControls(bool adjust)
{
    if (m_adjust_controls != adjust) {
        m_adjust_controls = adjust;
        Realign();
    }
}

void TvxSkinToolBar::AlignControls(TControl* control, TRect& rect)
{
    TvxSkinPanel::AlignControls(control, rect);
    if (!m_adjust_controls)
        return;
    // Children that are not aligned stand centred between the client's top and bottom.
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* child = Controls(i); child->Align() == alNone) {
            int top = rect.top + (rect.Height() - child->Height()) / 2;
            if (child->Top() != top)
                child->SetBounds(child->Left(), top, child->Width(), child->Height());
        }
}

} // namespace tessel
