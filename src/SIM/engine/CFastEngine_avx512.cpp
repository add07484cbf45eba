// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the force kernel on eight pairs at a time (AVX-512), chosen at
// run time where the processor has it, and the energy pairing's search of a
// row on eight atoms at a time. Lane for lane the same operations as
// the four-lane kernel, hence the reference's: square root and division are
// exact, no multiply-add is fused (the target adds no FMA), and every sum
// receives its terms one after the other in list order.
#include "SIM/engine/CFastEngine.h"
#include "SIM/engine/CFastEngine_energy.h"
#include "SIM/engine/CFastEngine_kernel.h"

#if defined(__x86_64__)
// GCC 12 warns inside its own AVX-512 headers (the undefined upper halves of
// casts and masked operations) wherever they are inlined; the code is sound.
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

#include <bit>
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

// Eight lanes (AVX-512) for the generic force kernel.
struct Lanes8 {
    static constexpr int kWidth = 8;
    typedef double V __attribute__((vector_size(64)));
    using M = __mmask8;
    using Sums = Y;

    QUORVEL_AVX512 static V splat(double value) { return V(_mm512_set1_pd(value)); }
    QUORVEL_AVX512 static V sqrt(V value) { return V(_mm512_sqrt_pd(Z(value))); }
    static __mmask8 inRow(int left) { return left >= 8 ? 0xFF : static_cast<__mmask8>((1u << left) - 1); }
    QUORVEL_AVX512 static M acting(V r2, V m2, V cut2, int left)
    {
        return _mm512_mask_cmp_pd_mask(inRow(left), Z(r2), Z(m2), _CMP_NLE_UQ) &
               static_cast<__mmask8>(~_mm512_cmp_pd_mask(Z(r2), Z(cut2), _CMP_GT_OQ));
    }
    QUORVEL_AVX512 static V keep(M acts, V value) { return V(_mm512_maskz_mov_pd(acts, Z(value))); }
    QUORVEL_AVX512 static M above(V a, V b) { return _mm512_cmp_pd_mask(Z(a), Z(b), _CMP_GT_OQ); }
    QUORVEL_AVX512 static M below(V a, V b) { return _mm512_cmp_pd_mask(Z(a), Z(b), _CMP_LT_OQ); }
    QUORVEL_AVX512 static V select(M which, V yes, V no) { return V(_mm512_mask_blend_pd(which, Z(no), Z(yes))); }
    // Adds the lanes to the sum, in lane order.
    QUORVEL_AVX512 static void addLanes(V value, double& sum)
    {
        for (int lane = 0; lane < 8; lane++) sum += value[lane];
    }
    QUORVEL_AVX512 static void store(double* p, V value) { _mm512_storeu_pd(p, Z(value)); }
    // Compressed in a register: a compressing store is slow on some processors.
    QUORVEL_AVX512 static int keepWithin(int* out, const int* nbr, V r2, V reach2, int left)
    {
        __mmask8 within = _mm512_mask_cmp_pd_mask(inRow(left), Z(r2), Z(reach2), _CMP_LT_OQ);
        __m512i ranks = _mm512_castsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(nbr)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm512_castsi512_si256(_mm512_maskz_compress_epi32(within, ranks)));
        return __builtin_popcount(within);
    }
    QUORVEL_AVX512 static void loadPartners(const double (*pos4)[4], const int* j, V& x, V& y, V& z, V& type)
    {
        Z cx, cy, cz, cw;
        loadColumns(pos4, j, cx, cy, cz, cw);
        x = V(cx);
        y = V(cy);
        z = V(cz);
        type = V(cw);
    }
    QUORVEL_AVX512 static void sameConstants(const RowConstants& rc, int u, fastkernel::PairLaneConstants<V>& k)
    {
        k = {splat(rc.m[u]), splat(rc.m2[u]), splat(rc.cut2[u]),  splat(rc.eps4[u]), splat(rc.eps24[u]),
             splat(rc.c[u]), splat(rc.b[u]),  splat(rc.invmJ[u]), splat(rc.reach2[u]), splat(rc.invmI)};
    }
    QUORVEL_AVX512 static void pickConstants(const RowConstants& rc, V type, fastkernel::PairLaneConstants<V>& k)
    {
        __m512i index = _mm512_cvttpd_epi64(Z(type));
        auto from = [index](const double* table) QUORVEL_AVX512 {
            return V(_mm512_permutexvar_pd(index, _mm512_broadcast_f64x4(_mm256_load_pd(table))));
        };
        k = {from(rc.m), from(rc.m2), from(rc.cut2), from(rc.eps4), from(rc.eps24),
             from(rc.c), from(rc.b),  from(rc.invmJ), from(rc.reach2), splat(rc.invmI)};
    }
    QUORVEL_AVX512 static V load(const double* p) { return V(_mm512_loadu_pd(p)); }
    QUORVEL_AVX512 static void sameConstants(const PairTable& pt, fastkernel::PairLaneConstants<V>& k)
    {
        k = {splat(pt.m[0]),     splat(pt.m2[0]), splat(pt.cut2[0]),  splat(pt.eps4[0]),   splat(pt.eps24[0]),
             splat(pt.c[0]),     splat(pt.b[0]),  splat(pt.invmJ[0]), splat(pt.reach2[0]), splat(pt.invmI[0])};
    }
    QUORVEL_AVX512 static void pickConstants(const PairTable& pt, V type, fastkernel::PairLaneConstants<V>& k)
    {
        __m512i index = _mm512_cvttpd_epi64(Z(type));
        auto from = [index](const double* table) QUORVEL_AVX512 {
            return V(_mm512_permutex2var_pd(_mm512_load_pd(table), index, _mm512_load_pd(table + 8)));
        };
        k = {from(pt.m), from(pt.m2), from(pt.cut2),  from(pt.eps4),   from(pt.eps24),
             from(pt.c), from(pt.b),  from(pt.invmJ), from(pt.reach2), from(pt.invmI)};
    }
    // The acting lanes moved to the front and stored at sc's position at
    // (sc: a ForceScratch or ActingPartners), their types only kWithTypes.
    template <bool kWithTypes, class S>
    QUORVEL_AVX512 static int keepActingPartners(M acts, const int* partner, V dx, V dy, V dz, V r2, V type, S& sc,
                                                 int at)
    {
        _mm512_storeu_pd(sc.dx + at, _mm512_maskz_compress_pd(acts, Z(dx)));
        _mm512_storeu_pd(sc.dy + at, _mm512_maskz_compress_pd(acts, Z(dy)));
        _mm512_storeu_pd(sc.dz + at, _mm512_maskz_compress_pd(acts, Z(dz)));
        _mm512_storeu_pd(sc.r2 + at, _mm512_maskz_compress_pd(acts, Z(r2)));
        if (kWithTypes) _mm512_storeu_pd(sc.type + at, _mm512_maskz_compress_pd(acts, Z(type)));
        keepRanks(acts, partner, sc.partner + at);
        return __builtin_popcount(acts);
    }
    QUORVEL_AVX512 static void keepRanks(M acts, const int* in, int* out)
    {
        __m512i all = _mm512_castsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(in)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm512_castsi512_si256(_mm512_maskz_compress_epi32(acts, all)));
    }
    template <bool kWithTypes>
    QUORVEL_AVX512 static int keepActing(M acts, const int* owner, const int* partner, V dx, V dy, V dz, V r2, V type,
                                         ForceScratch& sc, int at)
    {
        keepRanks(acts, owner, sc.owner + at);
        return keepActingPartners<kWithTypes>(acts, partner, dx, dy, dz, r2, type, sc, at);
    }
    // A group's terms as rows of four (x, y, z, energy), lane by lane: the
    // owners' +terms and the partners' -terms. The partner's energy sum
    // receives +halfEnergy: subtracting -halfEnergy is the same operation.
    using Row = Y;
    QUORVEL_AVX512 static void termRows(const fastkernel::PairTerms<V>& t, Row* own, Row* other)
    {
        toRows(Z(t.ix), Z(t.iy), Z(t.iz), Z(t.halfEnergy), own);
        toRows(Z(t.jx), Z(t.jy), Z(t.jz), Z(-t.halfEnergy), other);
    }
    QUORVEL_AVX512 static void addRow(double* acc, Row r) { _mm256_store_pd(acc, _mm256_add_pd(_mm256_load_pd(acc), r)); }
    QUORVEL_AVX512 static void subtractRow(double* acc, Row r)
    {
        _mm256_store_pd(acc, _mm256_sub_pd(_mm256_load_pd(acc), r));
    }
    QUORVEL_AVX512 static Sums loadSums(const double* acc) { return _mm256_load_pd(acc); }
    QUORVEL_AVX512 static void storeSums(double* acc, Sums s) { _mm256_store_pd(acc, s); }
    QUORVEL_AVX512 static void addOwnTerms(const fastkernel::PairTerms<V>& t, Sums& ai)
    {
        Y ti[8];
        toRows(Z(t.ix), Z(t.iy), Z(t.iz), Z(t.halfEnergy), ti);
        for (int lane = 0; lane < 8; lane++) ai = _mm256_add_pd(ai, ti[lane]);
    }
    // The partner's energy sum receives +halfEnergy: subtracting
    // -halfEnergy is the same operation, so one subtraction serves all four.
    QUORVEL_AVX512 static void scatterTerms(const fastkernel::PairTerms<V>& t, double (*acc4)[4], const int* j)
    {
        Y tj[8];
        toRows(Z(t.jx), Z(t.jy), Z(t.jz), Z(-t.halfEnergy), tj);
        for (int lane = 0; lane < 8; lane++)
            _mm256_store_pd(acc4[j[lane]], _mm256_sub_pd(_mm256_load_pd(acc4[j[lane]]), tj[lane]));
    }
};


}  // namespace

