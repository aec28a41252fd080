#pragma once

#include "tessel/framework/TStream.h"

#include <memory>

namespace tessel {

// Compresses what is written to it into a target stream as one zlib stream,
// through a 4,096-byte buffer. The stream is finished by Finish or destruction.
class TZCompressionStream : public TStream {
public:
    // Level 9 is the best compression; skins are packed at it.
    TZCompressionStream(TStream& target, int level = 9);
    ~TZCompressionStream() override;

    size_t Read(void*, size_t) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void Finish();

    // Compresses all of source (from its start) into target.
    static void CompressStream(TStream& source, TStream& target, int level = 9);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace tessel
