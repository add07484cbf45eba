// CFastEngine: the force kernel on four pairs at a time (AVX2), chosen at run
// time where the processor has it. Each lane computes the reference's pair
// expression in the reference's order; square root and division are exact
// in every lane as in scalar code, and no multiply-add is fused (the target
// adds AVX2 only, not FMA), so every term has the reference's bits.
#include "CFastEngine.h"

#if defined(__x86_64__)
#include <immintrin.h>

#include <cstdint>
#include <cstring>

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

namespace {

// The pair constants of four lanes: broadcast when every partner type has
// the same, otherwise picked from the table by each lane's partner type.
template <bool kSamePartners>
struct LaneConstants {
    V m, m2, cut2, eps4, eps24, c, b, invmJ, reach2;

    __attribute__((target("avx2"), always_inline)) LaneConstants(const RowConstants& rc, int rowType)
    {
        if (kSamePartners) {
            m = _mm256_set1_pd(rc.m[rowType]);
            m2 = _mm256_set1_pd(rc.m2[rowType]);
            cut2 = _mm256_set1_pd(rc.cut2[rowType]);
            eps4 = _mm256_set1_pd(rc.eps4[rowType]);
            eps24 = _mm256_set1_pd(rc.eps24[rowType]);
            c = _mm256_set1_pd(rc.c[rowType]);
            b = _mm256_set1_pd(rc.b[rowType]);
            invmJ = _mm256_set1_pd(rc.invmJ[rowType]);
            reach2 = _mm256_set1_pd(rc.reach2[rowType]);
        }
    }

