#include "tessel/framework/TUtilityWindow.h"

#include "tessel/platform/TWindowManager.h"

namespace tessel {

TUtilityWindow::TUtilityWindow(THandler handler)
    : m_handler(std::move(handler))
{
    TWindowParams params;
    params.style = WS_POPUP;
    params.ex_style = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.proc = [this](HWND hwnd, uint32_t msg, WPARAM wparam, LPARAM lparam) -> LRESULT {
        TMessage message { msg, wparam, lparam, 0 };
        if (m_handler && m_handler(message))
            return message.Result;
        return TWindowManager::Instance().DefWindowProc(hwnd, msg, wparam, lparam);
    };
    m_handle = TWindowManager::Instance().CreateWindowEx(params);
}

TUtilityWindow::~TUtilityWindow()
{
    m_handler = nullptr;
    TWindowManager::Instance().DestroyWindow(m_handle);
}

} // namespace tessel
