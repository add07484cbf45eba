// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the force kernel on four pairs at a time (AVX2), chosen at run
// time where the processor has it. Each lane computes the reference's pair
// expression in the reference's order; square root and division are exact
// in every lane as in scalar code, and no multiply-add is fused (the target
// adds AVX2 only, not FMA), so every term has the reference's bits.
#include "SIM/engine/CFastEngine.h"
#include "SIM/engine/CFastEngine_energy.h"
#include "SIM/engine/CFastEngine_kernel.h"

#if defined(__x86_64__)
#include <immintrin.h>

#include <bit>
#include <cstdint>
#include <cstring>

#define QUORVEL_AVX2 __attribute__((target("avx2")))

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

// Byte shuffles that move the lanes of a four-bit mask to the front.
struct CompressTable {
    alignas(16) unsigned char shuffle[16][16];
    constexpr CompressTable() : shuffle()
    {
        for (int mask = 0; mask < 16; mask++) {
            int out = 0;
            for (int lane = 0; lane < 4; lane++)
                if (mask >> lane & 1) {
                    for (int b = 0; b < 4; b++) shuffle[mask][4 * out + b] = static_cast<unsigned char>(4 * lane + b);
                    out++;
                }
            for (; out < 4; out++)
                for (int b = 0; b < 4; b++) shuffle[mask][4 * out + b] = 0x80;
        }
    }
};
constexpr CompressTable kCompress;

// Indices for a permutation of eight 32-bit words that moves the lanes of a
// mask to the front, each lane kWords words wide (2 for doubles, 1 for ints
// and floats); the words past them are zero.
template <int kLanes, int kWords>
struct LaneCompressTable {
    alignas(32) int index[1 << kLanes][8];
    constexpr LaneCompressTable() : index()
    {
        for (int mask = 0; mask < (1 << kLanes); mask++) {
            int out = 0;
            for (int lane = 0; lane < kLanes; lane++)
                if (mask >> lane & 1)
                    for (int word = 0; word < kWords; word++) index[mask][out++] = kWords * lane + word;
        }
    }
};
constexpr LaneCompressTable<4, 2> kCompress64;

// Four lanes (AVX2) for the generic force kernel.
struct Lanes4 {
    static constexpr int kWidth = 4;
    typedef double V __attribute__((vector_size(32)));
    using M = __m256d;  // all bits set where a pair acts
    using Sums = V;

