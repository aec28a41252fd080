#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessel {

class TStream;

// An ordered list of text lines; lines of the form NAME=value can be looked up by name.
class TStringList {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines)
        : m_lines(lines)
    { }

    int Count() const { return static_cast<int>(m_lines.size()); }
    const std::string& Strings(int index) const;
    void SetStrings(int index, std::string value);
    const std::vector<std::string>& Lines() const { return m_lines; }

    void Add(std::string line) { m_lines.push_back(std::move(line)); }
    void Insert(int index, std::string line);
    void Delete(int index);
    void Clear() { m_lines.clear(); }

    // Index of the first line equal to text, letter case ignored; -1 when none.
    int IndexOf(std::string_view text) const;
    // Index of the first NAME=value line whose name matches, letter case ignored; -1 when none.
    int IndexOfName(std::string_view name) const;
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    // The text after the first "=" of the first line named name, or empty.
    std::string Values(std::string_view name) const;

    // Lines split at CR LF, LF or CR; a last line without a break counts too.
    void SetText(std::string_view text);
    // The lines joined, each followed by the line break.
    std::string Text(std::string_view line_break = "\r\n") const;

    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& file_name);
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::string& file_name) const;

private:
    std::vector<std::string> m_lines;
};

} // namespace tessel
