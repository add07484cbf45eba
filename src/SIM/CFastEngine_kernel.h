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

#include <cmath>
#include <cstring>

#include "CFastEngine.h"

namespace fastkernel {

// The pair constants of every lane.
template <class V>
struct PairLaneConstants {
    V m, m2, cut2, eps4, eps24, c, b, invmJ, reach2;
};

// One pair's terms: atom i's acceleration terms, its partner j's, and half the
// pair's energy (which each of the two receives).
template <class V>
struct PairTerms {
    V ix, iy, iz, jx, jy, jz, halfEnergy;
};

// The reference's pair expression (CSimulation::MDCALCCalcAcc with
// MDCALCpot), given the separation d = loc_i - loc_j and its length r.
// eps4, eps24, c and b are the reference's 4.0 * eps, 24.0 * eps,
// q1 * q2 * kCoulomb and |c * kCoreFactor / sigma|, formed alike, so the
// products below associate exactly as the reference's do.
template <class V>
inline void pairTerms(const V& dx, const V& dy, const V& dz, const V& r, const PairLaneConstants<V>& k,
                      const V& invmI, PairTerms<V>& out)
{
    V invR = 1.0 / r;
    V ux = dx * invR, uy = dy * invR, uz = dz * invR;  // dir.divs(r) multiplies by 1 / r
    V sa = k.m * invR;
    V p = sa * sa;
    V s6 = p * p * p;
    V s12 = s6 * s6;
    V energy = k.eps4 * (s12 - s6) + invR * k.c + k.b * s12;
    V force = k.eps24 * invR * (2.0 * s12 - s6) + invR * invR * k.c + 12.0 * invR * k.b * s12;
    V fi = invmI * force, fj = k.invmJ * force;
    out.ix = ux * fi;
    out.iy = uy * fi;
    out.iz = uz * fi;
    out.jx = ux * fj;
    out.jy = uy * fj;
    out.jz = uz * fj;
    out.halfEnergy = energy / 2.0;
}

// Atom n's row of partners (ranks nbr[0..count)), a lane set at a time: atom
// n's sums (acc4[n]: x, y, z, energy) receive its terms in list order and,
// with kScatter, each partner's sums theirs (without, the partners' sums are
// not touched at all, so another thread may own them). A pair that does not act, and a lane past the row's
// end, contributes +0.0, which leaves every sum as it is: the sums start at
// +0.0 and, being sums of +0.0 and other values, are never -0.0. A pair acts
// unless r2 <= m2 or r2 > cut2 (infinite for charged pairs), NaN included,
// as in the reference. inReach[p] is set to 1 where pair p lies within
// energy-pairing reach, 0 elsewhere; bytes past count may be overwritten,
// and nbr may be read past count (the lists are padded).
template <class L, bool kSamePartners, bool kScatter>
inline void forceRowLanes(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                          double (*acc4)[4], unsigned char* inReach)
{
    using V = typename L::V;
    using M = typename L::M;
    const V x = L::splat(pos4[n][0]), y = L::splat(pos4[n][1]), z = L::splat(pos4[n][2]);
    const int rowType = static_cast<int>(pos4[n][3]);
    PairLaneConstants<V> k;
    if (kSamePartners) L::sameConstants(rc, rowType, k);
    const V invmI = L::splat(rc.invmI);
    typename L::Sums ai = L::loadSums(acc4[n]);
    for (int p = 0; p < count; p += L::kWidth) {
        V bx, by, bz, type;
        L::loadPartners(pos4, nbr + p, bx, by, bz, type);
        if (!kSamePartners) L::pickConstants(rc, type, k);
        V dx = x - bx, dy = y - by, dz = z - bz;
        V r2 = dx * dx + dy * dy + dz * dz;
        M acts = L::acting(r2, k.m2, k.cut2, count - p);
        L::markWithin(inReach + p, r2, k.reach2, count - p);
        PairTerms<V> t;
        pairTerms(dx, dy, dz, L::sqrt(r2), k, invmI, t);
        PairTerms<V> kept = {L::keep(acts, t.ix), L::keep(acts, t.iy), L::keep(acts, t.iz), L::keep(acts, t.jx),
                             L::keep(acts, t.jy), L::keep(acts, t.jz), L::keep(acts, t.halfEnergy)};
        L::addOwnTerms(kept, ai);
        if (kScatter) L::scatterTerms(kept, acc4, nbr + p, count - p);
    }
    L::storeSums(acc4[n], ai);
}

// One lane: the portable kernel, plain scalar code. In the wider sets, lanes
// from `left` on lie past the row's end: they never act and are never marked.
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
    static V keep(M acts, V value) { return acts ? value : 0.0; }
    static void markWithin(unsigned char* out, V r2, V reach2, int) { *out = r2 < reach2 ? 1 : 0; }
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
        k = {rc.m[u], rc.m2[u], rc.cut2[u], rc.eps4[u], rc.eps24[u], rc.c[u], rc.b[u], rc.invmJ[u], rc.reach2[u]};
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
    static void addOwnTerms(const PairTerms<V>& t, Sums& ai)
    {
        ai.v[0] += t.ix;
        ai.v[1] += t.iy;
        ai.v[2] += t.iz;
        ai.v[3] += t.halfEnergy;
    }
    // The partner's energy sum receives +halfEnergy, the others -terms.
    static void scatterTerms(const PairTerms<V>& t, double (*acc4)[4], const int* j, int)
    {
        double* aj = acc4[j[0]];
        aj[0] -= t.jx;
        aj[1] -= t.jy;
        aj[2] -= t.jz;
        aj[3] += t.halfEnergy;
    }
};

// The row loop's four variants, chosen per row.
template <class L>
inline void forceRow(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                     double (*acc4)[4], unsigned char* inReach, bool scatter)
{
    if (rc.samePartners) {
        if (scatter) forceRowLanes<L, true, true>(n, rc, nbr, count, pos4, acc4, inReach);
        else forceRowLanes<L, true, false>(n, rc, nbr, count, pos4, acc4, inReach);
    } else {
        if (scatter) forceRowLanes<L, false, true>(n, rc, nbr, count, pos4, acc4, inReach);
        else forceRowLanes<L, false, false>(n, rc, nbr, count, pos4, acc4, inReach);
    }
}

}  // namespace fastkernel