    QUORVEL_AVX2 static V splat(double value) { return V(_mm256_set1_pd(value)); }
    QUORVEL_AVX2 static V sqrt(V value) { return V(_mm256_sqrt_pd(__m256d(value))); }
    QUORVEL_AVX2 static __m256d inRow(int left)
    {
        return _mm256_cmp_pd(_mm256_set_pd(3.0, 2.0, 1.0, 0.0), _mm256_set1_pd(left), _CMP_LT_OQ);
    }
    // The mask with the lanes from left on cleared; where the caller's
    // left is a constant four (a whole group), nothing at all.
    QUORVEL_AVX2 static __m256d onlyInRow(__m256d mask, int left)
    {
        return left >= 4 ? mask : _mm256_and_pd(inRow(left), mask);
    }
    QUORVEL_AVX2 static M acting(V r2, V m2, V cut2, int left)
    {
        M acts = onlyInRow(_mm256_cmp_pd(__m256d(r2), __m256d(m2), _CMP_NLE_UQ), left);
        return _mm256_andnot_pd(_mm256_cmp_pd(__m256d(r2), __m256d(cut2), _CMP_GT_OQ), acts);
    }
    QUORVEL_AVX2 static V keep(M acts, V value) { return V(_mm256_and_pd(acts, __m256d(value))); }
    QUORVEL_AVX2 static M above(V a, V b) { return _mm256_cmp_pd(__m256d(a), __m256d(b), _CMP_GT_OQ); }
    QUORVEL_AVX2 static M below(V a, V b) { return _mm256_cmp_pd(__m256d(a), __m256d(b), _CMP_LT_OQ); }
    QUORVEL_AVX2 static V select(M which, V yes, V no) { return V(_mm256_blendv_pd(__m256d(no), __m256d(yes), which)); }
    // Adds the lanes to the sum, in lane order.
    QUORVEL_AVX2 static void addLanes(V value, double& sum)
    {
        sum += value[0];
        sum += value[1];
        sum += value[2];
        sum += value[3];
    }
    QUORVEL_AVX2 static void store(double* p, V value) { _mm256_storeu_pd(p, __m256d(value)); }
    QUORVEL_AVX2 static int keepWithin(int* out, const int* nbr, V r2, V reach2, int left)
    {
        M within = onlyInRow(_mm256_cmp_pd(__m256d(r2), __m256d(reach2), _CMP_LT_OQ), left);
        int mask = _mm256_movemask_pd(within);
        __m128i ranks = _mm_loadu_si128(reinterpret_cast<const __m128i*>(nbr));
        __m128i shuffle = _mm_load_si128(reinterpret_cast<const __m128i*>(kCompress.shuffle[mask]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(ranks, shuffle));
        return __builtin_popcount(mask);
    }
    QUORVEL_AVX2 static void loadPartners(const double (*pos4)[4], const int* j, V& x, V& y, V& z, V& type)
    {
        V r0, r1, r2, r3;
        std::memcpy(&r0, pos4[j[0]], sizeof r0);
        std::memcpy(&r1, pos4[j[1]], sizeof r1);
        std::memcpy(&r2, pos4[j[2]], sizeof r2);
        std::memcpy(&r3, pos4[j[3]], sizeof r3);
        transpose(r0, r1, r2, r3, x, y, z, type);
    }
    QUORVEL_AVX2 static void sameConstants(const RowConstants& rc, int u,
                                           fastkernel::PairLaneConstants<V>& k)
    {
        k = {splat(rc.m[u]),   splat(rc.m2[u]), splat(rc.cut2[u]),  splat(rc.eps4[u]), splat(rc.eps24[u]),
             splat(rc.c[u]),   splat(rc.b[u]),  splat(rc.invmJ[u]), splat(rc.reach2[u]), splat(rc.invmI)};
    }
    // Lane i takes table element t: the two 32-bit halves 2t and 2t + 1.
    QUORVEL_AVX2 static void pickConstants(const RowConstants& rc, V type, fastkernel::PairLaneConstants<V>& k)
    {
        __m256i t = _mm256_cvtepu32_epi64(_mm256_cvttpd_epi32(__m256d(type)));
        __m256i lo = _mm256_slli_epi64(t, 1);
        __m256i index = _mm256_or_si256(lo, _mm256_slli_epi64(_mm256_add_epi64(lo, _mm256_set1_epi64x(1)), 32));
        auto from = [index](const double* table) QUORVEL_AVX2 {
            return V(_mm256_castps_pd(_mm256_permutevar8x32_ps(_mm256_castpd_ps(_mm256_load_pd(table)), index)));
        };
        k = {from(rc.m), from(rc.m2), from(rc.cut2), from(rc.eps4), from(rc.eps24),
             from(rc.c), from(rc.b),  from(rc.invmJ), from(rc.reach2), splat(rc.invmI)};
    }
    QUORVEL_AVX2 static V load(const double* p) { return V(_mm256_loadu_pd(p)); }
    QUORVEL_AVX2 static void sameConstants(const PairTable& pt, fastkernel::PairLaneConstants<V>& k)
    {
        k = {splat(pt.m[0]),     splat(pt.m2[0]), splat(pt.cut2[0]),  splat(pt.eps4[0]),   splat(pt.eps24[0]),
             splat(pt.c[0]),     splat(pt.b[0]),  splat(pt.invmJ[0]), splat(pt.reach2[0]), splat(pt.invmI[0])};
    }
    QUORVEL_AVX2 static void pickConstants(const PairTable& pt, V type, fastkernel::PairLaneConstants<V>& k)
    {
        // Loads lane by lane rather than gathers, which are slower.
        alignas(16) int e[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(e), _mm256_cvttpd_epi32(__m256d(type)));
        auto from = [&e](const double* table) QUORVEL_AVX2 {
            return V(_mm256_setr_pd(table[e[0]], table[e[1]], table[e[2]], table[e[3]]));
        };
        k = {from(pt.m), from(pt.m2), from(pt.cut2),  from(pt.eps4),   from(pt.eps24),
             from(pt.c), from(pt.b),  from(pt.invmJ), from(pt.reach2), from(pt.invmI)};
    }
    // The acting lanes moved to the front and stored at sc's position at
    // (sc: a ForceScratch or ActingPartners), their types only kWithTypes.
    template <bool kWithTypes, class S>
    QUORVEL_AVX2 static int keepActingPartners(M acts, const int* partner, V dx, V dy, V dz, V r2, V type, S& sc,
                                               int at)
    {
        int mask = _mm256_movemask_pd(acts);
        __m256i index = _mm256_load_si256(reinterpret_cast<const __m256i*>(kCompress64.index[mask]));
        auto keep = [index](double* out, V value) QUORVEL_AVX2 {
            _mm256_storeu_pd(out, _mm256_castps_pd(_mm256_permutevar8x32_ps(_mm256_castpd_ps(__m256d(value)), index)));
        };
        keep(sc.dx + at, dx);
        keep(sc.dy + at, dy);
        keep(sc.dz + at, dz);
        keep(sc.r2 + at, r2);
        if (kWithTypes) keep(sc.type + at, type);
        keepRanks(mask, partner, sc.partner + at);
        return __builtin_popcount(mask);
    }
    QUORVEL_AVX2 static void keepRanks(int mask, const int* in, int* out)
    {
        __m128i shuffle = _mm_load_si128(reinterpret_cast<const __m128i*>(kCompress.shuffle[mask]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), shuffle));
    }
    template <bool kWithTypes>
    QUORVEL_AVX2 static int keepActing(M acts, const int* owner, const int* partner, V dx, V dy, V dz, V r2, V type,
                                       ForceScratch& sc, int at)
    {
        keepRanks(_mm256_movemask_pd(acts), owner, sc.owner + at);
        return keepActingPartners<kWithTypes>(acts, partner, dx, dy, dz, r2, type, sc, at);
    }
    // A group's terms as rows of four (x, y, z, energy), lane by lane: the
    // owners' +terms and the partners' -terms. The partner's energy sum
    // receives +halfEnergy: subtracting -halfEnergy is the same operation.
    using Row = __m256d;
    QUORVEL_AVX2 static void termRows(const fastkernel::PairTerms<V>& t, Row* own, Row* other)
    {
        V ti[4], tj[4];
        transpose(t.ix, t.iy, t.iz, t.halfEnergy, ti[0], ti[1], ti[2], ti[3]);
        transpose(t.jx, t.jy, t.jz, -t.halfEnergy, tj[0], tj[1], tj[2], tj[3]);
        for (int lane = 0; lane < 4; lane++) {
            own[lane] = __m256d(ti[lane]);
            other[lane] = __m256d(tj[lane]);
        }
    }
    QUORVEL_AVX2 static void addRow(double* acc, Row r) { _mm256_store_pd(acc, _mm256_add_pd(_mm256_load_pd(acc), r)); }
    QUORVEL_AVX2 static void subtractRow(double* acc, Row r)
    {
        _mm256_store_pd(acc, _mm256_sub_pd(_mm256_load_pd(acc), r));
    }
    QUORVEL_AVX2 static Sums loadSums(const double* acc) { return V(_mm256_load_pd(acc)); }
    QUORVEL_AVX2 static void storeSums(double* acc, Sums s) { _mm256_store_pd(acc, __m256d(s)); }
    QUORVEL_AVX2 static void addOwnTerms(const fastkernel::PairTerms<V>& t, Sums& ai)
    {
        V ti[4];
        transpose(t.ix, t.iy, t.iz, t.halfEnergy, ti[0], ti[1], ti[2], ti[3]);
        ai = (((ai + ti[0]) + ti[1]) + ti[2]) + ti[3];
    }
    // The partner's energy sum receives +halfEnergy: subtracting
    // -halfEnergy is the same operation, so one subtraction serves all four.
    QUORVEL_AVX2 static void scatterTerms(const fastkernel::PairTerms<V>& t, double (*acc4)[4], const int* j)
    {
        V tj[4];
        transpose(t.jx, t.jy, t.jz, -t.halfEnergy, tj[0], tj[1], tj[2], tj[3]);
        for (int lane = 0; lane < 4; lane++)
            _mm256_store_pd(acc4[j[lane]], _mm256_sub_pd(_mm256_load_pd(acc4[j[lane]]), __m256d(tj[lane])));
    }
};

}  // namespace

