#pragma once

#include <tessel/framework/TForm.h>

#include <string>

namespace tessel {
class TvxVeneer;
} // namespace tessel

namespace tessel::gallery {

// A window with a skinned frame of its own, on the demo skin's second form look: one
// frame object of each kind in its bottom band (a gauge of frames, a knob to turn, a
// switch, an animation under the pointer, a counter in the skin's digits and an
// object the program paints), the caption, the close button, and a main menu drawn
// in the frame's menu row.
class ObjectsForm : public TForm {
public:
    ObjectsForm(TComponent* owner, const std::string& skin_file);

    TvxVeneer* Veneer() const { return m_veneer; }
    // The frame gauge's value.
    void SetGauge(int value);

private:
    TvxVeneer* m_veneer = nullptr;
};

} // namespace tessel::gallery
