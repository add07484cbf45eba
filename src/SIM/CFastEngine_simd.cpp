// CFastEngine: the force kernel on four pairs at a time (AVX2), chosen at run
// time where the processor has it. Each lane computes the reference's pair
// expression in the reference's order; square root and division are exact
// in every lane as in scalar code, and no multiply-add is fused (the target
// adds AVX2 only, not FMA), so every term has the reference's bits.
#include "CFastEngine.h"

#if defined(__x86_64__)
#include <immintrin.h>

namespace {

using V = __m256d;

// Four rows of four doubles, transposed: out[c] holds element c of every row.
__attribute__((target("avx2"), always_inline)) inline void transpose(V r0, V r1, V r2, V r3, V& c0, V& c1, V& c2,
                                                                     V& c3)
{
    V t0 = _mm256_unpacklo_pd(r0, r1), t1 = _mm256_unpackhi_pd(r0, r1);
    V t2 = _mm256_unpacklo_pd(r2, r3), t3 = _mm256_unpackhi_pd(r2, r3);
    c0 = _mm256_permute2f128_pd(t0, t2, 0x20);
    c1 = _mm256_permute2f128_pd(t1, t3, 0x20);
    c2 = _mm256_permute2f128_pd(t0, t2, 0x31);
    c3 = _mm256_permute2f128_pd(t1, t3, 0x31);
}

}  // namespace

// Atom i's sums (ai4: x, y, z, energy) receive the terms of its partners of
// one type in list order; each partner's sums (acc4 by rank) receive theirs.
// A pair that does not act contributes +0.0, which leaves every sum as it is:
// the sums start at +0.0 and, being sums of +0.0 and other values, are never
// -0.0. The acceptance test is the reference's, NaN included: a pair acts
// unless r2 <= m2 or (r2 > 9 m2 and the pair is not charged).
__attribute__((target("avx2"))) void CFastEngine::forceRunAvx2(const ForceRun& run, const double (*pos4)[4],
                                                               double (*acc4)[4], double* ai4)
{
    const V x = _mm256_set1_pd(run.xi[0]), y = _mm256_set1_pd(run.xi[1]), z = _mm256_set1_pd(run.xi[2]);
    const V m = _mm256_set1_pd(run.m), m2 = _mm256_set1_pd(run.m2), cut2 = _mm256_set1_pd(run.cut2);
    const V eps4 = _mm256_set1_pd(run.eps4), eps24 = _mm256_set1_pd(run.eps24);
    const V c = _mm256_set1_pd(run.c), b = _mm256_set1_pd(run.b);
    const V invmI = _mm256_set1_pd(run.invmI), invmJ = _mm256_set1_pd(run.invmJ);
    const V one = _mm256_set1_pd(1.0), two = _mm256_set1_pd(2.0), twelve = _mm256_set1_pd(12.0);
    const V half = _mm256_set1_pd(0.5);  // energy / 2.0: the same bits, halving is exact
    const V signBit = _mm256_set1_pd(-0.0);
    V ai = _mm256_loadu_pd(ai4);
    const int* nbr = run.nbr;
    for (int p = 0; p < run.count; p += 4) {
        int lanes = run.count - p < 4 ? run.count - p : 4;
        int j0 = nbr[p];
        int j1 = lanes > 1 ? nbr[p + 1] : j0;
        int j2 = lanes > 2 ? nbr[p + 2] : j0;
        int j3 = lanes > 3 ? nbr[p + 3] : j0;
        V bx, by, bz, unused;
        transpose(_mm256_load_pd(pos4[j0]), _mm256_load_pd(pos4[j1]), _mm256_load_pd(pos4[j2]),
                  _mm256_load_pd(pos4[j3]), bx, by, bz, unused);
        V dx = _mm256_sub_pd(x, bx), dy = _mm256_sub_pd(y, by), dz = _mm256_sub_pd(z, bz);
        V r2 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
        V acts = _mm256_cmp_pd(r2, m2, _CMP_NLE_UQ);
        if (!run.charged) acts = _mm256_andnot_pd(_mm256_cmp_pd(r2, cut2, _CMP_GT_OQ), acts);
        if (_mm256_movemask_pd(acts) == 0) continue;
        V r = _mm256_sqrt_pd(r2);
        V invR = _mm256_div_pd(one, r);
        dx = _mm256_mul_pd(dx, invR);
        dy = _mm256_mul_pd(dy, invR);
        dz = _mm256_mul_pd(dz, invR);
        V sa = _mm256_mul_pd(m, invR);
        V pp = _mm256_mul_pd(sa, sa);
        V s6 = _mm256_mul_pd(_mm256_mul_pd(pp, pp), pp);
        V s12 = _mm256_mul_pd(s6, s6);
        V energy = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(eps4, _mm256_sub_pd(s12, s6)), _mm256_mul_pd(invR, c)),
                                 _mm256_mul_pd(b, s12));
        V force = _mm256_add_pd(
            _mm256_add_pd(_mm256_mul_pd(_mm256_mul_pd(eps24, invR), _mm256_sub_pd(_mm256_mul_pd(two, s12), s6)),
                          _mm256_mul_pd(_mm256_mul_pd(invR, invR), c)),
            _mm256_mul_pd(_mm256_mul_pd(_mm256_mul_pd(twelve, invR), b), s12));
        V fi = _mm256_mul_pd(invmI, force), fj = _mm256_mul_pd(invmJ, force);
        V he = _mm256_and_pd(acts, _mm256_mul_pd(energy, half));
        V tix = _mm256_and_pd(acts, _mm256_mul_pd(dx, fi));
        V tiy = _mm256_and_pd(acts, _mm256_mul_pd(dy, fi));
        V tiz = _mm256_and_pd(acts, _mm256_mul_pd(dz, fi));
        V tjx = _mm256_and_pd(acts, _mm256_mul_pd(dx, fj));
        V tjy = _mm256_and_pd(acts, _mm256_mul_pd(dy, fj));
        V tjz = _mm256_and_pd(acts, _mm256_mul_pd(dz, fj));
        V ti[4], tj[4];
        transpose(tix, tiy, tiz, he, ti[0], ti[1], ti[2], ti[3]);
        // The partner's energy sum receives +he: subtracting -he is the same
        // operation, so one subtraction serves all four sums.
        transpose(tjx, tjy, tjz, _mm256_xor_pd(he, signBit), tj[0], tj[1], tj[2], tj[3]);
        int js[4] = {j0, j1, j2, j3};
        for (int lane = 0; lane < lanes; lane++) {
            ai = _mm256_add_pd(ai, ti[lane]);
            double* aj = acc4[js[lane]];
            _mm256_store_pd(aj, _mm256_sub_pd(_mm256_load_pd(aj), tj[lane]));
        }
    }
    _mm256_storeu_pd(ai4, ai);
}