QUORVEL_AVX2 __attribute__((flatten)) int CFastEngine::forceRowAvx2(int n, const RowConstants& rc, const int* nbr,
                                                                   int count, const double (*pos4)[4],
                                                                   double (*acc4)[4], int* near, bool scatter,
                                                                   double* virial)
{
    return fastkernel::forceRow<Lanes4>(n, rc, nbr, count, pos4, acc4, near, scatter, virial);
}

// Four partners at a time, reading up to three ranks past count (the lists
// are padded); the bits beyond count are cleared.
namespace {
// A separation component by the minimum image (fastkernel::minimumImage).
__attribute__((target("avx2"), always_inline)) inline V minimumImage4(V d, V half, V width)
{
    V wrapped = _mm256_blendv_pd(d, _mm256_sub_pd(d, width), _mm256_cmp_pd(d, half, _CMP_GT_OQ));
    V negHalf = _mm256_sub_pd(_mm256_setzero_pd(), half);
    return _mm256_blendv_pd(wrapped, _mm256_add_pd(d, width), _mm256_cmp_pd(d, negHalf, _CMP_LT_OQ));
}

template <bool kPeriodic>
__attribute__((target("avx2"), always_inline)) inline std::uint64_t closerMaskLanes(const double* xi, const int* nbr,
                                                                                 int count, const double* limit2,
                                                                                 const double (*pos4)[4], double h,
                                                                                 double w)
{
    const V half = _mm256_set1_pd(h), width = _mm256_set1_pd(w);
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
        if (kPeriodic) {
            dx = minimumImage4(dx, half, width);
            dy = minimumImage4(dy, half, width);
            dz = minimumImage4(dz, half, width);
        }
        V r2 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
        V low = _mm256_blendv_pd(l0, l1, _mm256_cmp_pd(type, one, _CMP_GE_OQ));
        V high = _mm256_blendv_pd(l2, l3, _mm256_cmp_pd(type, three, _CMP_GE_OQ));
        V limit = _mm256_blendv_pd(low, high, _mm256_cmp_pd(type, two, _CMP_GE_OQ));
        bits |= std::uint64_t(_mm256_movemask_pd(_mm256_cmp_pd(r2, limit, _CMP_LT_OQ))) << p;
    }
    return count < 64 ? bits & ((std::uint64_t(1) << count) - 1) : bits;
}
}  // namespace

