#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TWinControl.h"
#include "tessel/platform/TBackend.h"
#include "tessel/platform/TRect.h"

#include <cstddef>
#include <vector>

namespace tessel {

class TControl;

// The screen: the program's forms front to back (the last activated first), the
// active form and control, the screen's size and monitors, and a cursor that
// overrides every control's while it is set.
class TScreen {
public:
    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TCustomForm* Forms(int index) const { return m_forms.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const { return m_active_form; }
    TWinControl* ActiveControl() const { return m_active_control; }

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int MonitorCount() const;
    TMonitor Monitors(int index) const;

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    // Kept up by the forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void FormActivated(TCustomForm* form);
    void SetActiveControl(TWinControl* control) { m_active_control = control; }
    void ControlRemoved(TControl* control);

private:
    std::vector<TCustomForm*> m_forms;
    TCustomForm* m_active_form = nullptr;
    TWinControl* m_active_control = nullptr;
    TCursor m_cursor = crDefault;
};

// The one screen of the program.
TScreen& Screen();

} // namespace tessel
