#include "tessel/skin/form/TvxFrameObjects.h"

#include "tessel/skin/form/objects/TvxSkinButtonObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"

namespace tessel {

void TvxFrameObjects::Clear()
{
    m_view.clear();
    m_objects.clear();
    ForgetTracking();
}

void TvxFrameObjects::Add(std::unique_ptr<TvxActiveSkinObject> object)
{
    if (!object)
        return;
    if (auto* button = dynamic_cast<TvxSkinButtonObject*>(object.get()))
        button->SetSiblings(&m_view);
    m_view.push_back(object.get());
    m_objects.push_back(std::move(object));
}

void TvxFrameObjects::RemoveIf(const std::function<bool(const TvxActiveSkinObject&)>& drop)
{
    ForgetTracking();
    std::erase_if(m_view, [&drop](const TvxActiveSkinObject* o) { return drop(*o); });
    std::erase_if(m_objects, [&drop](const std::unique_ptr<TvxActiveSkinObject>& o) { return drop(*o); });
}

std::vector<TvxActiveSkinObject*> TvxFrameObjects::Shown() const
{
    std::vector<TvxActiveSkinObject*> shown;
    for (TvxActiveSkinObject* object : m_view)
        if (object->Visible() && Belongs(*object))
            shown.push_back(object);
    return shown;
}

int TvxFrameObjects::IndexAt(TPoint p) const
{
    for (size_t i = 0; i < m_view.size(); ++i) {
        const TvxActiveSkinObject& object = *m_view[i];
        if (Belongs(object) && object.Enabled() && object.Visible() && object.ObjectRect().Contains(p))
            return static_cast<int>(i);
    }
    return -1;
}

bool TvxFrameObjects::OverCaption(TPoint p) const
{
    for (TvxActiveSkinObject* object : m_view)
        if (dynamic_cast<TvxSkinCaptionObject*>(object) && Belongs(*object)
            && object->ObjectRect().Contains(p))
            return true;
    return false;
}

void TvxFrameObjects::Track(TPoint p, bool consider)
{
    if (m_view.empty())
        return;
    m_previous = m_hot;
    int hot = consider ? IndexAt(p) : -1;
    if (m_captured != -1 && hot != m_captured)
        hot = -1;
    if (hot == m_hot)
        return;
    m_hot = hot;
    // Each call may redraw; the list stays as it is meanwhile.
    if (TvxActiveSkinObject* previous = At(m_previous);
        previous && previous->Enabled() && previous->Visible())
        previous->MouseLeave();
    if (TvxActiveSkinObject* now = At(m_hot); now && now->Enabled() && now->Visible())
        now->MouseEnter();
    if (OnHotChanged)
        OnHotChanged(At(m_previous), At(m_hot));
}

bool TvxFrameObjects::MouseDown(TPoint p, TMouseButtonKind button)
{
    Track(p);
    TvxActiveSkinObject* hot = Hot();
    if (!hot)
        return false;
    m_captured = m_hot;
    hot->MouseDown(p.x, p.y, button);
    return true;
}

TvxActiveSkinObject* TvxFrameObjects::MouseUp(TPoint p, TMouseButtonKind button)
{
    TvxActiveSkinObject* captured = Captured();
    m_captured = -1;
    if (captured)
        captured->MouseUp(p.x, p.y, button);
    return captured;
}

void TvxFrameObjects::MouseMove(TPoint p)
{
    if (TvxActiveSkinObject* object = Captured() ? Captured() : Hot())
        object->MouseMove(p.x, p.y);
}

void TvxFrameObjects::DblClick()
{
    if (TvxActiveSkinObject* hot = Hot())
        hot->DblClick();
}

void TvxFrameObjects::ResetMouseStates()
{
    for (TvxActiveSkinObject* object : m_view)
        object->ResetMouseState();
    ForgetTracking();
}

bool TvxFrameObjects::AnyMorphDue() const
{
    for (TvxActiveSkinObject* object : m_view)
        if (object->MorphingEnabled() && object->CanMorphing())
            return true;
    return false;
}

bool TvxFrameObjects::MorphStep()
{
    for (TvxActiveSkinObject* object : m_view)
        if (object->MorphingEnabled() && object->CanMorphing())
            object->MorphStep();
    return AnyMorphDue();
}

} // namespace tessel
