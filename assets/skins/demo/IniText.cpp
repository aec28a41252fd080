#include "assets/skins/demo/IniText.h"

namespace tessel::demo {

void IniText::Section(const std::string& name)
{
    if (!m_text.empty())
        m_text += "\r\n";
    m_text += "[" + name + "]\r\n";
    m_section = m_text.size();
}

void IniText::Key(const std::string& key, const std::string& value)
{
    // A key given again in the same section replaces its earlier value, so a writer
    // can lay down a family's keys and then set what one record does differently.
    std::string line = key + "=" + value + "\r\n";
    for (size_t at = m_section; at < m_text.size();) {
        size_t end = m_text.find("\r\n", at) + 2;
        if (m_text.compare(at, key.size() + 1, key + "=") == 0) {
            m_text.replace(at, end - at, line);
            return;
        }
        at = end;
    }
    m_text += line;
}

void IniText::Key(const std::string& key, const TRect& r)
{
    Key(key,
        std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
            + std::to_string(r.bottom));
}

void IniText::Key(const std::string& key, const TPoint& p)
{
    Key(key, std::to_string(p.x) + "," + std::to_string(p.y));
}

} // namespace tessel::demo
