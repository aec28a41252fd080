#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

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

    // A weight for each byte of a row, worked out once for all rows: the weight
    // itself, the weights of t and o in fixed point with 22 fraction bits for the
    // fast loops (which run only when every weight lies within [0, 1]), and the same
    // split into high and low parts as 16-bit pairs for the AVX2 pair multiply.
    struct TMixWeights {
        explicit TMixWeights(int n = 0);
        void Set(int i, double weight);
        std::vector<double> w;
        std::vector<uint32_t> wt, wo;
        std::vector<uint32_t> high, low;
        bool fixed = true;
    };
    // out[i] := round(w[i] t[i] + (1 - w[i]) o[i]) in fixed point, exact where the
    // fraction is far from one half and the rule's way where it is near.
    static void Mix(const uint8_t* t, const uint8_t* o, const TMixWeights& weights, int n, uint8_t* out);
    // The same mix in place over rows of t (and of o) a stride apart.
    static void MixRows(
        uint8_t* t, const uint8_t* o, ptrdiff_t stride, int rows, const TMixWeights& weights, int n);

    // The gradient morphs' rule, a weight for each of n bytes:
    // out[i] := round(w[i] t[i] + (1 - w[i]) o[i]), clamped (out may be t or o).
    // One weight for the row rounds by the magic-number addition, which gives the
    // default rounding mode's result for every value a mix can have; it vectorises.
    static void MixConstant(const uint8_t* t, const uint8_t* o, double w, int n, uint8_t* out);
    static void MixReference(const uint8_t* t, const uint8_t* o, const double* w, int n, uint8_t* out);

private:
    static void MixRows(const uint8_t* t, const uint8_t* o, ptrdiff_t stride, int rows,
        const TMixWeights& weights, int n, uint8_t* out);
    // Bytes start ... start + m (at most one chunk) of a row's mix.
    static void MixStrip(
        const uint8_t* t, const uint8_t* o, const TMixWeights& weights, int start, int m, uint8_t* out);
};

} // namespace tessel
