#include "app/content/TContentTable.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TStream.h"

#include <algorithm>
#include <cstring>

namespace tessel {

namespace {

constexpr size_t kSizesAt = 4;
constexpr size_t kNamesAt = kSizesAt + 4 * TContentTable::kSlots;

int32_t Get32(const uint8_t* p)
{
    return static_cast<int32_t>(
        uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void Put32(uint8_t* p, int32_t value)
{
    auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

bool InSlots(int index)
{
    return index >= 0 && index < TContentTable::kSlots;
}

} // namespace

int32_t TContentTable::FileCount() const
{
    return Get32(m_bytes.data());
}

int TContentTable::Entries() const
{
    return std::clamp(FileCount(), 0, kSlots);
}

int32_t TContentTable::FileSize(int index) const
{
    return InSlots(index) ? Get32(m_bytes.data() + kSizesAt + 4 * static_cast<size_t>(index)) : 0;
}

std::string TContentTable::StoredName(int index) const
{
    if (!InSlots(index))
        return {};
    const uint8_t* slot = m_bytes.data() + kNamesAt + kNameSlot * static_cast<size_t>(index);
    return std::string(reinterpret_cast<const char*>(slot + 1), slot[0]);
}

void TContentTable::SetFileCount(int32_t count)
{
    Put32(m_bytes.data(), count);
}

void TContentTable::SetEntry(int index, const std::string& stored_name, int32_t size)
{
    if (!InSlots(index))
        return;
    Put32(m_bytes.data() + kSizesAt + 4 * static_cast<size_t>(index), size);
    uint8_t* slot = m_bytes.data() + kNamesAt + kNameSlot * static_cast<size_t>(index);
    std::memset(slot, 0, kNameSlot);
    size_t length = std::min<size_t>(stored_name.size(), kNameSlot - 1);
    slot[0] = static_cast<uint8_t>(length);
    std::memcpy(slot + 1, stored_name.data(), length);
}

void TContentTable::Read(TStream& stream)
{
    if (stream.Read(m_bytes.data(), kHeaderSize) != kHeaderSize)
        throw EReadError();
}

} // namespace tessel
