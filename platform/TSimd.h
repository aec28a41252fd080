#pragma once

namespace tessel {

// Which vector paths the raster operations and the drawing kit take: the best the
// processor has, unless the environment variable TESSEL_SIMD (read once) asks for
// less: "sse2" leaves AVX2 out, "none" every vector path. The tests run once on
// each, so every fast path is proved equal to its reference on this machine, not
// only the one it would pick.
class TSimd {
public:
    static bool Sse2();
    static bool Avx2();
};

} // namespace tessel
