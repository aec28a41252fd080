#include "assets/content/TSwfWriter.h"

#include <algorithm>
#include <cstdlib>

namespace tessel::content {

namespace {

constexpr int kTwips = 20;

void U16(std::string& out, unsigned v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void U32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Bits a signed value needs, sign included.
int SignedBits(int v)
{
    int bits = 1;
    while (v < -(1 << (bits - 1)) || v >= (1 << (bits - 1)))
        ++bits;
    return bits;
}

} // namespace

// Bit fields, most significant bit first, padded to a byte at the end.
class TSwfWriter::TBits {
public:
    void Put(uint32_t value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) {
            m_current = static_cast<uint8_t>((m_current << 1) | ((value >> i) & 1));
            if (++m_used == 8)
                Flush();
        }
    }
    void PutSigned(int value, int bits) { Put(static_cast<uint32_t>(value) & ((1u << bits) - 1), bits); }
    std::string Bytes()
    {
        if (m_used > 0) {
            m_current = static_cast<uint8_t>(m_current << (8 - m_used));
            Flush();
        }
        return m_bytes;
    }

private:
    void Flush()
    {
        m_bytes += static_cast<char>(m_current);
        m_current = 0;
        m_used = 0;
    }
    std::string m_bytes;
    uint8_t m_current = 0;
    int m_used = 0;
};

TSwfWriter::TSwfWriter(int width, int height, int frame_rate)
    : m_width(width)
    , m_height(height)
    , m_frame_rate(frame_rate)
{ }

void TSwfWriter::Tag(int code, const std::string& body)
{
    if (body.size() < 63)
        U16(m_tags, static_cast<unsigned>(code << 6 | static_cast<int>(body.size())));
    else {
        U16(m_tags, static_cast<unsigned>(code << 6 | 0x3F));
        U32(m_tags, static_cast<uint32_t>(body.size()));
    }
    m_tags += body;
}

std::string TSwfWriter::Matrix(int x, int y)
{
    TBits b;
    b.Put(0, 1); // no scale
    b.Put(0, 1); // no rotation
    int bits = std::max(SignedBits(x * kTwips), SignedBits(y * kTwips));
    b.Put(static_cast<uint32_t>(bits), 5);
    b.PutSigned(x * kTwips, bits);
    b.PutSigned(y * kTwips, bits);
    return b.Bytes();
}

void TSwfWriter::SetBackground(TRgb c)
{
    Tag(9, std::string { static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b) });
}

uint16_t TSwfWriter::DefineRectangle(int x, int y, int w, int h, TRgb c)
{
    uint16_t id = m_next_id++;
    std::string body;
    U16(body, id);
    int x0 = x * kTwips, y0 = y * kTwips, x1 = (x + w) * kTwips, y1 = (y + h) * kTwips;
    TBits bounds;
    int rbits = std::max({ SignedBits(x0), SignedBits(x1), SignedBits(y0), SignedBits(y1) });
    bounds.Put(static_cast<uint32_t>(rbits), 5);
    for (int v : { x0, x1, y0, y1 })
        bounds.PutSigned(v, rbits);
    body += bounds.Bytes();
    // One solid fill style, no line styles.
    body += static_cast<char>(1);
    body += static_cast<char>(0x00);
    body += { static_cast<char>(c.r), static_cast<char>(c.g), static_cast<char>(c.b) };
    body += static_cast<char>(0);
    TBits shape;
    shape.Put(1, 4); // fill bits
    shape.Put(0, 4); // line bits
    // Style change: move to the top-left corner, fill style 1 on the right of the path.
    int mbits = std::max(SignedBits(x0), SignedBits(y0));
    shape.Put(0, 1);
    shape.Put(0b00101, 5);
    shape.Put(static_cast<uint32_t>(mbits), 5);
    shape.PutSigned(x0, mbits);
    shape.PutSigned(y0, mbits);
    shape.Put(1, 1);
    // Clockwise on the screen: right, down, left, up.
    auto edge = [&](bool vertical, int delta) {
        int bits = std::max(2, SignedBits(delta));
        shape.Put(1, 1); // edge
        shape.Put(1, 1); // straight
        shape.Put(static_cast<uint32_t>(bits - 2), 4);
        shape.Put(0, 1); // not general: horizontal or vertical
        shape.Put(vertical ? 1 : 0, 1);
        shape.PutSigned(delta, bits);
    };
    edge(false, x1 - x0);
    edge(true, y1 - y0);
    edge(false, x0 - x1);
    edge(true, y0 - y1);
    shape.Put(0, 6); // end of shape
    body += shape.Bytes();
    Tag(2, body);
    return id;
}

