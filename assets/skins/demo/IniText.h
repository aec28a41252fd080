#pragma once

#include "tessel/platform/TRect.h"

#include <string>

namespace tessel::demo {

// Writes INI text in the order the keys are first given, CR LF line ends.
class IniText {
public:
    void Section(const std::string& name);
    void Key(const std::string& key, const std::string& value);
    void Key(const std::string& key, const char* value) { Key(key, std::string(value)); }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    void Key(const std::string& key, const TRect& r);
    void Key(const std::string& key, const TPoint& p);
    void Flag(const std::string& key, bool value) { Key(key, value ? "1" : "0"); }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    size_t m_section = 0; // where the current section's keys begin
};

} // namespace tessel::demo
