#include "tessel/framework/TMemoryStream.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TFileStream.h"

#include <algorithm>
#include <cstring>

namespace tessel {

size_t TMemoryStream::Read(void* buffer, size_t count)
{
    if (m_position >= m_bytes.size())
        return 0;
    size_t n = std::min(count, m_bytes.size() - m_position);
    std::memcpy(buffer, m_bytes.data() + m_position, n);
    m_position += n;
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count)
{
    if (count == 0)
        return 0;
    if (m_position + count > m_bytes.size())
        m_bytes.resize(m_position + count);
    std::memcpy(m_bytes.data() + m_position, buffer, count);
    m_position += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t base = 0;
    if (origin == TSeekOrigin::soCurrent)
        base = static_cast<int64_t>(m_position);
    else if (origin == TSeekOrigin::soEnd)
        base = static_cast<int64_t>(m_bytes.size());
    int64_t target = base + offset;
    if (target < 0)
        target = 0;
    m_position = static_cast<size_t>(target);
    return target;
}

void TMemoryStream::SetSize(int64_t size)
{
    m_bytes.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
    m_position = std::min(m_position, m_bytes.size());
}

void TMemoryStream::Clear()
{
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_position = 0;
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    int64_t size = source.Size();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    source.ReadBuffer(bytes.data(), bytes.size());
    m_bytes = std::move(bytes);
    m_position = 0;
}

void TMemoryStream::LoadFromFile(const std::string& file_name)
{
    TFileStream file(file_name, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target) const
{
    target.WriteBuffer(m_bytes.data(), m_bytes.size());
}

void TMemoryStream::SaveToFile(const std::string& file_name) const
{
    TFileStream file(file_name, TFileMode::fmCreate);
    SaveToStream(file);
}

} // namespace tessel
