#pragma once

#include "tessel/framework/TForm.h"
#include "tessel/skin/controls/TvxSkinControls.h"

namespace tessel::test {

// A form that passes the skin store's notices to its skinned controls, as the form
// skin controller does.
class TSkinnedForm : public TForm {
public:
    using TForm::TForm;

protected:
    void Dispatch(TMessage& message) override
    {
        if (!TvxSkinControls::Route(*this, message))
            TForm::Dispatch(message);
    }
};

} // namespace tessel::test
