// CFastEngine: the force kernel on eight pairs at a time (AVX-512), chosen at
// run time where the processor has it. Lane for lane the same operations as
// the four-lane kernel, hence the reference's: square root and division are
// exact, no multiply-add is fused (the target adds no FMA), and every sum
// receives its terms one after the other in list order.
#include "CFastEngine.h"

#if defined(__x86_64__)
// GCC 12 warns inside its own AVX-512 headers (the undefined upper halves of
// casts and masked operations) wherever they are inlined; the code is sound.
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

#include <cstdint>
#include <cstring>

#define QUORVEL_AVX512 __attribute__((target("avx512f,avx512dq")))

namespace {

using Z = __m512d;
using Y = __m256d;

// Rows of four doubles (x, y, z, w) of the eight given ranks, as four
// columns of eight.
QUORVEL_AVX512 inline void loadColumns(const double (*pos4)[4], const int* j, Z& x, Z& y, Z& z, Z& w)
{
    auto pair = [pos4](int a, int b) QUORVEL_AVX512 {
        return _mm512_insertf64x4(_mm512_castpd256_pd512(_mm256_load_pd(pos4[a])), _mm256_load_pd(pos4[b]), 1);
    };
    Z r04 = pair(j[0], j[4]), r15 = pair(j[1], j[5]), r26 = pair(j[2], j[6]), r37 = pair(j[3], j[7]);
    Z t0 = _mm512_unpacklo_pd(r04, r15), t1 = _mm512_unpackhi_pd(r04, r15);
    Z t2 = _mm512_unpacklo_pd(r26, r37), t3 = _mm512_unpackhi_pd(r26, r37);
    const __m512i first = _mm512_setr_epi64(0, 1, 8, 9, 4, 5, 12, 13);
    const __m512i second = _mm512_setr_epi64(2, 3, 10, 11, 6, 7, 14, 15);
    x = _mm512_permutex2var_pd(t0, first, t2);
    z = _mm512_permutex2var_pd(t0, second, t2);
    y = _mm512_permutex2var_pd(t1, first, t3);
    w = _mm512_permutex2var_pd(t1, second, t3);
}

// Four columns of eight as eight rows of four.
QUORVEL_AVX512 inline void toRows(Z x, Z y, Z z, Z w, Y* row)
{
    Z a = _mm512_unpacklo_pd(x, y), b = _mm512_unpackhi_pd(x, y);
    Z c = _mm512_unpacklo_pd(z, w), d = _mm512_unpackhi_pd(z, w);
    const __m512i low = _mm512_setr_epi64(0, 1, 8, 9, 2, 3, 10, 11);
    const __m512i high = _mm512_setr_epi64(4, 5, 12, 13, 6, 7, 14, 15);
    Z r02 = _mm512_permutex2var_pd(a, low, c), r46 = _mm512_permutex2var_pd(a, high, c);
    Z r13 = _mm512_permutex2var_pd(b, low, d), r57 = _mm512_permutex2var_pd(b, high, d);
    row[0] = _mm512_castpd512_pd256(r02);
    row[2] = _mm512_extractf64x4_pd(r02, 1);
    row[4] = _mm512_castpd512_pd256(r46);
    row[6] = _mm512_extractf64x4_pd(r46, 1);
    row[1] = _mm512_castpd512_pd256(r13);
    row[3] = _mm512_extractf64x4_pd(r13, 1);
    row[5] = _mm512_castpd512_pd256(r57);
    row[7] = _mm512_extractf64x4_pd(r57, 1);
}

// The pair constants of eight lanes, as in the four-lane kernel.
template <bool kSamePartners>
struct LaneConstants8 {
    Z m, m2, cut2, eps4, eps24, c, b, invmJ, reach2;
    Z tables[9];

    QUORVEL_AVX512 LaneConstants8(const RowConstants& rc, int rowType)
    {
        const double* source[9] = {rc.m, rc.m2, rc.cut2, rc.eps4, rc.eps24, rc.c, rc.b, rc.invmJ, rc.reach2};
        Z* lane[9] = {&m, &m2, &cut2, &eps4, &eps24, &c, &b, &invmJ, &reach2};
        for (int k = 0; k < 9; k++) {
            if (kSamePartners) *lane[k] = _mm512_set1_pd(source[k][rowType]);
            else tables[k] = _mm512_broadcast_f64x4(_mm256_load_pd(source[k]));
        }
    }

