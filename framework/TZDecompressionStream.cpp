#include "tessel/framework/TZDecompressionStream.h"

#include "tessel/framework/Exception.h"

#include <zlib.h>

namespace tessel {

namespace {
constexpr size_t kBufferSize = 4096;
}

struct TZDecompressionStream::State {
    TStream& source;
    z_stream z {};
    unsigned char buffer[kBufferSize];
    int64_t total_out = 0;
    bool ended = false;
    explicit State(TStream& s)
        : source(s)
    { }
};

TZDecompressionStream::TZDecompressionStream(TStream& source)
    : m_state(std::make_unique<State>(source))
{
    if (inflateInit(&m_state->z) != Z_OK)
        throw EZDecompressionError("cannot start inflate");
}

TZDecompressionStream::~TZDecompressionStream()
{
    inflateEnd(&m_state->z);
}

size_t TZDecompressionStream::Read(void* buffer, size_t count)
{
    State& s = *m_state;
    if (s.ended || count == 0)
        return 0;
    s.z.next_out = static_cast<Bytef*>(buffer);
    s.z.avail_out = static_cast<uInt>(count);
    while (s.z.avail_out > 0) {
        if (s.z.avail_in == 0) {
            size_t n = s.source.Read(s.buffer, kBufferSize);
            if (n == 0)
                throw EZDecompressionError("unexpected end of data");
            s.z.next_in = s.buffer;
            s.z.avail_in = static_cast<uInt>(n);
        }
        int rc = inflate(&s.z, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) {
            s.ended = true;
            break;
        }
        if (rc != Z_OK)
            throw EZDecompressionError(s.z.msg ? s.z.msg : "corrupt data");
    }
    size_t done = count - s.z.avail_out;
    s.total_out += static_cast<int64_t>(done);
    return done;
}

size_t TZDecompressionStream::Write(const void*, size_t)
{
    throw EZDecompressionError("a decompression stream cannot be written");
}

int64_t TZDecompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    if (offset == 0 && origin == TSeekOrigin::soCurrent)
        return m_state->total_out;
    throw EZDecompressionError("a decompression stream cannot seek");
}

} // namespace tessel
