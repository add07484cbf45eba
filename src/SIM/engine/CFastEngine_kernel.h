// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the force pass's pair formula and row loop, written once for
// any lane width. A lane set (Lanes1 here, four and eight lanes beside the
// vector kernels) supplies the value and mask types and the few operations
// that depend on the width: loading partners, picking pair constants,
// square root, and adding the terms to the sums. Everything else is plain
// arithmetic on values, one lane or many, in the reference's order.
//
// Why every lane has the reference's bits: square root and division are
// correctly rounded in every width, no multiply-add is fused (the build turns
// contraction off), and each sum receives its terms one after the other in
// list order. Include this header in one source file per lane width only,
// and call forceRowLanes from a function marked flatten with that width's
// target, so that the whole loop is compiled for it.
#pragma once

// The row loop is compiled only inside each width's flattened entry point, so
// no vector value crosses a call with the default ABI.
#pragma GCC diagnostic ignored "-Wpsabi"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "SIM/engine/CFastEngine.h"

namespace fastkernel {

// The pair constants of every lane.
template <class V>
struct PairLaneConstants {
    V m, m2, cut2, eps4, eps24, c, b, invmJ, reach2, invmI;
};

// One pair's terms: atom i's acceleration terms, its partner j's, and half the
// pair's energy (which each of the two receives).
template <class V>
struct PairTerms {
    V ix, iy, iz, jx, jy, jz, halfEnergy;
    V virial;  // force * r, where the kernel forms it (kVirial)
};

// The reference's pair expression (CSimulation::MDCALCCalcAcc with
// MDCALCpot), given the separation d = loc_i - loc_j and its length r.
// eps4, eps24, c and b are the reference's 4.0 * eps, 24.0 * eps,
// q1 * q2 * kCoulomb and |c * kCoreFactor / sigma|, formed alike, so the
// products below associate exactly as the reference's do.
//
// Without charges (kCharged false: c and b are zeros, and m is not so small
// that 1 / r could overflow) the Coulomb and core terms are zeros: adding
// them changes at most the sign of a zero energy or force, and the sums
// these feed, never -0.0, receive a zero of either sign alike. So they are
// left out, with the same bits in every sum (the virial's sums included).
// With kVirial the pair's virial w = force * r is formed too.
template <class V, bool kCharged = true, bool kVirial = false>
inline void pairTerms(const V& dx, const V& dy, const V& dz, const V& r, const PairLaneConstants<V>& k,
                      PairTerms<V>& out)
{
    V invR = 1.0 / r;
    V ux = dx * invR, uy = dy * invR, uz = dz * invR;  // direction.divs(r) multiplies by 1 / r
    V sa = k.m * invR;
    V p = sa * sa;
    V s6 = p * p * p;
    V s12 = s6 * s6;
    V energy, force;
    if (kCharged) {
        energy = k.eps4 * (s12 - s6) + invR * k.c + k.b * s12;
        force = k.eps24 * invR * (2.0 * s12 - s6) + invR * invR * k.c + 12.0 * invR * k.b * s12;
    } else {
        energy = k.eps4 * (s12 - s6);
        force = k.eps24 * invR * (2.0 * s12 - s6);
    }
    V fi = k.invmI * force, fj = k.invmJ * force;
    out.ix = ux * fi;
    out.iy = uy * fi;
    out.iz = uz * fi;
    out.jx = ux * fj;
    out.jy = uy * fj;
    out.jz = uz * fj;
    out.halfEnergy = energy / 2.0;
    if (kVirial) out.virial = force * r;
}

// A separation component by the minimum image in a periodic box of the
// given half width and width: d - w above h, d + w below -h, else d, each
// lane chosen, never masked into the arithmetic (that would turn -0.0 into
// +0.0); the same bits as the reference's branches.
template <class L>
inline typename L::V minimumImage(const typename L::V& d, const typename L::V& half, const typename L::V& width)
{
    return L::select(L::below(d, -half), d + width, L::select(L::above(d, half), d - width, d));
}

// A block of a row's acting partners, moved to the front in row order: their
// separations from the row's atom, squared lengths, types and ranks.
struct ActingPartners {
    static constexpr int kBlock = 128;
    alignas(64) double dx[kBlock + 16], dy[kBlock + 16], dz[kBlock + 16], r2[kBlock + 16], type[kBlock + 16];
    alignas(64) int partner[kBlock + 16];
};

// Atom n's row of partners (ranks nbr[0..count)), a lane set at a time: atom
// n's sums (acc4[n]: x, y, z, energy) receive its terms in list order and,
// with kScatter, each partner's sums theirs (without, the partners' sums are
// not touched at all, so another thread may own them). A pair acts unless
// r2 <= m2 or r2 > cut2 (infinite for charged pairs), NaN included, as in the
// reference. The ranks of the partners within energy-pairing reach go to
// near, in row order, and their number is returned: the pairing then visits
// only those. Up to kWidth entries past them may be overwritten, and nbr may
// be read past count (the lists are padded).
//
// Two passes over blocks of the row: the first measures every partner and
// keeps the acting ones (a list holds every partner within its reach plus the
// skin, and about a quarter of a dense row lies beyond the cut-off), the
// second computes and adds the terms of the kept ones only. A pair left out
// is one whose terms the reference leaves out. The second pass computes two
// groups side by side before it adds either's terms (first the first
// group's, then the second's, so every sum receives its terms in list
// order): the two groups' long chains of dependent operations (square root,
// division, powers) then overlap. A lane past the kept pairs contributes
// +0.0, which leaves every sum as it is: the sums start at +0.0 and, being
// sums of +0.0 and other values, are never -0.0.
//
// kPeriodic: separations by the minimum image, and the row's virial (the
// sum of its acting pairs' w in list order, from +0.0) stored to *virial. It
// is a scalar chain beside the row's sums, each group's lanes added in lane
// order, so the two chains overlap.
template <class L, bool kSamePartners, bool kScatter, bool kCharged = true, bool kPeriodic = false>
inline int forceRowLanes(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                         double (*acc4)[4], int* near, double* virial)
{
    using V = typename L::V;
    const V x = L::splat(pos4[n][0]), y = L::splat(pos4[n][1]), z = L::splat(pos4[n][2]);
    const V half = L::splat(rc.halfWidth), width = L::splat(rc.width);
    double rowVirial = 0.0;
    const int rowType = static_cast<int>(pos4[n][3]);
    PairLaneConstants<V> k;
    if (kSamePartners) L::sameConstants(rc, rowType, k);
    typename L::Sums ai = L::loadSums(acc4[n]);
    ActingPartners ap;
    int nearCount = 0;
    for (int first = 0; first < count; first += ActingPartners::kBlock) {
        const int last = std::min(first + ActingPartners::kBlock, count);
        int kept = 0;
        auto measure = [&](int p, int left) {
            V bx, by, bz, type;
            L::loadPartners(pos4, nbr + p, bx, by, bz, type);
            if (!kSamePartners) L::pickConstants(rc, type, k);
            V dx = x - bx, dy = y - by, dz = z - bz;
            if (kPeriodic) {
                dx = minimumImage<L>(dx, half, width);
                dy = minimumImage<L>(dy, half, width);
                dz = minimumImage<L>(dz, half, width);
            }
            V r2 = dx * dx + dy * dy + dz * dz;
            nearCount += L::keepWithin(near + nearCount, nbr + p, r2, k.reach2, left);
            kept += L::template keepActingPartners<!kSamePartners>(L::acting(r2, k.m2, k.cut2, left), nbr + p, dx, dy,
                                                                   dz, r2, type, ap, kept);
        };
        int p = first;
        // Whole groups with a constant width, so that no lane mask is formed.
        for (; p + L::kWidth <= last; p += L::kWidth) measure(p, L::kWidth);
        if (p < last) measure(p, last - p);
        // The lanes past the last kept pair are computed too, then dropped:
        // give them a harmless type and length, and the row's own atom as
        // partner. Whole groups are scattered (a test of each lane against
        // the row's end would go either way at random); the +0.0 terms these
        // lanes subtract change no sum, and the row's sums are stored over
        // its atom's at the end.
        for (int q = kept; q < kept + 2 * L::kWidth; q++) {
            if (!kSamePartners) ap.type[q] = rowType;
            ap.dx[q] = ap.dy[q] = ap.dz[q] = ap.r2[q] = 1.0;
            ap.partner[q] = n;
        }
        auto terms = [&](int q, PairLaneConstants<V>& kq, PairTerms<V>& t) {
            if (!kSamePartners) L::pickConstants(rc, L::load(ap.type + q), kq);
            pairTerms<V, kCharged, kPeriodic>(L::load(ap.dx + q), L::load(ap.dy + q), L::load(ap.dz + q),
                                              L::sqrt(L::load(ap.r2 + q)), kq, t);
        };
        auto addOwn = [&](const PairTerms<V>& t) {
            L::addOwnTerms(t, ai);
            if (kPeriodic) L::addLanes(t.virial, rowVirial);
        };
        int q = 0;
        PairLaneConstants<V> k2 = k;
        for (; q + 2 * L::kWidth <= kept; q += 2 * L::kWidth) {
            PairTerms<V> a, b;
            terms(q, k, a);
            terms(q + L::kWidth, k2, b);
            addOwn(a);
            addOwn(b);
            if (kScatter) {
                L::scatterTerms(a, acc4, ap.partner + q);
                L::scatterTerms(b, acc4, ap.partner + q + L::kWidth);
            }
        }
        // The last one or two groups, the lanes past the kept pairs dropped.
        auto dropPast = [](PairTerms<V>& t, int left) {
            typename L::M inRow = L::inRow(left);
            t.ix = L::keep(inRow, t.ix);
            t.iy = L::keep(inRow, t.iy);
            t.iz = L::keep(inRow, t.iz);
            t.jx = L::keep(inRow, t.jx);
            t.jy = L::keep(inRow, t.jy);
            t.jz = L::keep(inRow, t.jz);
            t.halfEnergy = L::keep(inRow, t.halfEnergy);
            if (kPeriodic) t.virial = L::keep(inRow, t.virial);
        };
        if (kept - q > L::kWidth) {
            PairTerms<V> a, b;
            terms(q, k, a);
            terms(q + L::kWidth, k2, b);
            dropPast(b, kept - q - L::kWidth);
            addOwn(a);
            addOwn(b);
            if (kScatter) {
                L::scatterTerms(a, acc4, ap.partner + q);
                L::scatterTerms(b, acc4, ap.partner + q + L::kWidth);
            }
        } else if (kept > q) {
            PairTerms<V> a;
            terms(q, k, a);
            dropPast(a, kept - q);
            addOwn(a);
            if (kScatter) L::scatterTerms(a, acc4, ap.partner + q);
        }
    }
    L::storeSums(acc4[n], ai);
    if (kPeriodic) *virial = rowVirial;
    return nearCount;
}

// One lane: the portable kernel, plain scalar code. In the wider sets, lanes
// from `left` on lie past the row's end: they never act, nor are they marked or kept.
struct Lanes1 {
    static constexpr int kWidth = 1;
    using V = double;
    using M = bool;
    struct Sums {
        double v[4];
    };

