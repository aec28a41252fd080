#include "framework/TCustomForm.h"

#include "framework/TScreen.h"

namespace tessel {

TCustomForm::TCustomForm(TComponent* owner)
    : TControl(owner)
{
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm()
{
    Screen().RemoveForm(this);
}

} // namespace tessel