__attribute__((target("avx2"))) std::uint64_t CFastEngine::closerMaskAvx2(const double* xi, const int* nbr,
                                                                         int count, const double* limit2,
                                                                         const double (*pos4)[4], const BoxShape& box)
{
    if (box.periodic) return closerMaskLanes<true>(xi, nbr, count, limit2, pos4, box.halfWidth, box.width);
    return closerMaskLanes<false>(xi, nbr, count, limit2, pos4, 0.0, 0.0);
}

namespace {
template <bool kPeriodic>
__attribute__((target("avx2"), always_inline)) inline int nextContactLanes(int q, int end, const int* owner,
                                                                        const int* partner, const double (*pos4)[4],
                                                                        const double* reach2, double h, double w)
{
    const V half = _mm256_set1_pd(h), width = _mm256_set1_pd(w);
    const V four = _mm256_set1_pd(4.0);
    for (; q < end; q += 4) {
        V ax, ay, az, at, bx, by, bz, bt;
        transpose(_mm256_load_pd(pos4[owner[q]]), _mm256_load_pd(pos4[owner[q + 1]]), _mm256_load_pd(pos4[owner[q + 2]]),
                  _mm256_load_pd(pos4[owner[q + 3]]), ax, ay, az, at);
        transpose(_mm256_load_pd(pos4[partner[q]]), _mm256_load_pd(pos4[partner[q + 1]]),
                  _mm256_load_pd(pos4[partner[q + 2]]), _mm256_load_pd(pos4[partner[q + 3]]), bx, by, bz, bt);
        V dx = _mm256_sub_pd(ax, bx), dy = _mm256_sub_pd(ay, by), dz = _mm256_sub_pd(az, bz);
        if (kPeriodic) {
            dx = minimumImage4(dx, half, width);
            dy = minimumImage4(dy, half, width);
            dz = minimumImage4(dz, half, width);
        }
        V r2 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
        // Four loads rather than a gather, which is slower.
        alignas(16) int type[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(type),
                        _mm256_cvttpd_epi32(_mm256_add_pd(_mm256_mul_pd(at, four), bt)));  // small integers: exact
        V reach = _mm256_setr_pd(reach2[type[0]], reach2[type[1]], reach2[type[2]], reach2[type[3]]);
        int inRange = end - q < 4 ? (1 << (end - q)) - 1 : 15;
        int closer = _mm256_movemask_pd(_mm256_cmp_pd(r2, reach, _CMP_LT_OQ)) & inRange;
        if (closer != 0) return q + __builtin_ctz(closer);
    }
    return end;
}
}  // namespace

