#include "tessel/platform/TSimd.h"

#include <cstdlib>
#include <cstring>

namespace tessel {

namespace {

enum class TLevel { kNone, kSse2, kAvx2 };

TLevel Level()
{
    static const TLevel level = [] {
#if defined(__x86_64__)
        TLevel best = __builtin_cpu_supports("avx2") ? TLevel::kAvx2 : TLevel::kSse2;
#else
        TLevel best = TLevel::kNone;
#endif
        const char* asked = std::getenv("TESSEL_SIMD");
        if (asked && std::strcmp(asked, "none") == 0)
            return TLevel::kNone;
        if (asked && std::strcmp(asked, "sse2") == 0 && best != TLevel::kNone)
            return TLevel::kSse2;
        return best;
    }();
    return level;
}

} // namespace

bool TSimd::Sse2()
{
    return Level() != TLevel::kNone;
}

bool TSimd::Avx2()
{
    return Level() == TLevel::kAvx2;
}

} // namespace tessel
