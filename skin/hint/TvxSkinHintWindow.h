#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/THintWindow.h"
#include "tessel/skin/hint/TvxHintFrame.h"

#include <string>

namespace tessel {

class TImageList;
class TvxSkinHint;

// The application's hint window while a skinned hint component serves: drawn from
// the skin's HINTWINDOW frame (or the built-in box), with an optional bold title and
// image, shaped by the frame's mask, translucent as the component says.
class TvxSkinHintWindow : public THintWindow {
public:
    explicit TvxSkinHintWindow(TComponent* owner = nullptr);

    // Shows the hint with its top-left at rect's, sized to the text; nothing without
    // an active hint component on the main form.
    void ActivateHint(const TRect& rect, const std::string& hint) override;
    // The same for the given component's settings, hanging below point by below pixels.
    void ActivateWith(TvxSkinHint& settings, TPoint point, int below, const std::string& hint);
    // The hint's text as shown, lines broken at the separator.
    const std::string& ShownText() const { return m_text; }
    const TvxHintFrame& Frame() const { return m_frame; }

    const char* ClassName() const override { return "TvxSkinHintWindow"; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    // The text box and, for a rich hint, the title's.
    void Measure(TPoint& text_box, TPoint& title_box);

    TvxSkinHint* m_settings = nullptr;
    TvxHintFrame m_frame;
    std::string m_text;
    std::string m_title;
    TImageList* m_images = nullptr;
    int m_image_index = -1;
    bool m_rich = false;
    bool m_layered = false;
    TBitmap m_under;
};

} // namespace tessel