    // type holds each lane's partner type (0.0 to 3.0).
    __attribute__((target("avx2"), always_inline)) void pick(const RowConstants& rc, V type)
    {
        if (kSamePartners) return;
        // Lane i takes table element t: the two 32-bit halves 2t and 2t + 1.
        __m256i t = _mm256_cvtepu32_epi64(_mm256_cvttpd_epi32(type));
        __m256i lo = _mm256_slli_epi64(t, 1);
        __m256i index = _mm256_or_si256(lo, _mm256_slli_epi64(_mm256_add_epi64(lo, _mm256_set1_epi64x(1)), 32));
        auto from = [index](const double* table) __attribute__((target("avx2"))) {
            return _mm256_castps_pd(_mm256_permutevar8x32_ps(_mm256_castpd_ps(_mm256_load_pd(table)), index));
        };
        m = from(rc.m);
        m2 = from(rc.m2);
        cut2 = from(rc.cut2);
        eps4 = from(rc.eps4);
        eps24 = from(rc.eps24);
        c = from(rc.c);
        b = from(rc.b);
        invmJ = from(rc.invmJ);
        reach2 = from(rc.reach2);
    }
};

// A byte of 0 or 1 for each bit of a four-bit mask.
struct ByteTable4 {
    std::uint32_t bytes[16];
    constexpr ByteTable4() : bytes()
    {
        for (int mask = 0; mask < 16; mask++)
            for (int lane = 0; lane < 4; lane++)
                if (mask >> lane & 1) bytes[mask] |= std::uint32_t(1) << (8 * lane);
    }
};
constexpr ByteTable4 kBytes4;

// Atom n's sums (acc4[n]: x, y, z, energy) receive the terms of its partners
// in list order; each partner's sums receive theirs. A pair that does not
// act, and a lane past the row's end, contributes +0.0, which leaves every
// sum as it is: the sums start at +0.0 and, being sums of +0.0 and other
// values, are never -0.0. The acceptance test is the reference's, NaN
// included: a pair acts unless r2 <= m2 or r2 > cut2 (infinite for charged
// pairs). Lanes past the end read the padding's ranks and subtract +0.0
// from them, one lane after the other, so even a repeated rank is updated
// in order.
template <bool kSamePartners>
__attribute__((target("avx2"), always_inline)) inline void forceRowLanes(int n, const RowConstants& rc, const int* nbr,
                                                                     int count, const double (*pos4)[4],
                                                                     double (*acc4)[4], unsigned char* inReach)
{
    const V x = _mm256_set1_pd(pos4[n][0]), y = _mm256_set1_pd(pos4[n][1]), z = _mm256_set1_pd(pos4[n][2]);
    LaneConstants<kSamePartners> k(rc, static_cast<int>(pos4[n][3]));
    const V invmI = _mm256_set1_pd(rc.invmI);
    const V one = _mm256_set1_pd(1.0), two = _mm256_set1_pd(2.0), twelve = _mm256_set1_pd(12.0);
    const V half = _mm256_set1_pd(0.5);  // energy / 2.0: the same bits, halving is exact
    const V signBit = _mm256_set1_pd(-0.0);
    const V laneIndex = _mm256_set_pd(3.0, 2.0, 1.0, 0.0);
    V ai = _mm256_load_pd(acc4[n]);
    for (int p = 0; p < count; p += 4) {
        int j0 = nbr[p], j1 = nbr[p + 1], j2 = nbr[p + 2], j3 = nbr[p + 3];
        V bx, by, bz, type;
        transpose(_mm256_load_pd(pos4[j0]), _mm256_load_pd(pos4[j1]), _mm256_load_pd(pos4[j2]),
                  _mm256_load_pd(pos4[j3]), bx, by, bz, type);
        k.pick(rc, type);
        V dx = _mm256_sub_pd(x, bx), dy = _mm256_sub_pd(y, by), dz = _mm256_sub_pd(z, bz);
        V r2 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
        V inRow = _mm256_cmp_pd(laneIndex, _mm256_set1_pd(static_cast<double>(count - p)), _CMP_LT_OQ);
        V acts = _mm256_and_pd(inRow, _mm256_cmp_pd(r2, k.m2, _CMP_NLE_UQ));
        acts = _mm256_andnot_pd(_mm256_cmp_pd(r2, k.cut2, _CMP_GT_OQ), acts);
        int near = _mm256_movemask_pd(_mm256_and_pd(inRow, _mm256_cmp_pd(r2, k.reach2, _CMP_LT_OQ)));
        std::memcpy(inReach + p, &kBytes4.bytes[near], 4);
        V r = _mm256_sqrt_pd(r2);
        V invR = _mm256_div_pd(one, r);
        dx = _mm256_mul_pd(dx, invR);
        dy = _mm256_mul_pd(dy, invR);
        dz = _mm256_mul_pd(dz, invR);
        V sa = _mm256_mul_pd(k.m, invR);
        V pp = _mm256_mul_pd(sa, sa);
        V s6 = _mm256_mul_pd(_mm256_mul_pd(pp, pp), pp);
        V s12 = _mm256_mul_pd(s6, s6);
        V energy = _mm256_add_pd(
            _mm256_add_pd(_mm256_mul_pd(k.eps4, _mm256_sub_pd(s12, s6)), _mm256_mul_pd(invR, k.c)),
            _mm256_mul_pd(k.b, s12));
        V force = _mm256_add_pd(
            _mm256_add_pd(_mm256_mul_pd(_mm256_mul_pd(k.eps24, invR), _mm256_sub_pd(_mm256_mul_pd(two, s12), s6)),
                          _mm256_mul_pd(_mm256_mul_pd(invR, invR), k.c)),
            _mm256_mul_pd(_mm256_mul_pd(_mm256_mul_pd(twelve, invR), k.b), s12));
        V fi = _mm256_mul_pd(invmI, force), fj = _mm256_mul_pd(k.invmJ, force);
        V he = _mm256_and_pd(acts, _mm256_mul_pd(energy, half));
        V tix = _mm256_and_pd(acts, _mm256_mul_pd(dx, fi));
        V tiy = _mm256_and_pd(acts, _mm256_mul_pd(dy, fi));
        V tiz = _mm256_and_pd(acts, _mm256_mul_pd(dz, fi));
        V tjx = _mm256_and_pd(acts, _mm256_mul_pd(dx, fj));
        V tjy = _mm256_and_pd(acts, _mm256_mul_pd(dy, fj));
        V tjz = _mm256_and_pd(acts, _mm256_mul_pd(dz, fj));
        V ti0, ti1, ti2, ti3, tj0, tj1, tj2, tj3;
        transpose(tix, tiy, tiz, he, ti0, ti1, ti2, ti3);
        // The partner's energy sum receives +he: subtracting -he is the same
        // operation, so one subtraction serves all four sums.
        transpose(tjx, tjy, tjz, _mm256_xor_pd(he, signBit), tj0, tj1, tj2, tj3);
        ai = _mm256_add_pd(_mm256_add_pd(_mm256_add_pd(_mm256_add_pd(ai, ti0), ti1), ti2), ti3);
        _mm256_store_pd(acc4[j0], _mm256_sub_pd(_mm256_load_pd(acc4[j0]), tj0));
        _mm256_store_pd(acc4[j1], _mm256_sub_pd(_mm256_load_pd(acc4[j1]), tj1));
        _mm256_store_pd(acc4[j2], _mm256_sub_pd(_mm256_load_pd(acc4[j2]), tj2));
        _mm256_store_pd(acc4[j3], _mm256_sub_pd(_mm256_load_pd(acc4[j3]), tj3));
    }
    _mm256_store_pd(acc4[n], ai);
}

}  // namespace