namespace {
// Eight partners at a time: their changes gathered and those of the other
// sign picked, for up to 64 partners before the first pairing (the gathers
// then overlap); those picked are paired in row order until the row's change
// is spent. While it is not, it keeps its sign, and the partners it has not
// met keep theirs. Reads ranks up to seven entries past count (the room is
// padded), whose lanes are masked off.
template <bool kPositive>
QUORVEL_AVX512 inline double pairNearLanes(double dEk, const int* near, int count, double* dE)
{
    const Z zero = _mm512_setzero_pd();
    for (int first = 0; first < count; first += 64) {
        std::uint64_t other = 0;
        for (int p = first; p < count && p < first + 64; p += 8) {
            __mmask8 inRow = count - p < 8 ? static_cast<__mmask8>((1u << (count - p)) - 1) : 0xFF;
            __m256i ranks = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(near + p));
            Z b = _mm512_mask_i32gather_pd(zero, inRow, ranks, dE, 8);
            unsigned picked = kPositive ? _mm512_mask_cmp_pd_mask(inRow, b, zero, _CMP_LT_OQ)
                                        : _mm512_mask_cmp_pd_mask(inRow, b, zero, _CMP_GT_OQ);
            other |= std::uint64_t(picked) << (p - first);
        }
        for (; other; other &= other - 1)
            if (fastenergy::absorbOtherSign<kPositive>(dEk, dE[near[first + std::countr_zero(other)]])) return dEk;
    }
    return dEk;
}
}  // namespace

