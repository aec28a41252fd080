#pragma once

#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessel::test {

// A fresh virtual screen and clock for each test, and windows that write down
// the messages they get.
class HeadlessWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<THeadlessBackend>();
        clock = backend.get();
        wm.SetBackend(std::move(backend));
    }
    void TearDown() override
    {
        for (HWND h : std::vector<HWND>(wm.TopLevelWindows()))
            wm.DestroyWindow(h);
    }

    // A window whose procedure writes down every message as "name:number" and passes it on.
    HWND Logged(const std::string& name, TRect rect, HWND parent = 0, uint32_t style = WS_VISIBLE,
        uint32_t ex_style = 0, uint32_t class_style = 0)
    {
        TWindowParams p;
        p.style = style | (parent ? WS_CHILD : 0);
        p.ex_style = ex_style;
        p.class_style = class_style;
        p.rect = rect;
        p.parent = parent;
        p.proc = [this, name](HWND h, uint32_t m, WPARAM w, LPARAM l) {
            log.push_back(name + ":" + std::to_string(m));
            return wm.DefWindowProc(h, m, w, l);
        };
        return wm.CreateWindowEx(p);
    }

    static std::string M(const std::string& name, uint32_t m) { return name + ":" + std::to_string(m); }

    // The entries of the log that are one of the given messages, in order.
    std::vector<std::string> Only(const std::vector<uint32_t>& messages) const
    {
        std::vector<std::string> out;
        for (const std::string& entry : log) {
            uint32_t m = static_cast<uint32_t>(std::stoul(entry.substr(entry.find(':') + 1)));
            for (uint32_t wanted : messages)
                if (m == wanted)
                    out.push_back(entry);
        }
        return out;
    }

    TWindowManager& wm = TWindowManager::Instance();
    THeadlessBackend* clock = nullptr;
    // A window procedure that fills the client area with colour on WM_PAINT.
    WNDPROC Painter(uint32_t colour)
    {
        return [this, colour](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_PAINT) {
                wm.BeginPaint(h);
                if (auto dc = wm.GetDC(h))
                    dc->FillRect(wm.GetClientRect(h), colour);
                return 0;
            }
            return wm.DefWindowProc(h, m, w, l);
        };
    }
    // A painted window: a child of parent when one is given.
    HWND Painted(TRect rect, uint32_t colour, HWND parent = 0)
    {
        TWindowParams p;
        p.style = WS_VISIBLE | (parent ? WS_CHILD : 0);
        p.parent = parent;
        p.rect = rect;
        p.proc = Painter(colour);
        return wm.CreateWindowEx(p);
    }

    std::vector<std::string> log;
};

} // namespace tessel::test
