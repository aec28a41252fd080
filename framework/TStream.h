#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessel {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// A byte stream with a position. Read and Write move as many bytes as they can
// and say how many; ReadBuffer and WriteBuffer move all or raise.
class TStream {
public:
    virtual ~TStream() = default;

    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual int64_t Size();
    int64_t Remaining() { return Size() - Position(); }

    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count);

    int32_t ReadInt32();
    uint8_t ReadByte();
    void WriteInt32(int32_t value);
    void WriteByte(uint8_t value);

    // Copies count bytes from source at its position; a count of 0 copies the
    // whole source from its start. Returns the number of bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

} // namespace tessel
