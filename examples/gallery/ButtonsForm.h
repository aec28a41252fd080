#pragma once

#include <tessel/framework/TForm.h>

#include <string>

namespace tessel::gallery {

// Skinned push buttons on a skinned window: the looks (normal, disabled, default),
// a glyph in each of the four layouts, three grouped buttons, and a button that
// counts its clicks while it is held.
class ButtonsForm : public TForm {
public:
    ButtonsForm(TComponent* owner, const std::string& skin_file);

    int Held() const { return m_held; }

private:
    int m_held = 0;
};

} // namespace tessel::gallery