    static V splat(double value) { return value; }
    static V sqrt(V value) { return std::sqrt(value); }
    // Whether the pair acts: not r2 <= m2, not r2 > cut2.
    static M acting(V r2, V m2, V cut2, int) { return !(r2 <= m2) && !(r2 > cut2); }
    static M inRow(int left) { return left > 0; }
    static V keep(M acts, V value) { return acts ? value : 0.0; }
    static M above(V a, V b) { return a > b; }
    static M below(V a, V b) { return a < b; }
    static V select(M which, V yes, V no) { return which ? yes : no; }
    // Adds the lanes to the sum, in lane order.
    static void addLanes(V value, double& sum) { sum += value; }
    static void store(double* p, V value) { *p = value; }
    static int keepWithin(int* out, const int* nbr, V r2, V reach2, int)
    {
        *out = nbr[0];
        return r2 < reach2 ? 1 : 0;
    }
    static void loadPartners(const double (*pos4)[4], const int* j, V& x, V& y, V& z, V& type)
    {
        const double* b = pos4[j[0]];
        x = b[0];
        y = b[1];
        z = b[2];
        type = b[3];
    }
    static void sameConstants(const RowConstants& rc, int u, PairLaneConstants<V>& k)
    {
        k = {rc.m[u], rc.m2[u], rc.cut2[u], rc.eps4[u], rc.eps24[u], rc.c[u], rc.b[u], rc.invmJ[u], rc.reach2[u], rc.invmI};
    }
    static void pickConstants(const RowConstants& rc, V type, PairLaneConstants<V>& k)
    {
        sameConstants(rc, static_cast<int>(type), k);
    }
    static Sums loadSums(const double* acc)
    {
        Sums s;
        std::memcpy(s.v, acc, sizeof s.v);
        return s;
    }
    static void storeSums(double* acc, const Sums& s) { std::memcpy(acc, s.v, sizeof s.v); }
    static V load(const double* p) { return *p; }
    static void sameConstants(const PairTable& pt, PairLaneConstants<V>& k) { pickConstants(pt, 0.0, k); }
    static void pickConstants(const PairTable& pt, V type, PairLaneConstants<V>& k)
    {
        int e = static_cast<int>(type);
        k = {pt.m[e], pt.m2[e], pt.cut2[e], pt.eps4[e], pt.eps24[e], pt.c[e], pt.b[e], pt.invmJ[e], pt.reach2[e],
             pt.invmI[e]};
    }
    // Stored whether it acts or not; counted only if it does (sc: a
    // ForceScratch or ActingPartners).
    template <bool kWithTypes, class S>
    static int keepActingPartners(M acts, const int* partner, V dx, V dy, V dz, V r2, V type, S& sc, int at)
    {
        sc.dx[at] = dx;
        sc.dy[at] = dy;
        sc.dz[at] = dz;
        sc.r2[at] = r2;
        if (kWithTypes) sc.type[at] = type;
        sc.partner[at] = partner[0];
        return acts ? 1 : 0;
    }
    template <bool kWithTypes>
    static int keepActing(M acts, const int* owner, const int* partner, V dx, V dy, V dz, V r2, V type,
                          ForceScratch& sc, int at)
    {
        sc.owner[at] = owner[0];
        return keepActingPartners<kWithTypes>(acts, partner, dx, dy, dz, r2, type, sc, at);
    }
    // A pair's terms as rows of four (x, y, z, energy): the owner's +terms
    // and the partner's -terms. The partner's energy sum receives
    // +halfEnergy: subtracting -halfEnergy is the same operation.
    struct Row {
        double v[4];
    };
    static void termRows(const PairTerms<V>& t, Row* own, Row* other)
    {
        own[0] = {{t.ix, t.iy, t.iz, t.halfEnergy}};
        other[0] = {{t.jx, t.jy, t.jz, -t.halfEnergy}};
    }
    static void addRow(double* acc, const Row& r)
    {
        for (int c = 0; c < 4; c++) acc[c] += r.v[c];
    }
    static void subtractRow(double* acc, const Row& r)
    {
        for (int c = 0; c < 4; c++) acc[c] -= r.v[c];
    }
    static void addOwnTerms(const PairTerms<V>& t, Sums& ai)
    {
        ai.v[0] += t.ix;
        ai.v[1] += t.iy;
        ai.v[2] += t.iz;
        ai.v[3] += t.halfEnergy;
    }
    // The partner's energy sum receives +halfEnergy, the others -terms.
    static void scatterTerms(const PairTerms<V>& t, double (*acc4)[4], const int* j)
    {
        double* aj = acc4[j[0]];
        aj[0] -= t.jx;
        aj[1] -= t.jy;
        aj[2] -= t.jz;
        aj[3] += t.halfEnergy;
    }
};

// The row loop's four variants, chosen per row.
template <class L, bool kPeriodic>
inline int forceRowIn(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                      double (*acc4)[4], int* near, bool scatter, double* virial)
{
    if (rc.samePartners && rc.uncharged) {
        if (scatter) return forceRowLanes<L, true, true, false, kPeriodic>(n, rc, nbr, count, pos4, acc4, near, virial);
        return forceRowLanes<L, true, false, false, kPeriodic>(n, rc, nbr, count, pos4, acc4, near, virial);
    }
    if (rc.samePartners) {
        if (scatter) return forceRowLanes<L, true, true, true, kPeriodic>(n, rc, nbr, count, pos4, acc4, near, virial);
        return forceRowLanes<L, true, false, true, kPeriodic>(n, rc, nbr, count, pos4, acc4, near, virial);
    }
    if (scatter) return forceRowLanes<L, false, true, true, kPeriodic>(n, rc, nbr, count, pos4, acc4, near, virial);
    return forceRowLanes<L, false, false, true, kPeriodic>(n, rc, nbr, count, pos4, acc4, near, virial);
}

// The closed box's rows compile as if the periodic box did not exist.
template <class L>
inline int forceRow(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                    double (*acc4)[4], int* near, bool scatter, double* virial)
{
    if (rc.periodic) return forceRowIn<L, true>(n, rc, nbr, count, pos4, acc4, near, scatter, virial);
    return forceRowIn<L, false>(n, rc, nbr, count, pos4, acc4, near, scatter, virial);
}


// ---------------------------------------------------------------- flat kernel
//
// The listed pairs as one stream, whatever the rows' lengths (rows shorter
// than the lanes would leave most of them idle): each lane gathers its own
// atom like its partner. A block of pairs is measured first; the pairs that
// act (in list order) are kept, and only they are computed and added, one
// after the other in list order. A pair that does not act is left out as
// the reference leaves it out. Every atom's sums thus receive the terms of
// its earlier partners (from their rows, before its own in the stream), its
// floor term and then its own row's terms, as in the reference.

// Measures the pairs first..last-1 of the stream; appends those within
// energy-pairing reach to the stream's marked pairs (where it keeps them)
// and keeps the acting ones in sc. Returns how many were kept.
template <class L, bool kSame, bool kPeriodic>
inline int keepActingPairs(const ForceStream& fs, int first, int last, const PairTable& pt,
                           const double (*pos4)[4], ForceScratch& sc)
{
    using V = typename L::V;
    const V half = L::splat(pt.halfWidth), width = L::splat(pt.width);
    PairLaneConstants<V> k;
    if (kSame) L::sameConstants(pt, k);
    int kept = 0;
    MarkedPairs* marked = fs.marked;
    int markedCount = marked ? marked->count : 0;
    for (int q = first; q < last; q += L::kWidth) {
        V ix, iy, iz, it, jx, jy, jz, jt;
        L::loadPartners(pos4, fs.owner + q, ix, iy, iz, it);
        L::loadPartners(pos4, fs.partner + q, jx, jy, jz, jt);
        V type = it * 4.0 + jt;  // small integers: exact
        if (!kSame) L::pickConstants(pt, type, k);
        V dx = ix - jx, dy = iy - jy, dz = iz - jz;
        if (kPeriodic) {
            dx = minimumImage<L>(dx, half, width);
            dy = minimumImage<L>(dy, half, width);
            dz = minimumImage<L>(dz, half, width);
        }
        V r2 = dx * dx + dy * dy + dz * dz;
        if (marked) {
            L::keepWithin(marked->owner + markedCount, fs.owner + q, r2, k.reach2, last - q);
            markedCount += L::keepWithin(marked->partner + markedCount, fs.partner + q, r2, k.reach2, last - q);
        }
        kept += L::template keepActing<!kSame>(L::acting(r2, k.m2, k.cut2, last - q), fs.owner + q, fs.partner + q,
                                               dx, dy, dz, r2, type, sc, kept);
    }
    if (marked) marked->count = markedCount;
    // The lanes past the last kept pair are computed too: give them a
    // harmless pair type and length.
    for (int p = kept; p < kept + L::kWidth; p++) {
        sc.type[p] = 0.0;
        sc.dx[p] = sc.dy[p] = sc.dz[p] = sc.r2[p] = 1.0;
    }
    return kept;
}

// The next atom due its floor term: the first atom from `next` on whose floor
// term acts (lastAtom where none is left).
struct FloorCursor {
    int next;
    int lastAtom;
};

// Adds the floor terms of the atoms from cursor.next up to and including
// `upTo` whose floor term acts, and moves the cursor to the next such atom.
// Called when the stream reaches a row at or past the cursor: every earlier
// row has given its terms then, and no row of these atoms has begun.
inline void addFloorsUpTo(int upTo, const FloorTerms& floor, double (*acc4)[4], FloorCursor& cursor)
{
    int n = cursor.next;
    for (; n <= upTo && n < cursor.lastAtom; n++) {
        if (!floor.acts[n]) continue;
        acc4[n][2] += floor.accel[n];
        acc4[n][3] += floor.energy[n];
    }
    while (n < cursor.lastAtom && !floor.acts[n]) n++;
    cursor.next = n;
}

// The kept pairs' terms, a lane set at a time, added to the sums in list
// order: each lane's owner receives its +terms and its partner its -terms
// before the next lane's. The owner's sums are added to in memory, not held
// while its row lasts: the rows of a sparse system hold two or three pairs,
// and a test for the row's end at every pair would go either way at random.
// Only the floor terms need the row's start, and the atoms whose floor term
// acts are few. With kPeriodic each owner's virial receives the pair's w
// alike, in memory.
template <class L, bool kSame, bool kCharged, bool kPeriodic>
inline void addKeptPairTerms(int kept, const PairTable& pt, const ForceScratch& sc, int scatterEnd,
                             const FloorTerms& floor, double (*acc4)[4], FloorCursor& cursor, double* virial)
{
    using V = typename L::V;
    PairLaneConstants<V> k;
    if (kSame) L::sameConstants(pt, k);
    auto add = [&](int p, int lanes) {
        if (!kSame) L::pickConstants(pt, L::load(sc.type + p), k);
        PairTerms<V> t;
        pairTerms<V, kCharged, kPeriodic>(L::load(sc.dx + p), L::load(sc.dy + p), L::load(sc.dz + p),
                                          L::sqrt(L::load(sc.r2 + p)), k, t);
        typename L::Row own[L::kWidth], other[L::kWidth];
        L::termRows(t, own, other);
        alignas(64) double w[L::kWidth];
        if (kPeriodic) L::store(w, t.virial);
#pragma GCC unroll 8
        for (int lane = 0; lane < L::kWidth; lane++) {
            if (lane == lanes) break;  // never, in whole groups
            int i = sc.owner[p + lane];
            if (i >= cursor.next) addFloorsUpTo(i, floor, acc4, cursor);
            L::addRow(acc4[i], own[lane]);
            if (kPeriodic) virial[i] += w[lane];
            int j = sc.partner[p + lane];
            if (j < scatterEnd) L::subtractRow(acc4[j], other[lane]);
        }
    };
    int p = 0;
    for (; p + L::kWidth <= kept; p += L::kWidth) add(p, L::kWidth);
    if (p < kept) add(p, kept - p);
}

template <class L, bool kSame, bool kCharged, bool kPeriodic>
inline void forceStreamLanes(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor,
                             const double (*pos4)[4], double (*acc4)[4], ForceScratch& sc)
{
    FloorCursor cursor{fs.floors ? fs.firstAtom : fs.lastAtom, fs.lastAtom};
    addFloorsUpTo(cursor.next - 1, floor, acc4, cursor);  // to the first atom whose floor term acts
    for (int first = fs.first; first < fs.last; first += ForceScratch::kBlock) {
        int last = std::min(first + ForceScratch::kBlock, fs.last);
        int kept = keepActingPairs<L, kSame, kPeriodic>(fs, first, last, pt, pos4, sc);
        addKeptPairTerms<L, kSame, kCharged, kPeriodic>(kept, pt, sc, fs.scatterEnd, floor, acc4, cursor, fs.virial);
    }
    addFloorsUpTo(fs.lastAtom - 1, floor, acc4, cursor);
}

template <class L, bool kPeriodic>
inline void forceStreamIn(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor, const double (*pos4)[4],
                          double (*acc4)[4], ForceScratch& sc)
{
    if (pt.same && pt.uncharged) forceStreamLanes<L, true, false, kPeriodic>(fs, pt, floor, pos4, acc4, sc);
    else if (pt.same) forceStreamLanes<L, true, true, kPeriodic>(fs, pt, floor, pos4, acc4, sc);
    else forceStreamLanes<L, false, true, kPeriodic>(fs, pt, floor, pos4, acc4, sc);
}

template <class L>
inline void forceStream(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor, const double (*pos4)[4],
                        double (*acc4)[4], ForceScratch& sc)
{
    if (pt.periodic) forceStreamIn<L, true>(fs, pt, floor, pos4, acc4, sc);
    else forceStreamIn<L, false>(fs, pt, floor, pos4, acc4, sc);
}

}  // namespace fastkernel
