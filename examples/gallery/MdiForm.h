#pragma once

#include <tessel/framework/TForm.h>

#include <string>

namespace tessel {
class TvxSkinData;
class TvxSkinMDITabsBar;
class TvxSkinSpeedButton;
} // namespace tessel

namespace tessel::gallery {

// An MDI window on the demo skin (tessel-gallery --mdi): a skinned main menu bar
// (File, Window, Skin, Help), a tool bar of speed
// buttons ("New" adds a child) with an up-down that sets the tabs' least width, the
// MDI tabs bar, and three children to begin with.
class MdiForm : public TForm {
public:
    MdiForm(TComponent* owner, const std::string& skin_file);

    // A new child with a skinned frame of its own, shown in front.
    TForm& AddChild();
    // The next child (after the active one) comes to the front.
    void NextChild();

private:
    std::string m_skin_file;
    TvxSkinMDITabsBar* m_tabs = nullptr;
    TvxSkinSpeedButton* m_width_label = nullptr;
    int m_children = 0;
};

} // namespace tessel::gallery