__attribute__((target("avx2"))) void CFastEngine::forceRowAvx2(int n, const RowConstants& rc, const int* nbr,
                                                               int count, const double (*pos4)[4],
                                                               double (*acc4)[4], unsigned char* inReach)
{
    if (rc.samePartners) forceRowLanes<true>(n, rc, nbr, count, pos4, acc4, inReach);
    else forceRowLanes<false>(n, rc, nbr, count, pos4, acc4, inReach);
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

namespace {

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

// Four atoms of the cell order at a time (the arrays are padded), without
// branches: most candidates are out of reach, in no predictable pattern.
// Lanes past end and atoms not later than the row's are left out.
template <bool kSameReaches>
__attribute__((target("avx2"), always_inline)) inline void scanCellLanes(RowScan& row, const CellAtoms& atoms,
                                                                          int begin, int end)
{
    const V x = _mm256_set1_pd(row.x), y = _mm256_set1_pd(row.y), z = _mm256_set1_pd(row.z);
    const V f0 = _mm256_set1_pd(row.forceReach2[0]), f1 = _mm256_set1_pd(row.forceReach2[1]);
    const V f2 = _mm256_set1_pd(row.forceReach2[2]), f3 = _mm256_set1_pd(row.forceReach2[3]);
    const V n0 = _mm256_set1_pd(row.nearReach2[0]), n1 = _mm256_set1_pd(row.nearReach2[1]);
    const V n2 = _mm256_set1_pd(row.nearReach2[2]), n3 = _mm256_set1_pd(row.nearReach2[3]);
    const V one = _mm256_set1_pd(1.0), two = _mm256_set1_pd(2.0), three = _mm256_set1_pd(3.0);
    const __m128i self = _mm_set1_epi32(row.slot);
    int forceCount = row.forceCount, nearCount = row.nearCount;
    for (int q = begin; q < end; q += 4) {
        __m128i slots = _mm_loadu_si128(reinterpret_cast<const __m128i*>(atoms.slot + q));
        int later = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpgt_epi32(slots, self)));
        later &= end - q < 4 ? (1 << (end - q)) - 1 : 15;
        V dx = _mm256_sub_pd(x, _mm256_loadu_pd(atoms.x + q));
        V dy = _mm256_sub_pd(y, _mm256_loadu_pd(atoms.y + q));
        V dz = _mm256_sub_pd(z, _mm256_loadu_pd(atoms.z + q));
        V r2 = _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(dx, dx), _mm256_mul_pd(dy, dy)), _mm256_mul_pd(dz, dz));
        V forceReach = f0, nearReach = n0;
        if (!kSameReaches) {
            V type = _mm256_loadu_pd(atoms.type + q);
            V atLeast1 = _mm256_cmp_pd(type, one, _CMP_GE_OQ), atLeast2 = _mm256_cmp_pd(type, two, _CMP_GE_OQ);
            V atLeast3 = _mm256_cmp_pd(type, three, _CMP_GE_OQ);
            forceReach = _mm256_blendv_pd(_mm256_blendv_pd(f0, f1, atLeast1), _mm256_blendv_pd(f2, f3, atLeast3),
                                          atLeast2);
            nearReach = _mm256_blendv_pd(_mm256_blendv_pd(n0, n1, atLeast1), _mm256_blendv_pd(n2, n3, atLeast3),
                                         atLeast2);
        }
        int force = _mm256_movemask_pd(_mm256_cmp_pd(r2, forceReach, _CMP_LE_OQ)) & later;
        int near = _mm256_movemask_pd(_mm256_cmp_pd(r2, nearReach, _CMP_LE_OQ)) & later;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row.forceFound + forceCount),
                         _mm_shuffle_epi8(slots, _mm_load_si128(reinterpret_cast<const __m128i*>(kCompress.shuffle[force]))));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row.nearFound + nearCount),
                         _mm_shuffle_epi8(slots, _mm_load_si128(reinterpret_cast<const __m128i*>(kCompress.shuffle[near]))));
        forceCount += __builtin_popcount(force);
        nearCount += __builtin_popcount(near);
    }
    row.forceCount = forceCount;
    row.nearCount = nearCount;
}

}  // namespace

__attribute__((target("avx2"))) void CFastEngine::scanCellAvx2(RowScan& row, const CellAtoms& atoms, int begin,
                                                               int end)
{
    if (row.sameReaches) scanCellLanes<true>(row, atoms, begin, end);
    else scanCellLanes<false>(row, atoms, begin, end);
}

bool CFastEngine::avx2Available() { return __builtin_cpu_supports("avx2"); }

#else

void CFastEngine::forceRowAvx2(int, const RowConstants&, const int*, int, const double (*)[4], double (*)[4],
                               unsigned char*) {}
std::uint64_t CFastEngine::closerMaskAvx2(const double*, const int*, int, const double*, const double (*)[4]) { return 0; }
void CFastEngine::scanCellAvx2(RowScan&, const CellAtoms&, int, int) {}
bool CFastEngine::avx2Available() { return false; }

#endif
