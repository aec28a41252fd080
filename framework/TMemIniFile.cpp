#include "tessel/framework/TMemIniFile.h"

#include "tessel/framework/SysUtils.h"

namespace tessel {

void TMemIniFile::Clear()
{
    m_sections.clear();
    m_last_section.clear();
}

void TMemIniFile::SetStrings(const TStringList& lines)
{
    Clear();
    Section* current = nullptr;
    for (const std::string& text : lines.Lines()) {
        std::string line = Trim(text);
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            m_sections.push_back(Section { Trim(std::string_view(line).substr(1, line.size() - 2)), {}, {} });
            current = &m_sections.back();
            m_last_section[UpperCase(current->name)] = m_sections.size() - 1;
            continue;
        }
        if (!current)
            continue;
        Line entry;
        entry.raw = line;
        size_t eq = line.find('=');
        if (eq != std::string::npos) {
            entry.has_key = true;
            entry.key = Trim(std::string_view(line).substr(0, eq));
            entry.value = Trim(std::string_view(line).substr(eq + 1));
            current->last_line_of_key[UpperCase(entry.key)] = current->lines.size();
        }
        current->lines.push_back(std::move(entry));
    }
}

TStringList TMemIniFile::GetStrings() const
{
    TStringList out;
    for (const Section& s : m_sections) {
        out.Add("[" + s.name + "]");
        for (const Line& l : s.lines)
            out.Add(l.has_key ? l.key + "=" + l.value : l.raw);
        out.Add("");
    }
    return out;
}

void TMemIniFile::LoadFromFile(const std::string& file_name)
{
    TStringList lines;
    lines.LoadFromFile(file_name);
    SetStrings(lines);
}

const TMemIniFile::Section* TMemIniFile::Find(std::string_view section) const
{
    auto it = m_last_section.find(UpperCase(section));
    return it == m_last_section.end() ? nullptr : &m_sections[it->second];
}

TMemIniFile::Section& TMemIniFile::FindOrAdd(std::string_view section)
{
    if (const Section* s = Find(section))
        return const_cast<Section&>(*s);
    m_sections.push_back(Section { std::string(section), {}, {} });
    m_last_section[UpperCase(section)] = m_sections.size() - 1;
    return m_sections.back();
}

void TMemIniFile::Reindex()
{
    m_last_section.clear();
    for (size_t i = 0; i < m_sections.size(); ++i) {
        Section& s = m_sections[i];
        m_last_section[UpperCase(s.name)] = i;
        s.last_line_of_key.clear();
        for (size_t j = 0; j < s.lines.size(); ++j)
            if (s.lines[j].has_key)
                s.last_line_of_key[UpperCase(s.lines[j].key)] = j;
    }
}

bool TMemIniFile::SectionExists(std::string_view section) const
{
    return Find(section) != nullptr;
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    const Section* s = Find(section);
    return s && s->last_line_of_key.count(UpperCase(key)) != 0;
}

std::vector<std::string> TMemIniFile::ReadSections() const
{
    std::vector<std::string> out;
    for (const Section& s : m_sections)
        out.push_back(s.name);
    return out;
}

std::vector<std::string> TMemIniFile::ReadSection(std::string_view section) const
{
    std::vector<std::string> out;
    if (const Section* s = Find(section))
        for (const Line& l : s->lines)
            if (l.has_key)
                out.push_back(l.key);
    return out;
}

int TMemIniFile::SectionLineCount(std::string_view section) const
{
    const Section* s = Find(section);
    return s ? static_cast<int>(s->lines.size()) : 0;
}

std::string TMemIniFile::ReadString(
    std::string_view section, std::string_view key, std::string_view fallback) const
{
    const Section* s = Find(section);
    if (!s)
        return std::string(fallback);
    auto it = s->last_line_of_key.find(UpperCase(key));
    if (it == s->last_line_of_key.end())
        return std::string(fallback);
    return s->lines[it->second].value;
}

int32_t TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const
{
    const Section* s = Find(section);
    if (!s)
        return fallback;
    auto it = s->last_line_of_key.find(UpperCase(key));
    if (it == s->last_line_of_key.end())
        return fallback;
    return StrToIntDef(s->lines[it->second].value, fallback);
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const
{
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& s = FindOrAdd(section);
    std::string upper = UpperCase(key);
    auto it = s.last_line_of_key.find(upper);
    if (it != s.last_line_of_key.end()) {
        s.lines[it->second].value = std::string(value);
        return;
    }
    Line entry { std::string(key), std::string(value), true, {} };
    s.last_line_of_key[upper] = s.lines.size();
    s.lines.push_back(std::move(entry));
}

void TMemIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TMemIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::EraseSection(std::string_view section)
{
    std::string upper = UpperCase(section);
    std::erase_if(m_sections, [&](const Section& s) { return UpperCase(s.name) == upper; });
    Reindex();
}

void TMemIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    const Section* found = Find(section);
    if (!found)
        return;
    Section& s = const_cast<Section&>(*found);
    std::string upper = UpperCase(key);
    std::erase_if(s.lines, [&](const Line& l) { return l.has_key && UpperCase(l.key) == upper; });
    Reindex();
}

} // namespace tessel
