#pragma once

#include "tessel/framework/TStream.h"

#include <memory>

namespace tessel {

// Inflates one zlib stream read from a source stream, through a 4,096-byte input
// buffer. A corrupt or truncated stream raises EZDecompressionError.
class TZDecompressionStream : public TStream {
public:
    explicit TZDecompressionStream(TStream& source);
    ~TZDecompressionStream() override;

    // Returns 0 once the zlib stream has ended.
    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void*, size_t) override;
    // Only telling the position is supported.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace tessel