    QUORVEL_AVX512 void pick(Z type)
    {
        if (kSamePartners) return;
        __m512i index = _mm512_cvttpd_epi64(type);
        m = _mm512_permutexvar_pd(index, tables[0]);
        m2 = _mm512_permutexvar_pd(index, tables[1]);
        cut2 = _mm512_permutexvar_pd(index, tables[2]);
        eps4 = _mm512_permutexvar_pd(index, tables[3]);
        eps24 = _mm512_permutexvar_pd(index, tables[4]);
        c = _mm512_permutexvar_pd(index, tables[5]);
        b = _mm512_permutexvar_pd(index, tables[6]);
        invmJ = _mm512_permutexvar_pd(index, tables[7]);
        reach2 = _mm512_permutexvar_pd(index, tables[8]);
    }
};

// A byte of 0 or 1 for each bit of an eight-bit mask.
struct ByteTable {
    std::uint64_t bytes[256];
    constexpr ByteTable() : bytes()
    {
        for (int mask = 0; mask < 256; mask++)
            for (int lane = 0; lane < 8; lane++)
                if (mask >> lane & 1) bytes[mask] |= std::uint64_t(1) << (8 * lane);
    }
};
constexpr ByteTable kBytes;

// As the four-lane kernel: a pair that does not act and a lane past the
// row's end contribute +0.0 (masked products are +0.0), which leaves every
// sum as it is.
template <bool kSamePartners>
QUORVEL_AVX512 inline void forceRowLanes8(int n, const RowConstants& rc, const int* nbr, int count,
                                          const double (*pos4)[4], double (*acc4)[4], unsigned char* inReach)
{
    const Z x = _mm512_set1_pd(pos4[n][0]), y = _mm512_set1_pd(pos4[n][1]), z = _mm512_set1_pd(pos4[n][2]);
    LaneConstants8<kSamePartners> k(rc, static_cast<int>(pos4[n][3]));
    const Z invmI = _mm512_set1_pd(rc.invmI);
    const Z one = _mm512_set1_pd(1.0), two = _mm512_set1_pd(2.0), twelve = _mm512_set1_pd(12.0);
    const Z half = _mm512_set1_pd(0.5);  // energy / 2.0: the same bits, halving is exact
    Y ai = _mm256_load_pd(acc4[n]);
    for (int p = 0; p < count; p += 8) {
        const int* j = nbr + p;
        Z bx, by, bz, type;
        loadColumns(pos4, j, bx, by, bz, type);
        k.pick(type);
        Z dx = _mm512_sub_pd(x, bx), dy = _mm512_sub_pd(y, by), dz = _mm512_sub_pd(z, bz);
        Z r2 = _mm512_add_pd(_mm512_add_pd(_mm512_mul_pd(dx, dx), _mm512_mul_pd(dy, dy)), _mm512_mul_pd(dz, dz));
        __mmask8 inRow = count - p >= 8 ? 0xFF : static_cast<__mmask8>((1u << (count - p)) - 1);
        __mmask8 acts = _mm512_mask_cmp_pd_mask(inRow, r2, k.m2, _CMP_NLE_UQ) &
                        static_cast<__mmask8>(~_mm512_cmp_pd_mask(r2, k.cut2, _CMP_GT_OQ));
        std::memcpy(inReach + p, &kBytes.bytes[_mm512_mask_cmp_pd_mask(inRow, r2, k.reach2, _CMP_LT_OQ)], 8);
        Z r = _mm512_sqrt_pd(r2);
        Z invR = _mm512_div_pd(one, r);
        dx = _mm512_mul_pd(dx, invR);
        dy = _mm512_mul_pd(dy, invR);
        dz = _mm512_mul_pd(dz, invR);
        Z sa = _mm512_mul_pd(k.m, invR);
        Z pp = _mm512_mul_pd(sa, sa);
        Z s6 = _mm512_mul_pd(_mm512_mul_pd(pp, pp), pp);
        Z s12 = _mm512_mul_pd(s6, s6);
        Z energy = _mm512_add_pd(
            _mm512_add_pd(_mm512_mul_pd(k.eps4, _mm512_sub_pd(s12, s6)), _mm512_mul_pd(invR, k.c)),
            _mm512_mul_pd(k.b, s12));
        Z force = _mm512_add_pd(
            _mm512_add_pd(_mm512_mul_pd(_mm512_mul_pd(k.eps24, invR), _mm512_sub_pd(_mm512_mul_pd(two, s12), s6)),
                          _mm512_mul_pd(_mm512_mul_pd(invR, invR), k.c)),
            _mm512_mul_pd(_mm512_mul_pd(_mm512_mul_pd(twelve, invR), k.b), s12));
        Z fi = _mm512_mul_pd(invmI, force), fj = _mm512_mul_pd(k.invmJ, force);
        Z he = _mm512_maskz_mul_pd(acts, energy, half);
        Y ti[8], tj[8];
        toRows(_mm512_maskz_mul_pd(acts, dx, fi), _mm512_maskz_mul_pd(acts, dy, fi),
               _mm512_maskz_mul_pd(acts, dz, fi), he, ti);
        // The partner's energy sum receives +he: subtracting -he is the same
        // operation, so one subtraction serves all four sums.
        toRows(_mm512_maskz_mul_pd(acts, dx, fj), _mm512_maskz_mul_pd(acts, dy, fj),
               _mm512_maskz_mul_pd(acts, dz, fj), _mm512_xor_pd(he, _mm512_set1_pd(-0.0)), tj);
        for (int lane = 0; lane < 8; lane++) ai = _mm256_add_pd(ai, ti[lane]);
        for (int lane = 0; lane < 8; lane++)
            _mm256_store_pd(acc4[j[lane]], _mm256_sub_pd(_mm256_load_pd(acc4[j[lane]]), tj[lane]));
    }
    _mm256_store_pd(acc4[n], ai);
}

}  // namespace

QUORVEL_AVX512 void CFastEngine::forceRowAvx512(int n, const RowConstants& rc, const int* nbr, int count,
                                                const double (*pos4)[4], double (*acc4)[4], unsigned char* inReach)
{
    if (rc.samePartners) forceRowLanes8<true>(n, rc, nbr, count, pos4, acc4, inReach);
    else forceRowLanes8<false>(n, rc, nbr, count, pos4, acc4, inReach);
}

bool CFastEngine::avx512Available() { return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"); }

#else

void CFastEngine::forceRowAvx512(int, const RowConstants&, const int*, int, const double (*)[4], double (*)[4],
                                 unsigned char*) {}
bool CFastEngine::avx512Available() { return false; }

#endif