std::string TSwfWriter::ButtonHead(uint16_t id, uint16_t up_shape, uint16_t down_shape)
{
    std::string records;
    auto record = [&](uint8_t states, uint16_t shape) {
        records += static_cast<char>(states);
        U16(records, shape);
        U16(records, 1); // depth
        records += Matrix(0, 0);
        records += static_cast<char>(0); // colour transform without terms
    };
    // States: hit 8, down 4, over 2, up 1.
    record(0x01 | 0x02 | 0x08, up_shape);
    record(0x04, down_shape);
    records += static_cast<char>(0);
    std::string head;
    U16(head, id);
    head += static_cast<char>(0); // not a menu button
    // The offset from here to the first condition.
    U16(head, static_cast<unsigned>(2 + records.size()));
    return head + records;
}

uint16_t TSwfWriter::DefineButton(uint16_t up_shape, uint16_t down_shape, const std::string& on_click)
{
    uint16_t id = m_next_id++;
    std::string body = ButtonHead(id, up_shape, down_shape);
    // Released over the button (OverDownToOverUp), the one condition.
    U16(body, 0);
    body += static_cast<char>(0x08);
    body += static_cast<char>(0x00);
    body += on_click;
    body += static_cast<char>(0);
    Tag(34, body);
    return id;
}

uint16_t TSwfWriter::DefineVideo(int width, int height, int frames)
{
    uint16_t id = m_next_id++;
    std::string body;
    U16(body, id);
    U16(body, static_cast<unsigned>(frames));
    U16(body, static_cast<unsigned>(width));
    U16(body, static_cast<unsigned>(height));
    body += static_cast<char>(0); // no deblocking, no smoothing
    body += static_cast<char>(3); // screen video
    Tag(60, body);
    return id;
}

void TSwfWriter::PlaceNamed(uint16_t depth, uint16_t character, const std::string& name, int x, int y)
{
    std::string body;
    body += static_cast<char>(0x02 | 0x04 | 0x20); // has character, matrix and name
    U16(body, depth);
    U16(body, character);
    body += Matrix(x, y);
    body += name;
    body += static_cast<char>(0);
    Tag(26, body);
}

uint16_t TSwfWriter::DefineButton(uint16_t up_shape, uint16_t down_shape, TAction on_press, char key)
{
    uint16_t id = m_next_id++;
    std::string body = ButtonHead(id, up_shape, down_shape);
    // Pressed over the button (OverUpToOverDown); then, when given, the key press
    // (its code in the upper seven bits of the second flag byte). Each condition's
    // size field holds the offset to the next one, 0 for the last.
    U16(body, key ? 6 : 0);
    body += static_cast<char>(0x04);
    body += static_cast<char>(0x00);
    body += static_cast<char>(on_press);
    body += static_cast<char>(0);
    if (key) {
        U16(body, 0);
        body += static_cast<char>(0x00);
        body += static_cast<char>(static_cast<uint8_t>(key) << 1);
        body += static_cast<char>(on_press);
        body += static_cast<char>(0);
    }
    Tag(34, body);
    return id;
}

void TSwfWriter::Place(uint16_t depth, uint16_t character, int x, int y)
{
    // The character replaces what stood at the depth.
    std::string remove;
    U16(remove, depth);
    Tag(28, remove);
    std::string body;
    body += static_cast<char>(0x02 | 0x04); // has character, has matrix
    U16(body, depth);
    U16(body, character);
    body += Matrix(x, y);
    Tag(26, body);
}

void TSwfWriter::Move(uint16_t depth, int x, int y)
{
    std::string body;
    body += static_cast<char>(0x01 | 0x04); // move, has matrix
    U16(body, depth);
    body += Matrix(x, y);
    Tag(26, body);
}

void TSwfWriter::Actions(const std::vector<TAction>& actions)
{
    std::string body;
    for (TAction a : actions)
        body += static_cast<char>(a);
    body += static_cast<char>(0);
    Tag(12, body);
}

void TSwfWriter::Code(const std::string& code)
{
    Tag(12, code + std::string(1, '\0'));
}

void TSwfWriter::ShowFrame()
{
    Tag(1, {});
    ++m_frames;
}

std::string TSwfWriter::Finish()
{
    Tag(0, {});
    TBits frame;
    int w = m_width * kTwips, h = m_height * kTwips;
    int bits = std::max(SignedBits(w), SignedBits(h));
    frame.Put(static_cast<uint32_t>(bits), 5);
    for (int v : { 0, w, 0, h })
        frame.PutSigned(v, bits);
    std::string header = frame.Bytes();
    U16(header, static_cast<unsigned>(m_frame_rate << 8));
    U16(header, static_cast<unsigned>(m_frames));
    std::string file = "FWS";
    file += static_cast<char>(10);
    U32(file, static_cast<uint32_t>(8 + header.size() + m_tags.size()));
    return file + header + m_tags;
}

} // namespace tessel::content