// Four pairs at a time; lanes past end are left out. Reads up to three
// entries past end (the lists are padded).
__attribute__((target("avx2"))) int CFastEngine::nextContactAvx2(int q, int end, const int* owner, const int* partner,
                                                               const double (*pos4)[4], const double* reach2,
                                                               const BoxShape& box)
{
    if (box.periodic) return nextContactLanes<true>(q, end, owner, partner, pos4, reach2, box.halfWidth, box.width);
    return nextContactLanes<false>(q, end, owner, partner, pos4, reach2, 0.0, 0.0);
}

namespace {

constexpr LaneCompressTable<8, 1> kCompress8;

// Eight atoms of the cell order at a time, in single precision and cells
// (the arrays are padded by eight), without branches: most candidates are
// out of reach, in no predictable pattern. Lanes past end are left out, and
// atoms not earlier than the row's where the run holds such atoms.
template <bool kSameReaches, bool kFilterRanks, bool kPeriodic>
__attribute__((target("avx2"), always_inline)) inline void scanRunLanes(RowScan& row, const CellAtoms& atoms)
{
    using F = __m256;
    const F half = _mm256_set1_ps(atoms.halfGrid), width = _mm256_set1_ps(atoms.grid);
    const F negHalf = _mm256_sub_ps(_mm256_setzero_ps(), half);
    auto minimumImage = [&](F d) __attribute__((target("avx2"))) {
        F wrapped = _mm256_blendv_ps(d, _mm256_sub_ps(d, width), _mm256_cmp_ps(d, half, _CMP_GT_OQ));
        return _mm256_blendv_ps(wrapped, _mm256_add_ps(d, width), _mm256_cmp_ps(d, negHalf, _CMP_LT_OQ));
    };
    const F x = _mm256_set1_ps(row.cellX), y = _mm256_set1_ps(row.cellY), z = _mm256_set1_ps(row.cellZ);
    const F f0 = _mm256_set1_ps(row.pairReach2Cells[0]), f1 = _mm256_set1_ps(row.pairReach2Cells[1]);
    const F f2 = _mm256_set1_ps(row.pairReach2Cells[2]), f3 = _mm256_set1_ps(row.pairReach2Cells[3]);
    const F n0 = _mm256_set1_ps(row.contactReach2Cells[0]), n1 = _mm256_set1_ps(row.contactReach2Cells[1]);
    const F n2 = _mm256_set1_ps(row.contactReach2Cells[2]), n3 = _mm256_set1_ps(row.contactReach2Cells[3]);
    const F one = _mm256_set1_ps(1.0f), two = _mm256_set1_ps(2.0f), three = _mm256_set1_ps(3.0f);
    const __m256i self = _mm256_set1_epi32(row.rank);
    int pairCount = row.pairCount, contactCount = row.contactCount;
    for (int run = 0; run < row.runs; run++) {
        for (int q = row.runBegin[run], end = row.runEnd[run]; q < end; q += 8) {
            __m256i ranks = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(atoms.rank + q));
            int inRun = end - q < 8 ? (1 << (end - q)) - 1 : 255;
            if (kFilterRanks) inRun &= _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpgt_epi32(self, ranks)));
            F dx = _mm256_sub_ps(x, _mm256_loadu_ps(atoms.cellX + q));
            F dy = _mm256_sub_ps(y, _mm256_loadu_ps(atoms.cellY + q));
            F dz = _mm256_sub_ps(z, _mm256_loadu_ps(atoms.cellZ + q));
            if (kPeriodic) {
                dx = minimumImage(dx);
                dy = minimumImage(dy);
                dz = minimumImage(dz);
            }
            F r2 = _mm256_add_ps(_mm256_add_ps(_mm256_mul_ps(dx, dx), _mm256_mul_ps(dy, dy)), _mm256_mul_ps(dz, dz));
            F pairReach = f0, contactReach = n0;
            if (!kSameReaches) {
                F type = _mm256_loadu_ps(atoms.cellType + q);
                F atLeast1 = _mm256_cmp_ps(type, one, _CMP_GE_OQ), atLeast2 = _mm256_cmp_ps(type, two, _CMP_GE_OQ);
                F atLeast3 = _mm256_cmp_ps(type, three, _CMP_GE_OQ);
                pairReach = _mm256_blendv_ps(_mm256_blendv_ps(f0, f1, atLeast1), _mm256_blendv_ps(f2, f3, atLeast3),
                                             atLeast2);
                contactReach = _mm256_blendv_ps(_mm256_blendv_ps(n0, n1, atLeast1), _mm256_blendv_ps(n2, n3, atLeast3),
                                                atLeast2);
            }
            int pair = _mm256_movemask_ps(_mm256_cmp_ps(r2, pairReach, _CMP_LE_OQ)) & inRun;
            int contact = _mm256_movemask_ps(_mm256_cmp_ps(r2, contactReach, _CMP_LE_OQ)) & inRun;
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(row.pairFound + pairCount),
                                _mm256_permutevar8x32_epi32(ranks, _mm256_load_si256(reinterpret_cast<const __m256i*>(kCompress8.index[pair]))));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(row.contactFound + contactCount),
                                _mm256_permutevar8x32_epi32(ranks, _mm256_load_si256(reinterpret_cast<const __m256i*>(kCompress8.index[contact]))));
            pairCount += __builtin_popcount(pair);
            contactCount += __builtin_popcount(contact);
        }
    }
    row.pairCount = pairCount;
    row.contactCount = contactCount;
}

}  // namespace

