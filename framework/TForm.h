#pragma once

#include "tessel/framework/TCustomForm.h"

namespace tessel {

// The form class programs derive their forms from.
class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    const char* ClassName() const override { return "TForm"; }
};

} // namespace tessel
