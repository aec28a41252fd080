#include "tessel/framework/TZCompressionStream.h"

#include "tessel/framework/Exception.h"

#include <zlib.h>

namespace tessel {

namespace {
constexpr size_t kBufferSize = 4096;
}

struct TZCompressionStream::State {
    TStream& target;
    z_stream z {};
    unsigned char buffer[kBufferSize];
    int64_t total_in = 0;
    bool finished = false;
    explicit State(TStream& t)
        : target(t)
    { }
};

TZCompressionStream::TZCompressionStream(TStream& target, int level)
    : m_state(std::make_unique<State>(target))
{
    if (deflateInit(&m_state->z, level) != Z_OK)
        throw EZCompressionError("cannot start deflate");
}

TZCompressionStream::~TZCompressionStream()
{
    try {
        Finish();
    } catch (...) {
        // A destructor cannot report the error; Finish reports it to callers that ask.
    }
    deflateEnd(&m_state->z);
}

size_t TZCompressionStream::Read(void*, size_t)
{
    throw EZCompressionError("a compression stream cannot be read");
}

size_t TZCompressionStream::Write(const void* buffer, size_t count)
{
    if (m_state->finished)
        throw EZCompressionError("write after finish");
    z_stream& z = m_state->z;
    z.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
    z.avail_in = static_cast<uInt>(count);
    while (z.avail_in > 0) {
        z.next_out = m_state->buffer;
        z.avail_out = kBufferSize;
        if (deflate(&z, Z_NO_FLUSH) == Z_STREAM_ERROR)
            throw EZCompressionError();
        m_state->target.WriteBuffer(m_state->buffer, kBufferSize - z.avail_out);
    }
    m_state->total_in += static_cast<int64_t>(count);
    return count;
}

int64_t TZCompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    if (offset == 0 && origin == TSeekOrigin::soCurrent)
        return m_state->total_in;
    throw EZCompressionError("a compression stream cannot seek");
}

void TZCompressionStream::Finish()
{
    if (m_state->finished)
        return;
    m_state->finished = true;
    z_stream& z = m_state->z;
    z.next_in = nullptr;
    z.avail_in = 0;
    int rc;
    do {
        z.next_out = m_state->buffer;
        z.avail_out = kBufferSize;
        rc = deflate(&z, Z_FINISH);
        if (rc == Z_STREAM_ERROR)
            throw EZCompressionError();
        m_state->target.WriteBuffer(m_state->buffer, kBufferSize - z.avail_out);
    } while (rc != Z_STREAM_END);
}

void TZCompressionStream::CompressStream(TStream& source, TStream& target, int level)
{
    TZCompressionStream z(target, level);
    z.CopyFrom(source, 0);
    z.Finish();
}

} // namespace tessel