QUORVEL_AVX512 double CFastEngine::pairRowNearAvx512(double dEk, const int* near, int count, double* dE)
{
    return dEk > 0.0 ? pairNearLanes<true>(dEk, near, count, dE) : pairNearLanes<false>(dEk, near, count, dE);
}

// Eight pairs at a time; lanes past end are left out. Reads up to seven
// entries past end (the lists are padded).
namespace {
template <bool kPeriodic>
QUORVEL_AVX512 inline int nextContactLanes(int q, int end, const int* owner, const int* partner,
                                           const double (*pos4)[4], const double* reach2, double h, double w)
{
    const Z half = _mm512_set1_pd(h), negHalf = _mm512_set1_pd(-h), width = _mm512_set1_pd(w);
    auto minimumImage = [&](Z d) QUORVEL_AVX512 {
        Z wrapped = _mm512_mask_sub_pd(d, _mm512_cmp_pd_mask(d, half, _CMP_GT_OQ), d, width);
        return _mm512_mask_add_pd(wrapped, _mm512_cmp_pd_mask(d, negHalf, _CMP_LT_OQ), d, width);
    };
    const Z low = _mm512_load_pd(reach2), high = _mm512_load_pd(reach2 + 8);
    const Z four = _mm512_set1_pd(4.0);
    for (; q < end; q += 8) {
        Z ax, ay, az, at, bx, by, bz, bt;
        loadColumns(pos4, owner + q, ax, ay, az, at);
        loadColumns(pos4, partner + q, bx, by, bz, bt);
        Z dx = _mm512_sub_pd(ax, bx), dy = _mm512_sub_pd(ay, by), dz = _mm512_sub_pd(az, bz);
        if (kPeriodic) {
            dx = minimumImage(dx);
            dy = minimumImage(dy);
            dz = minimumImage(dz);
        }
        Z r2 = _mm512_add_pd(_mm512_add_pd(_mm512_mul_pd(dx, dx), _mm512_mul_pd(dy, dy)), _mm512_mul_pd(dz, dz));
        __m512i type = _mm512_cvttpd_epi64(_mm512_add_pd(_mm512_mul_pd(at, four), bt));  // small integers: exact
        Z reach = _mm512_permutex2var_pd(low, type, high);
        __mmask8 inRange = end - q < 8 ? static_cast<__mmask8>((1u << (end - q)) - 1) : 0xFF;
        unsigned closer = _mm512_mask_cmp_pd_mask(inRange, r2, reach, _CMP_LT_OQ);
        if (closer != 0) return q + __builtin_ctz(closer);
    }
    return end;
}
}  // namespace

