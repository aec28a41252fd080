#include "tools/vxskin/TJsonWriter.h"

#include <cstdio>

namespace tessel {

void TJsonWriter::NewLine()
{
    m_out += '\n';
    m_out.append(m_has_items.size() * 2, ' ');
}

void TJsonWriter::BeforeValue()
{
    if (m_after_key) {
        m_after_key = false;
        return;
    }
    if (!m_has_items.empty()) {
        if (m_has_items.back())
            m_out += ',';
        m_has_items.back() = true;
        NewLine();
    }
}

void TJsonWriter::BeginObject()
{
    BeforeValue();
    m_out += '{';
    m_has_items.push_back(false);
}

void TJsonWriter::EndObject()
{
    Close('}');
}

void TJsonWriter::BeginArray()
{
    BeforeValue();
    m_out += '[';
    m_has_items.push_back(false);
}

void TJsonWriter::EndArray()
{
    Close(']');
}

void TJsonWriter::Close(char bracket)
{
    bool had = m_has_items.back();
    m_has_items.pop_back();
    if (had)
        NewLine();
    m_out += bracket;
    if (m_has_items.empty())
        m_out += '\n';
}

void TJsonWriter::Key(std::string_view key)
{
    BeforeValue();
    m_out += Quote(key);
    m_out += ": ";
    m_after_key = true;
}

void TJsonWriter::String(std::string_view value)
{
    BeforeValue();
    m_out += Quote(value);
}

void TJsonWriter::Number(long long value)
{
    BeforeValue();
    m_out += std::to_string(value);
}

void TJsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out += value ? "true" : "false";
}

void TJsonWriter::Null()
{
    BeforeValue();
    m_out += "null";
}

void TJsonWriter::Numbers(std::initializer_list<long long> values)
{
    BeforeValue();
    m_out += '[';
    bool first = true;
    for (long long v : values) {
        if (!first)
            m_out += ',';
        first = false;
        m_out += std::to_string(v);
    }
    m_out += ']';
}

void TJsonWriter::Strings(const std::vector<std::string>& values)
{
    BeforeValue();
    m_out += '[';
    for (size_t i = 0; i < values.size(); ++i) {
        if (i)
            m_out += ", ";
        m_out += Quote(values[i]);
    }
    m_out += ']';
}

std::string TJsonWriter::Quote(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else if (c >= 0x80) {
                // Skin INI texts are single-byte; high bytes are written as the Latin-1 code points.
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

} // namespace tessel