// Four partners at a time, reading up to three ranks past count (the lists
// are padded); the bits beyond count are cleared.
__attribute__((target("avx2"))) std::uint64_t CFastEngine::closerMaskAvx2(const double* xi, const int* nbr,
                                                                         int count, const double* limit2,
                                                                         const double (*pos4)[4])
{
    const V x = _mm256_set1_pd(xi[0]), y = _mm256_set1_pd(xi[1]), z = _mm256_set1_pd(xi[2]);
    const V l0 = _mm256_set1_pd(limit2[0]), l1 = _mm256_set1_pd(limit2[1]);
    const V l2 = _mm256_set1_pd(limit2[2]), l3 = _mm256_set1_pd(limit2[3]);
    const V one = _mm256_set1_pd(1.0), two = _mm256_set1_pd(2.0), three = _mm256_set1_pd(3.0);
    std::uint64_t bits = 0;
    for (int p = 0; p < count; p += 4) {
        V bx, by, bz, type;
        transpose(_mm256_load_pd(pos4[nbr[p]]), _mm256_load_pd(pos4[nbr[p + 1]]), _mm256_load_pd(pos4[nbr[p + 2]]),
                  _mm256_load_pd(pos4[nbr[p + 3]]), bx, by, bz, type);
        V dx = _mm256_sub_pd(x, bx), dy = _mm256_sub_pd(y, by), dz = _mm256_sub_pd(z, bz);
        V r2 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
        V low = _mm256_blendv_pd(l0, l1, _mm256_cmp_pd(type, one, _CMP_GE_OQ));
        V high = _mm256_blendv_pd(l2, l3, _mm256_cmp_pd(type, three, _CMP_GE_OQ));
        V limit = _mm256_blendv_pd(low, high, _mm256_cmp_pd(type, two, _CMP_GE_OQ));
        bits |= std::uint64_t(_mm256_movemask_pd(_mm256_cmp_pd(r2, limit, _CMP_LT_OQ))) << p;
    }
    return count < 64 ? bits & ((std::uint64_t(1) << count) - 1) : bits;
}

bool CFastEngine::avx2Available() { return __builtin_cpu_supports("avx2"); }

#else

void CFastEngine::forceRunAvx2(const ForceRun&, const double (*)[4], double (*)[4], double*) {}
std::uint64_t CFastEngine::closerMaskAvx2(const double*, const int*, int, const double*, const double (*)[4]) { return 0; }
bool CFastEngine::avx2Available() { return false; }

#endif