__attribute__((target("avx2"))) void CFastEngine::scanRunsAvx2(RowScan& row, const CellAtoms& atoms)
{
    if (atoms.periodic) {
        if (row.filterRanks) {
            if (row.sameReaches) scanRunLanes<true, true, true>(row, atoms);
            else scanRunLanes<false, true, true>(row, atoms);
        } else {
            if (row.sameReaches) scanRunLanes<true, false, true>(row, atoms);
            else scanRunLanes<false, false, true>(row, atoms);
        }
        return;
    }
    if (row.filterRanks) {
        if (row.sameReaches) scanRunLanes<true, true, false>(row, atoms);
        else scanRunLanes<false, true, false>(row, atoms);
    } else {
        if (row.sameReaches) scanRunLanes<true, false, false>(row, atoms);
        else scanRunLanes<false, false, false>(row, atoms);
    }
}

QUORVEL_AVX2 __attribute__((flatten)) void CFastEngine::forceStreamAvx2(const ForceStream& fs, const PairTable& pt,
                                                                       const FloorTerms& floor,
                                                                       const double (*pos4)[4], double (*acc4)[4],
                                                                       ForceScratch& sc)
{
    fastkernel::forceStream<Lanes4>(fs, pt, floor, pos4, acc4, sc);
}

namespace {
// The energy pairing of one row on four lanes, as on eight (pairNearLanes):
// the partners whose change has the other sign are picked 64 at a time,
// then paired in row order until the row's change is spent. Reads ranks up
// to three entries past count (the room is padded), whose lanes are masked
// off.
template <bool kPositive>
QUORVEL_AVX2 inline double pairNearLanes4(double dEk, const int* near, int count, double* dE)
{
    const V zero = _mm256_setzero_pd();
    const __m128i lane = _mm_setr_epi32(0, 1, 2, 3);
    for (int first = 0; first < count; first += 64) {
        std::uint64_t other = 0;
        for (int p = first; p < count && p < first + 64; p += 4) {
            __m128i inRow32 = _mm_cmpgt_epi32(_mm_set1_epi32(count - p), lane);
            V inRow = _mm256_castsi256_pd(_mm256_cvtepi32_epi64(inRow32));
            // Four loads rather than a gather, which is slower; the lanes past
            // the row read the change of rank 0.
            alignas(16) int ranks[4];
            _mm_store_si128(reinterpret_cast<__m128i*>(ranks),
                            _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(near + p)), inRow32));
            V b = _mm256_setr_pd(dE[ranks[0]], dE[ranks[1]], dE[ranks[2]], dE[ranks[3]]);
            V picked = kPositive ? _mm256_cmp_pd(b, zero, _CMP_LT_OQ) : _mm256_cmp_pd(b, zero, _CMP_GT_OQ);
            other |= std::uint64_t(_mm256_movemask_pd(_mm256_and_pd(picked, inRow))) << (p - first);
        }
        for (; other; other &= other - 1)
            if (fastenergy::absorbOtherSign<kPositive>(dEk, dE[near[first + std::countr_zero(other)]]))
                return dEk;
    }
    return dEk;
}
}  // namespace

