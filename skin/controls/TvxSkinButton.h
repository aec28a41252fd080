#pragma once

#include "tessel/framework/TCustomForm.h"
#include "tessel/skin/controls/TvxButtonControl.h"

namespace tessel {

// The skinned push button, drawn from a "button" record: the looks, morph,
// animation, glyphs and button state of every skinned button, plus the focus, the
// keyboard, and the Default, Cancel and ModalResult roles of a dialog's button.
// OnClick fires only from ButtonClick. Without a record it draws its built-in look.
class TvxSkinButton : public TvxButtonControl<TvxSkinCustomControl> {
public:
    explicit TvxSkinButton(TComponent* owner = nullptr);

    bool CanFocused() const { return m_can_focused; }
    void SetCanFocused(bool value);
    // A grouped button takes no focus.
    void SetGroupIndex(int index);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    // Copied to the parent form on a click.
    TModalResult ModalResult() const { return m_modal_result; }
    void SetModalResult(TModalResult result) { m_modal_result = result; }
    bool DefaultActive() const { return m_default_active; }

    void ButtonClick() override;
    // The caption's accelerator was typed: take the focus and click. False when the
    // button cannot take the focus.
    virtual bool Accelerate();

    const char* ClassName() const override { return "TvxSkinButton"; }

protected:
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void UpdateRegion() override;
    void ShapeChanged() override { UpdateRegion(); }
    bool FocusedAndCanFocused() const override { return m_can_focused && Focused(); }
    bool KeepsHotOnLeave() const override;

    bool m_space_presses = true;

private:
    void FocusChanged(TControl* focus);

    bool m_can_focused = true;
    bool m_cancel = false;
    bool m_default = false;
    bool m_default_active = false;
    TModalResult m_modal_result = mrNone;
};

} // namespace tessel
