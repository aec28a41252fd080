#pragma once

#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

#include <vector>

namespace tessel {

class TvxDataSkinButton;

// A frame button: pressed while the left button holds it, radio-like within a group
// index, with its own down and disabled images.
class TvxSkinButtonObject : public TvxActiveSkinObject {
public:
    TvxSkinButtonObject(TvxFrameObjectHost& host, const TvxDataSkinButton& record);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseDown(int x, int y, TMouseButtonKind button) override;
    void MouseUp(int x, int y, TMouseButtonKind button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool Down() const { return m_down; }
    void SetDown(bool down);
    int GroupIndex() const { return m_group_index; }
    // The buttons a pressed grouped button releases: the controller's objects.
    void SetSiblings(const std::vector<TvxActiveSkinObject*>* siblings) { m_siblings = siblings; }

protected:
    bool Grouped() const { return m_group_index != -1; }

    bool m_down = false;
    int m_group_index = -1;
    TRect m_down_rect;
    TRect m_disabled_rect;
    const std::vector<TvxActiveSkinObject*>* m_siblings = nullptr;
};

} // namespace tessel
