#include "assets/content/TAvm1Code.h"

namespace tessel::content {

namespace {

void U16(std::string& out, unsigned v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

} // namespace

TAvm1Code& TAvm1Code::Long(uint8_t code, const std::string& payload)
{
    m_bytes += static_cast<char>(code);
    U16(m_bytes, static_cast<unsigned>(payload.size()));
    m_bytes += payload;
    return *this;
}

TAvm1Code& TAvm1Code::Op(TOp op)
{
    m_bytes += static_cast<char>(op);
    return *this;
}

TAvm1Code& TAvm1Code::PushString(const std::string& text)
{
    std::string payload(1, '\0'); // type 0: a string ending in NUL
    payload += text;
    payload += '\0';
    return Long(0x96, payload);
}

TAvm1Code& TAvm1Code::PushInt(int32_t value)
{
    std::string payload(1, '\7'); // type 7: a 32-bit integer
    for (int i = 0; i < 4; ++i)
        payload += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    return Long(0x96, payload);
}

TAvm1Code& TAvm1Code::PushBool(bool value)
{
    std::string payload(1, '\5'); // type 5: a boolean byte
    payload += static_cast<char>(value ? 1 : 0);
    return Long(0x96, payload);
}

TAvm1Code& TAvm1Code::PushNull()
{
    return Long(0x96, std::string(1, '\2'));
}

TAvm1Code& TAvm1Code::GetUrl(const std::string& url, const std::string& target)
{
    std::string payload = url;
    payload += '\0';
    payload += target;
    payload += '\0';
    return Long(0x83, payload);
}

TAvm1Code& TAvm1Code::GetUrlFromStack()
{
    // GetURL2 into a window, without variables.
    return Long(0x9A, std::string(1, '\0'));
}

TAvm1Code& TAvm1Code::Function(const std::vector<std::string>& params, const TAvm1Code& body)
{
    // DefineFunction without a name: the function is pushed. Its body follows it.
    std::string payload(1, '\0');
    U16(payload, static_cast<unsigned>(params.size()));
    for (const std::string& p : params) {
        payload += p;
        payload += '\0';
    }
    U16(payload, static_cast<unsigned>(body.Size()));
    Long(0x9B, payload);
    m_bytes += body.m_bytes;
    return *this;
}

TAvm1Code& TAvm1Code::GotoFrame(int frame)
{
    std::string payload;
    U16(payload, static_cast<unsigned>(frame));
    return Long(0x81, payload);
}

TAvm1Code& TAvm1Code::If(int skip)
{
    std::string payload;
    U16(payload, static_cast<unsigned>(skip));
    return Long(0x9D, payload);
}

TAvm1Code& TAvm1Code::Jump(int skip)
{
    std::string payload;
    U16(payload, static_cast<unsigned>(skip));
    return Long(0x99, payload);
}

TAvm1Code& TAvm1Code::Append(const TAvm1Code& other)
{
    m_bytes += other.m_bytes;
    return *this;
}

} // namespace tessel::content
