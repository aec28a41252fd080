#include "framework/TControl.h"

namespace tessel {

TControl::TControl(TComponent* owner)
    : TComponent(owner)
    , m_window_proc([this](TMessage& m) { WndProc(m); })
{ }

LRESULT TControl::Perform(uint32_t msg, WPARAM wparam, LPARAM lparam)
{
    TMessage message { msg, wparam, lparam, 0 };
    m_window_proc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    Dispatch(message);
}

void TControl::Dispatch(TMessage& message)
{
    DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&)
{ }

} // namespace tessel
