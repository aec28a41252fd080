#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessel {

class TStream;

// The header of a content package: the number of entries, their sizes and their
// stored names, 26,004 bytes kept exactly as they were read.
class TContentTable {
public:
    static constexpr int kSlots = 100;
    static constexpr int kNameSlot = 256;
    static constexpr size_t kHeaderSize = 4 + 4 * kSlots + kNameSlot * kSlots;

    // The entry count as stored; 0 or less means none.
    int32_t FileCount() const;
    // The entries that are unpacked: FileCount held within 0 and the slot count.
    int Entries() const;
    int32_t FileSize(int index) const;
    // The stored name's bytes, in the Windows ANSI code page, as stored.
    std::string StoredName(int index) const;

    void SetFileCount(int32_t count);
    void SetEntry(int index, const std::string& stored_name, int32_t size);

    // Reads the header; raises "Stream read error" when fewer bytes arrive, keeping
    // the bytes that did.
    void Read(TStream& stream);
    const uint8_t* Bytes() const { return m_bytes.data(); }
    uint8_t* Bytes() { return m_bytes.data(); }

private:
    std::array<uint8_t, kHeaderSize> m_bytes {};
};

} // namespace tessel
