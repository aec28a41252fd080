#include "tessel/framework/TStringList.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/SysUtils.h"
#include "tessel/framework/TFileStream.h"

namespace tessel {

const std::string& TStringList::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return m_lines[static_cast<size_t>(index)];
}

void TStringList::SetStrings(int index, std::string value)
{
    Strings(index);
    m_lines[static_cast<size_t>(index)] = std::move(value);
}

void TStringList::Insert(int index, std::string line)
{
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    m_lines.insert(m_lines.begin() + index, std::move(line));
}

void TStringList::Delete(int index)
{
    Strings(index);
    m_lines.erase(m_lines.begin() + index);
}

int TStringList::IndexOf(std::string_view text) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameText(m_lines[static_cast<size_t>(i)], text))
            return i;
    return -1;
}

std::string TStringList::Names(int index) const
{
    const std::string& line = Strings(index);
    size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const
{
    const std::string& line = Strings(index);
    size_t eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TStringList::IndexOfName(std::string_view name) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string& line = m_lines[static_cast<size_t>(i)];
        size_t eq = line.find('=');
        if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name))
            return i;
    }
    return -1;
}

std::string TStringList::Values(std::string_view name) const
{
    int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetText(std::string_view text)
{
    m_lines.clear();
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            m_lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        m_lines.emplace_back(text.substr(start));
}

std::string TStringList::Text(std::string_view line_break) const
{
    std::string out;
    for (const auto& line : m_lines) {
        out += line;
        out += line_break;
    }
    return out;
}

void TStringList::LoadFromStream(TStream& stream)
{
    int64_t left = stream.Remaining();
    std::string text(static_cast<size_t>(left > 0 ? left : 0), '\0');
    stream.ReadBuffer(text.data(), text.size());
    SetText(text);
}

void TStringList::LoadFromFile(const std::string& file_name)
{
    TFileStream file(file_name, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TStringList::SaveToStream(TStream& stream) const
{
    std::string text = Text();
    stream.WriteBuffer(text.data(), text.size());
}

void TStringList::SaveToFile(const std::string& file_name) const
{
    TFileStream file(file_name, TFileMode::fmCreate);
    SaveToStream(file);
}

} // namespace tessel
