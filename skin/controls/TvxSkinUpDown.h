#pragma once

#include "tessel/skin/controls/TvxSkinCustomControl.h"

#include <array>
#include <memory>

namespace tessel {

class TTimer;

// Two arrow buttons that step Position within Min ... Max by Increment: once per
// click (at the release) and, while a button is held, first 600 ms after the press
// and then every 100 ms (every 50 ms once the mouse comes back onto a held button).
// Drawn from an up-down record ("hupdown", "vupdown") with its buttons' places and
// looks; with UseSkinSize off the control keeps its size, halves itself and draws
// each half from the "resizebutton" record with a pen-drawn arrow.
class TvxSkinUpDown : public TvxSkinCustomControl {
public:
    enum TButton { kUp = 0, kDown = 1, kNone = -1 };
    static constexpr unsigned kFirstDelay = 500, kRepeatInterval = 100, kResumeInterval = 50;

    explicit TvxSkinUpDown(TComponent* owner = nullptr);
    ~TvxSkinUpDown() override;

    bool UseSkinSize() const { return m_use_skin_size; }
    void SetUseSkinSize(bool value);
    TUDOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TUDOrientation orientation);
    // 0 turns stepping and the repeat off; the click events still fire.
    int Increment() const { return m_increment; }
    void SetIncrement(int increment) { m_increment = increment; }
    int Position() const { return m_position; }
    // A value outside Min ... Max is ignored.
    void SetPosition(int position);
    int Min() const { return m_min; }
    void SetMin(int min);
    int Max() const { return m_max; }
    void SetMax(int max);

    // The run-time state: each button's place in the control, its hot and pressed
    // flags, the button held down.
    const TRect& ButtonRect(TButton button) const { return m_buttons[button].rect; }
    bool ButtonHot(TButton button) const { return m_buttons[button].hot; }
    bool ButtonPressed(TButton button) const { return m_buttons[button].pressed; }
    TButton Held() const { return m_held; }
    bool RepeatRunning() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;

    const char* ClassName() const override { return "TvxSkinUpDown"; }

protected:
    void RefreshRecord() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    void FitSize(int& width, int& height) override;
    void UpdateRegion() override;
    void SizeChanged() override;

private:
    struct TButtonState {
        TRect rect;
        bool hot = false;
        bool pressed = false;
    };

    void LayOut();
    void Track(int x, int y);
    void StartRepeat(unsigned interval);
    void StopRepeat();
    void RepeatTick();
    void Step(TButton button);
    // Each button at its own size from the "resizebutton" record.
    void ComposeResizeButtons(TBitmap& image);

    bool m_use_skin_size = true;
    TUDOrientation m_orientation = udHorizontal;
    int m_increment = 1;
    int m_position = 0;
    int m_min = 0;
    int m_max = 100;
    std::array<TButtonState, 2> m_buttons;
    // The record's hot and pressed looks of each button, in its picture.
    std::array<TRect, 2> m_hot_looks, m_pressed_looks;
    TButton m_current = kNone, m_previous = kNone, m_held = kNone;
    TButton m_direction = kNone;
    bool m_first_delay = false;
    std::unique_ptr<TTimer> m_repeat;
};

} // namespace tessel
