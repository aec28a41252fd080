#include "tessel/framework/TStream.h"

#include "tessel/framework/Exception.h"

#include <vector>

namespace tessel {

int64_t TStream::Size()
{
    int64_t here = Seek(0, TSeekOrigin::soCurrent);
    int64_t end = Seek(0, TSeekOrigin::soEnd);
    Seek(here, TSeekOrigin::soBeginning);
    return end;
}

void TStream::ReadBuffer(void* buffer, size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError();
}

int32_t TStream::ReadInt32()
{
    uint8_t b[4];
    ReadBuffer(b, 4);
    return static_cast<int32_t>(
        uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

uint8_t TStream::ReadByte()
{
    uint8_t b;
    ReadBuffer(&b, 1);
    return b;
}

void TStream::WriteInt32(int32_t value)
{
    uint32_t v = static_cast<uint32_t>(value);
    uint8_t b[4] = { uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24) };
    WriteBuffer(b, 4);
}

void TStream::WriteByte(uint8_t value)
{
    WriteBuffer(&value, 1);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<uint8_t> buffer(64 * 1024);
    int64_t left = count;
    while (left > 0) {
        size_t n = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(buffer.size())));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= static_cast<int64_t>(n);
    }
    return count;
}

} // namespace tessel
