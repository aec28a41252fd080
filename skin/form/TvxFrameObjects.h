#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

#include <functional>
#include <memory>
#include <vector>

namespace tessel {

// The frame objects of a form, in list order, and which of them is under the mouse
// (hot), was before, and holds the mouse (captured). Mouse calls are routed to the
// captured object first, then to the hot one.
class TvxFrameObjects {
public:
    void Clear();
    void Add(std::unique_ptr<TvxActiveSkinObject> object);
    // Takes out the objects that drop says so of (the tracking starts afresh).
    void RemoveIf(const std::function<bool(const TvxActiveSkinObject&)>& drop);
    const std::vector<TvxActiveSkinObject*>& All() const { return m_view; }
    bool Empty() const { return m_view.empty(); }

    // Which objects take part (the current roll-up state); all when unset.
    void SetFilter(std::function<bool(const TvxActiveSkinObject&)> belongs)
    {
        m_belongs = std::move(belongs);
    }
    // Told after the hot object changed: the one left (or null) and the new one.
    std::function<void(TvxActiveSkinObject*, TvxActiveSkinObject*)> OnHotChanged;
    bool Belongs(const TvxActiveSkinObject& object) const { return !m_belongs || m_belongs(object); }
    // The objects of the current state that are visible.
    std::vector<TvxActiveSkinObject*> Shown() const;

    TvxActiveSkinObject* Hot() const { return At(m_hot); }
    TvxActiveSkinObject* Captured() const { return At(m_captured); }
    // The object under p becomes hot (none when consider is off); the one it replaces
    // hears MouseLeave, the new one MouseEnter. While one holds the mouse no other
    // can become hot.
    void Track(TPoint p, bool consider = true);
    void ForgetTracking() { m_hot = m_previous = m_captured = -1; }
    // A caption object of the current state lies under p.
    bool OverCaption(TPoint p) const;

    // The object under p becomes hot and, when there is one, holds the mouse and
    // hears the press; whether one did.
    bool MouseDown(TPoint p, TMouseButtonKind button);
    // The holding object hears the release and lets the mouse go; it is returned.
    TvxActiveSkinObject* MouseUp(TPoint p, TMouseButtonKind button);
    void MouseMove(TPoint p);
    void DblClick();
    void ReleaseCapture() { m_captured = -1; }
    // Back to idle for every object, as a size or move loop starts.
    void ResetMouseStates();
    // One morph step for every object that has one due; whether any is still due.
    bool MorphStep();
    bool AnyMorphDue() const;

private:
    TvxActiveSkinObject* At(int index) const
    {
        return index >= 0 && index < static_cast<int>(m_view.size()) ? m_view[static_cast<size_t>(index)]
                                                                     : nullptr;
    }
    int IndexAt(TPoint p) const;

    std::vector<std::unique_ptr<TvxActiveSkinObject>> m_objects;
    std::vector<TvxActiveSkinObject*> m_view;
    std::function<bool(const TvxActiveSkinObject&)> m_belongs;
    int m_hot = -1, m_previous = -1, m_captured = -1;
};

} // namespace tessel
