#include "tessel/framework/TControlAligner.h"

#include "tessel/framework/TWinControl.h"

namespace tessel {

void TControlAligner::Align(TControl* changed, TRect& rect)
{
    m_parent.AdjustClientRect(rect);
    for (TAlign kind : { alTop, alBottom, alLeft, alRight, alClient })
        AlignKind(kind, changed, rect);
    ApplyAnchors(changed);
}

bool TControlAligner::InsertBefore(const TControl& a, const TControl& b, TAlign kind)
{
    switch (kind) {
    case alTop:
        return a.Top() < b.Top();
    case alBottom:
        return a.Top() + a.Height() >= b.Top() + b.Height();
    case alLeft:
        return a.Left() < b.Left();
    case alRight:
        return a.Left() + a.Width() >= b.Left() + b.Width();
    default:
        return false;
    }
}

void TControlAligner::AlignKind(TAlign kind, TControl* changed, TRect& rect)
{
    bool designing = m_parent.HasState(csDesigning);
    auto takes_part = [&](const TControl* c) { return c->Align() == kind && (c->Visible() || designing); };
    std::vector<TControl*> list;
    if (changed && takes_part(changed) && m_parent.ContainsControl(changed))
        list.push_back(changed);
    for (int i = 0; i < m_parent.ControlCount(); ++i) {
        TControl* c = m_parent.Controls(i);
        if (c == changed || !takes_part(c))
            continue;
        size_t j = 0;
        while (j < list.size() && !InsertBefore(*c, *list[j], kind))
            ++j;
        list.insert(list.begin() + static_cast<long>(j), c);
    }
    for (TControl* c : list)
        Place(*c, kind, rect);
}

void TControlAligner::Place(TControl& control, TAlign kind, TRect& rect)
{
    int left = rect.left, top = rect.top;
    int width = rect.Width(), height = rect.Height();
    switch (kind) {
    case alTop:
        height = control.Height();
        rect.top += height;
        break;
    case alBottom:
        height = control.Height();
        rect.bottom -= height;
        top = rect.bottom;
        break;
    case alLeft:
        width = control.Width();
        rect.left += width;
        break;
    case alRight:
        width = control.Width();
        rect.right -= width;
        left = rect.right;
        break;
    default:
        break;
    }
    control.SetBounds(left, top, width, height);
    // A control that kept another size leaves the difference to the rest.
    int dw = width - control.Width(), dh = height - control.Height();
    switch (kind) {
    case alTop:
        rect.top -= dh;
        break;
    case alBottom:
        rect.bottom += dh;
        break;
    case alLeft:
        rect.left -= dw;
        break;
    case alRight:
        rect.right += dw;
        break;
    case alClient:
        rect.right -= dw;
        rect.bottom -= dh;
        break;
    default:
        break;
    }
}

void TControlAligner::ApplyAnchors(TControl* changed)
{
    TRect client = m_parent.ClientRect();
    for (int i = 0; i < m_parent.ControlCount(); ++i) {
        TControl* c = m_parent.Controls(i);
        if (c == changed || c->Align() != alNone || !c->m_anchor_rules.valid)
            continue;
        TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        int right_edge = client.Width() - c->m_anchor_rules.right;
        int bottom_edge = client.Height() - c->m_anchor_rules.bottom;
        if (a & akRight) {
            if (a & akLeft)
                width = right_edge - left;
            else
                left = right_edge - width;
        }
        if (a & akBottom) {
            if (a & akTop)
                height = bottom_edge - top;
            else
                top = bottom_edge - height;
        }
        if (left != c->Left() || top != c->Top() || width != c->Width() || height != c->Height())
            c->SetBounds(left, top, width, height);
    }
}

} // namespace tessel
