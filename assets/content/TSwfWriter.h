#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel::content {

struct TRgb {
    uint8_t r, g, b;
};

// Writes uncompressed SWF movies (version 10) tag by tag: solid rectangles as
// shapes, buttons with a press action, placement, frames and frame actions. Sizes
// and positions are in pixels; the file holds twips (1/20 pixel).
class TSwfWriter {
public:
    // Single-byte frame and button actions.
    enum TAction : uint8_t { acNextFrame = 0x04, acPlay = 0x06, acStop = 0x07 };

    TSwfWriter(int width, int height, int frame_rate);

    void SetBackground(TRgb color);
    // A shape of one solid rectangle (x, y, w, h) in the colour; returns its id.
    uint16_t DefineRectangle(int x, int y, int w, int h, TRgb color);
    // A button showing up_shape, and down_shape while pressed, that runs the action
    // when pressed, and also when the key (an ASCII code, 0 for none) is pressed
    // anywhere in the movie; returns its id.
    uint16_t DefineButton(uint16_t up_shape, uint16_t down_shape, TAction on_press, char key = 0);
    // A button that runs the byte code (without the end mark) when released over it,
    // as a click does.
    uint16_t DefineButton(uint16_t up_shape, uint16_t down_shape, const std::string& on_click);
    // A video of the size with room for the frames, for screen video (as a stream
    // plays it); returns its id.
    uint16_t DefineVideo(int width, int height, int frames);
    // Places the character at depth, moved by (x, y); replaces what was there.
    void Place(uint16_t depth, uint16_t character, int x = 0, int y = 0);
    // Places the character under an instance name, so that code reaches it.
    void PlaceNamed(uint16_t depth, uint16_t character, const std::string& name, int x = 0, int y = 0);
    // Moves what stands at depth to (x, y).
    void Move(uint16_t depth, int x, int y);
    void Actions(const std::vector<TAction>& actions);
    // Frame actions as byte code (without the end mark).
    void Code(const std::string& code);
    void ShowFrame();
    // The whole file, with the End tag.
    std::string Finish();

private:
    class TBits;
    void Tag(int code, const std::string& body);
    static std::string Matrix(int x, int y);
    // A button's id, kind, its shapes (up, over and hit; down) and the offset to its
    // conditions.
    std::string ButtonHead(uint16_t id, uint16_t up_shape, uint16_t down_shape);

    int m_width, m_height, m_frame_rate;
    int m_frames = 0;
    uint16_t m_next_id = 1;
    std::string m_tags;
};

} // namespace tessel::content