QUORVEL_AVX2 double CFastEngine::pairRowNearAvx2(double dEk, const int* near, int count, double* dE)
{
    return dEk > 0.0 ? pairNearLanes4<true>(dEk, near, count, dE) : pairNearLanes4<false>(dEk, near, count, dE);
}

bool CFastEngine::avx2Available() { return __builtin_cpu_supports("avx2"); }

#else

int CFastEngine::forceRowAvx2(int, const RowConstants&, const int*, int, const double (*)[4], double (*)[4], int*, bool,
                               double*)
{
    return 0;
}
std::uint64_t CFastEngine::closerMaskAvx2(const double*, const int*, int, const double*, const double (*)[4], const BoxShape&)
{
    return 0;
}
void CFastEngine::scanRunsAvx2(RowScan&, const CellAtoms&) {}
int CFastEngine::nextContactAvx2(int, int end, const int*, const int*, const double (*)[4], const double*, const BoxShape&)
{
    return end;
}
void CFastEngine::forceStreamAvx2(const ForceStream&, const PairTable&, const FloorTerms&, const double (*)[4],
                                  double (*)[4], ForceScratch&) {}
double CFastEngine::pairRowNearAvx2(double dEk, const int*, int, double*) { return dEk; }
bool CFastEngine::avx2Available() { return false; }

#endif
