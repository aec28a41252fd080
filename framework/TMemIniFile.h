#pragma once

#include "tessel/framework/TStringList.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessel {

// An INI file held in memory.
//
// Lines are trimmed; empty lines and lines starting with ";" are dropped. "[name]"
// opens a section; a repeated name opens a second section, and look-ups find the
// last one. NAME=value lines are keys (name and value trimmed, split at the first
// "="); a line without "=" is kept but can never be found. Sections and keys are
// looked up without regard to letter case; a repeated key is found at its last line.
class TMemIniFile {
public:
    TMemIniFile() = default;
    explicit TMemIniFile(const TStringList& lines) { SetStrings(lines); }

    void SetStrings(const TStringList& lines);
    // The INI back as lines: "[section]", then its lines, then an empty line.
    TStringList GetStrings() const;
    void LoadFromFile(const std::string& file_name);
    void Clear();

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The section names in order of appearance (a repeated section once per occurrence).
    std::vector<std::string> ReadSections() const;
    // The key names of the section that look-ups find.
    std::vector<std::string> ReadSection(std::string_view section) const;
    int SectionCount() const { return static_cast<int>(m_sections.size()); }
    // Number of lines stored in the section that look-ups find (0 when absent).
    int SectionLineCount(std::string_view section) const;

    // The value, or fallback when the section or the key is absent. A present key
    // with an empty value gives the empty string.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

private:
    struct Line {
        std::string key; // empty text and has_key false for a line without "="
        std::string value;
        bool has_key = false;
        std::string raw;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
        std::unordered_map<std::string, size_t> last_line_of_key; // upper-case key → line
    };

    const Section* Find(std::string_view section) const;
    Section& FindOrAdd(std::string_view section);
    void Reindex();

    std::vector<Section> m_sections;
    std::unordered_map<std::string, size_t> m_last_section; // upper-case name → section
};

} // namespace tessel