QUORVEL_AVX512 int CFastEngine::nextContactAvx512(int q, int end, const int* owner, const int* partner,
                                                 const double (*pos4)[4], const double* reach2, const BoxShape& box)
{
    if (box.periodic) return nextContactLanes<true>(q, end, owner, partner, pos4, reach2, box.halfWidth, box.width);
    return nextContactLanes<false>(q, end, owner, partner, pos4, reach2, 0.0, 0.0);
}

QUORVEL_AVX512 __attribute__((flatten)) int CFastEngine::forceRowAvx512(int n, const RowConstants& rc,
                                                                       const int* nbr, int count,
                                                                       const double (*pos4)[4], double (*acc4)[4],
                                                                       int* near, bool scatter, double* virial)
{
    return fastkernel::forceRow<Lanes8>(n, rc, nbr, count, pos4, acc4, near, scatter, virial);
}

QUORVEL_AVX512 __attribute__((flatten)) void CFastEngine::forceStreamAvx512(const ForceStream& fs, const PairTable& pt,
                                                                           const FloorTerms& floor,
                                                                           const double (*pos4)[4],
                                                                           double (*acc4)[4], ForceScratch& sc)
{
    fastkernel::forceStream<Lanes8>(fs, pt, floor, pos4, acc4, sc);
}

bool CFastEngine::avx512Available() { return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"); }

#else

int CFastEngine::forceRowAvx512(int, const RowConstants&, const int*, int, const double (*)[4], double (*)[4], int*,
                                bool, double*)
{
    return 0;
}
void CFastEngine::forceStreamAvx512(const ForceStream&, const PairTable&, const FloorTerms&, const double (*)[4],
                                    double (*)[4], ForceScratch&) {}
int CFastEngine::nextContactAvx512(int, int end, const int*, const int*, const double (*)[4], const double*,
                                   const BoxShape&)
{
    return end;
}
double CFastEngine::pairRowNearAvx512(double dEk, const int*, int, double*) { return dEk; }
bool CFastEngine::avx512Available() { return false; }

#endif
