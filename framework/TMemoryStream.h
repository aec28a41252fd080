#pragma once

#include "tessel/framework/TStream.h"

#include <vector>

namespace tessel {

// A stream over a growable byte buffer that it owns.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes)
        : m_bytes(std::move(bytes))
    { }

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(m_bytes.size()); }

    void SetSize(int64_t size);
    void Clear();
    const uint8_t* Memory() const { return m_bytes.data(); }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

    void LoadFromStream(TStream& source);
    void LoadFromFile(const std::string& file_name);
    void SaveToStream(TStream& target) const;
    void SaveToFile(const std::string& file_name) const;

private:
    std::vector<uint8_t> m_bytes;
    size_t m_position = 0;
};

} // namespace tessel
