#pragma once

#include <cstdint>

namespace tessel {

// The row loops of the effect bitmap's hot effects: a plain reference loop, which
// is the rule (floating point, rounded half to even), and a fast loop that the tests
// prove byte-identical to it. The fast loop works in integers the compiler can
// vectorise and falls back to the rule only where the integers cannot decide.
class TvxEffectRows {
public:
    // a[i] := round((1 - k) a[i] + k b[i]), clamped, for n bytes.
    static void Blend(uint8_t* a, const uint8_t* b, int n, double k);
    static void BlendReference(uint8_t* a, const uint8_t* b, int n, double k);
};

} // namespace tessel
