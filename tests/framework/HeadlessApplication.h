#pragma once

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TForm.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <gtest/gtest.h>

namespace tessel::test {

// A fresh virtual screen and clock and a fresh application for each test; forms
// made with NewForm are owned by the application and go with it.
class HeadlessApplication : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<THeadlessBackend>();
        clock = backend.get();
        wm.SetBackend(std::move(backend));
        Application().Initialize();
    }
    void TearDown() override
    {
        Application().Initialize();
        for (HWND h : std::vector<HWND>(wm.TopLevelWindows()))
            wm.DestroyWindow(h);
    }

    TForm& NewForm(TRect bounds = { 100, 100, 500, 400 })
    {
        TForm& form = Application().CreateForm<TForm>();
        form.SetBoundsRect(bounds);
        return form;
    }
    // Lets the application handle everything waiting, then moves the clock on and
    // handles what fell due.
    void Pump(uint64_t ms = 0)
    {
        Application().ProcessMessages();
        if (ms) {
            clock->Advance(ms);
            Application().ProcessMessages();
        }
    }

    TWindowManager& wm = TWindowManager::Instance();
    THeadlessBackend* clock = nullptr;
};

} // namespace tessel::test
