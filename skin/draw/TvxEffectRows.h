#pragma once

#include <array>
#include <cstdint>

namespace tessel {

// The row loops of the effect bitmap's hot effects: a plain reference loop, which
// is the rule (floating point, rounded half to even), and a fast loop that the tests
// prove byte-identical to it. The fast loop works in integers the compiler can
// vectorise and falls back to the rule only where the integers cannot decide.
class TvxEffectRows {
public:
    // What a blend with one factor needs, worked out once for every row: the
    // factor in 15-bit fixed point and the differences b - a for which that is not
    // sure to round as the rule does (results near a half), which go the rule's way.
    struct TBlendPlan {
        double k = 0;
        uint32_t wa = 0, wb = 0; // 1 - k and k with 23 fraction bits, for the 32-bit loop
        int16_t fixed = 0;
        bool usable = false; // the 16-bit loop may run
        std::array<bool, 511> unsure {}; // indexed by b - a + 255
        int unsure_count = 0;
        std::array<int16_t, 8> unsure_list {};
    };
    // The plan stays valid until eight other factors have been planned.
    static const TBlendPlan& PlanBlend(double k);

    // a[i] := round((1 - k) a[i] + k b[i]), clamped, for n bytes.
    static void Blend(uint8_t* a, const uint8_t* b, int n, double k);
    static void Blend(uint8_t* a, const uint8_t* b, int n, const TBlendPlan& plan);
    static void BlendReference(uint8_t* a, const uint8_t* b, int n, double k);
};

} // namespace tessel
