#pragma once

#include "tessel/framework/TMenu.h"

namespace tessel {

// A form's main menu: its top-level items are the bar's entries, its commands and
// shortcuts reach the form.
class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
    const char* ClassName() const override { return "TMainMenu"; }
};

} // namespace tessel
