#include "assets/skins/demo/IniText.h"

namespace tessel::demo {

void IniText::Section(const std::string& name)
{
    if (!m_text.empty())
        m_text += "\r\n";
    m_text += "[" + name + "]\r\n";
}

void IniText::Key(const std::string& key, const std::string& value)
{
    m_text += key + "=" + value + "\r\n";
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
