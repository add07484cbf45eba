// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the energy pairing's rule for one pair, shared by the pairing
// loops of every lane width.
#pragma once

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace fastenergy {

// The reference pairing of two neighbours' energy changes (the pair being
// within reach): where their signs differ, the sum goes to the second if it
// has the second's sign (or is zero and the first was negative), else to the
// first, and the other becomes zero. Written with masks rather than
// branches, which the signs of the changes would make unpredictable (the
// compiler turns selections between doubles into branches); the values
// chosen are the same.
inline void pairEnergyChanges(double& a, double& b)
{
#if defined(__SSE2__)
    // The same selections as masks in the vector registers the values are
    // in: no moves to and from the integer registers in the chain that links
    // the pairs of one atom.
    const __m128d zero = _mm_setzero_pd();
    __m128d va = _mm_load_sd(&a), vb = _mm_load_sd(&b);
    __m128d sum = _mm_add_sd(va, vb);
    __m128d negPos = _mm_and_pd(_mm_cmplt_sd(va, zero), _mm_cmpgt_sd(vb, zero));
    __m128d posNeg = _mm_and_pd(_mm_cmpgt_sd(va, zero), _mm_cmplt_sd(vb, zero));
    __m128d toSecond = _mm_or_pd(_mm_and_pd(negPos, _mm_cmpge_sd(sum, zero)), _mm_and_pd(posNeg, _mm_cmplt_sd(sum, zero)));
    __m128d differ = _mm_or_pd(negPos, posNeg);
    __m128d toFirst = _mm_andnot_pd(toSecond, differ);
    _mm_store_sd(&a, _mm_or_pd(_mm_andnot_pd(differ, va), _mm_and_pd(sum, toFirst)));
    _mm_store_sd(&b, _mm_or_pd(_mm_andnot_pd(differ, vb), _mm_and_pd(sum, toSecond)));
#else
    double s = a + b;
    bool negPos = (a < 0) & (b > 0);
    bool posNeg = (a > 0) & (b < 0);
    bool toSecond = (negPos & (s >= 0)) | (posNeg & (s < 0));
    bool toFirst = (negPos | posNeg) & !toSecond;
    std::uint64_t keep = std::uint64_t(0) - !(negPos | posNeg);
    std::uint64_t first = std::uint64_t(0) - toFirst, second = std::uint64_t(0) - toSecond;
    std::uint64_t sum = std::bit_cast<std::uint64_t>(s);
    a = std::bit_cast<double>((std::bit_cast<std::uint64_t>(a) & keep) | (sum & first));
    b = std::bit_cast<double>((std::bit_cast<std::uint64_t>(b) & keep) | (sum & second));
#endif
}

// The same rule where the row's change a is not zero, has the sign
// kPositive gives, and meets a partner's change b of the other sign: the sum
// stays with a while it keeps a's sign; otherwise a is spent and b keeps
// the sum. Returns whether a is spent (zero, or NaN: then, as in the rule
// above, no later pair changes anything). One comparison each where the rule
// takes several, and the branch is taken once per row.
template <bool kPositive>
inline bool absorbOtherSign(double& a, double& b)
{
    double s = a + b;
    if (kPositive ? s > 0.0 : s < 0.0) {
        a = s;
        b = 0.0;
        return false;
    }
    if (kPositive ? s <= 0.0 : s >= 0.0) {
        a = 0.0;
        b = s;
        return true;
    }
    a = s;
    b = 0.0;
    return true;
}

}  // namespace fastenergy
