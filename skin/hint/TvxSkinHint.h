#pragma once

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TImageList.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/hint/TvxSkinHintWindow.h"
#include "tessel/skin/menus/TvxCursorHint.h"

#include <memory>
#include <string>

namespace tessel {

class TTimer;

// Makes the program's hints skinned ones: while it exists the application's hint
// window is a TvxSkinHintWindow, and the hint of a skinned control carries the
// control's title and image. It also shows a text of its own at the cursor on
// request. Of several on the main form one is active.
class TvxSkinHint : public TComponent, public TvxCursorHint {
public:
    explicit TvxSkinHint(TComponent* owner = nullptr);
    ~TvxSkinHint() override;

    const std::string& LineSeparator() const { return m_line_separator; }
    void SetLineSeparator(std::string value) { m_line_separator = std::move(value); }
    TFont& DefaultFont() { return m_default_font; }
    void SetDefaultFont(const TFont& font) { m_default_font.Assign(font); }
    bool UseSkinFont() const { return m_use_skin_font; }
    void SetUseSkinFont(bool value) { m_use_skin_font = value; }
    bool AlphaBlendSupport() const { return m_alpha_blend_support; }
    // Refused (stays off) where the desktop shows no window alpha.
    void SetAlphaBlendSupport(bool value);
    bool AlphaBlend() const { return m_alpha_blend; }
    void SetAlphaBlend(bool value) { m_alpha_blend = value; }
    uint8_t AlphaBlendValue() const { return m_alpha_blend_value; }
    void SetAlphaBlendValue(uint8_t value) { m_alpha_blend_value = value; }
    bool AlphaBlendAnimation() const { return m_alpha_blend_animation; }
    void SetAlphaBlendAnimation(bool value) { m_alpha_blend_animation = value; }
    TvxSkinData* SkinData() const { return m_skin_data; }
    void SetSkinData(TvxSkinData* data);
    bool Active() const { return m_active; }
    // Activating one makes the others on the main form inactive.
    void SetActive(bool value);

    // The title, image and image list of the hint about to show.
    const std::string& Title() const { return m_title; }
    int ImageIndex() const { return m_image_index; }
    TImageList* ImageList() const { return m_image_list; }

    // Shows text at the cursor after the application's hint pause, for its hide pause.
    void ShowCursorHint(const std::string& text) override;
    void HideHint() override;
    TvxSkinHintWindow& Window() const { return *m_window; }

    // The main form's active hint component, or none.
    static TvxSkinHint* Serving();

    TShowHintEvent OnShowHint;

    const char* ClassName() const override { return "TvxSkinHint"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void HandleShowHint(std::string& hint, bool& can_show, THintInfo& info);
    void Hook();
    void OnTimer();
    int CursorHeight() const;

    std::string m_line_separator = "@";
    TFont m_default_font;
    bool m_use_skin_font = true;
    bool m_alpha_blend_support = true;
    bool m_alpha_blend = false;
    uint8_t m_alpha_blend_value = 200;
    bool m_alpha_blend_animation = false;
    TvxSkinData* m_skin_data = nullptr;
    bool m_active = true;
    std::string m_title;
    int m_image_index = 0;
    TImageList* m_image_list = nullptr;
    std::unique_ptr<TvxSkinHintWindow> m_window;
    std::unique_ptr<TTimer> m_timer;
    std::string m_pending;
    bool m_shown_by_timer = false;
};

} // namespace tessel
