#pragma once

#include "framework/TControl.h"

namespace tessel {

// A form: a top-level control listed by the screen from its creation to its
// destruction. The window system gives it its window later.
class TCustomForm : public TControl {
public:
    explicit TCustomForm(TComponent* owner = nullptr);
    ~TCustomForm() override;

    const char* ClassName() const override { return "TCustomForm"; }
};

} // namespace tessel
