#pragma once

#include "framework/TComponent.h"
#include "platform/TMessage.h"

#include <functional>

namespace tessel {

// The message-handling core of a control. A message goes to WindowProc, which a
// component may replace (saving the old one to chain to); the default WindowProc
// is WndProc, which hands the message to Dispatch. A control class handles the
// messages it knows in Dispatch and passes the rest to its parent class, down to
// DefaultHandler.
class TControl : public TComponent {
public:
    using TWndMethod = std::function<void(TMessage&)>;

    explicit TControl(TComponent* owner = nullptr);

    LRESULT Perform(uint32_t msg, WPARAM wparam = 0, LPARAM lparam = 0);

    const TWndMethod& WindowProc() const { return m_window_proc; }
    void SetWindowProc(TWndMethod proc) { m_window_proc = std::move(proc); }

    const char* ClassName() const override { return "TControl"; }

protected:
    virtual void WndProc(TMessage& message);
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

private:
    TWndMethod m_window_proc;
};

} // namespace tessel
