#pragma once

#include <tessel/framework/TForm.h>

#include <string>

namespace tessel {
class TvxCompressedStoredSkin;
class TvxSkinData;
class TvxSkinPanel;
class TvxSkinPopupMenu;
class TvxSkinStatusBar;
class TvxSkinToolBar;
} // namespace tessel

namespace tessel::gallery {

// One window with every skinned control on the demo skin (or the skin file given):
// a tool bar with more menu buttons than fit, so it scrolls; group boxes with a
// check box, rolled up and ready to roll; a panel with a background picture holding
// a transparent one; a plain skinned panel and one drawn without a skin; and a
// status bar with a size grip.
class GalleryForm : public TForm {
public:
    GalleryForm(TComponent* owner, const std::string& skin_file);

    TvxSkinData* Store() const { return m_store; }
    TvxSkinToolBar* ToolBar() const { return m_tool_bar; }
    TvxSkinStatusBar* StatusBar() const { return m_status_bar; }

protected:
    void Dispatch(TMessage& message) override;

private:
    void MakeToolBar();
    void MakePanels();
    // Loads the skin file into the stored skin; false, with the reason on stderr,
    // when it cannot be read.
    bool LoadSkin(TvxCompressedStoredSkin& stored, const std::string& skin_file);

    TvxSkinData* m_store = nullptr;
    TvxSkinToolBar* m_tool_bar = nullptr;
    TvxSkinPopupMenu* m_menu = nullptr;
    TvxSkinStatusBar* m_status_bar = nullptr;
};

} // namespace tessel::gallery
