#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// Writes indented JSON. Short arrays of numbers (rectangles, points) stay on one line.
class TJsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);
    void String(std::string_view value);
    void Number(long long value);
    void Bool(bool value);
    void Null();
    // An array of numbers on one line.
    void Numbers(std::initializer_list<long long> values);
    void Strings(const std::vector<std::string>& values);

    const std::string& Text() const { return m_out; }

private:
    void BeforeValue();
    void Close(char bracket);
    void NewLine();
    static std::string Quote(std::string_view text);

    std::string m_out;
    std::vector<bool> m_has_items; // per open container: something written already
    bool m_after_key = false;
};

} // namespace tessel
