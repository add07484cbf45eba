// SPDX-License-Identifier: GPL-3.0-or-later
// g(r): pair counts by distance over the counts uniform centres would give.
#include "SIM/measure/CRadialDistribution.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CWidestLoops.h"

namespace {
constexpr int kTypes = CSimulation::kTypes;
// The piston moves every step; the reference follows it once it has moved
// this share of the half width, which keeps its error far below the noise.
constexpr double kRegionTolerance = 2e-3;

// The pairs are counted in this many histograms side by side, partner k in
// histogram k % kHistograms: most pairs of a box lie beyond the last bin, and
// increments of one counter follow each other only as fast as the memory
// round trip allows, while those of different counters overlap.
constexpr int kHistograms = 8;

// The spread's factors are worked out at every this many bins.
constexpr int kFactorStride = 4;

// Each partner's counter: its histogram's bin by its distance from (xi, yi,
// zi), the histogram's last counter (bins) for those at or beyond the last
// bin's end (and undefined distances). Within 0 <= q < bins truncation is the
// floor.
QUORVEL_WIDEST void distanceBins(double xi, double yi, double zi, const double* __restrict x,
                                 const double* __restrict y, const double* __restrict z, int count, double perWidth,
                                 int bins, int* __restrict index)
{
    for (int k = 0; k < count; k++) {
        const double dx = xi - x[k], dy = yi - y[k], dz = zi - z[k];
        const double q = std::sqrt(dx * dx + dy * dy + dz * dz) * perWidth;
        index[k] = (q < bins ? static_cast<int>(q) : bins) + (k % kHistograms) * (bins + 1);
    }
}

// The same by the minimum image of a periodic box of half width h and width w.
QUORVEL_WIDEST void periodicDistanceBins(double xi, double yi, double zi, const double* __restrict x,
                                         const double* __restrict y, const double* __restrict z, int count,
                                         double perWidth, int bins, double h, double w, int* __restrict index)
{
    for (int k = 0; k < count; k++) {
        double dx = xi - x[k], dy = yi - y[k], dz = zi - z[k];
        dx = dx > h ? dx - w : (dx < -h ? dx + w : dx);
        dy = dy > h ? dy - w : (dy < -h ? dy + w : dy);
        dz = dz > h ? dz - w : (dz < -h ? dz + w : dz);
        const double q = std::sqrt(dx * dx + dy * dy + dz * dz) * perWidth;
        index[k] = (q < bins ? static_cast<int>(q) : bins) + (k % kHistograms) * (bins + 1);
    }
}

bool sameRegion(const CCentreRegion& p, const CCentreRegion& q, double tolerance)
{
    for (int axis = 0; axis < 3; axis++)
        if (std::fabs(p.low[axis] - q.low[axis]) > tolerance || std::fabs(p.high[axis] - q.high[axis]) > tolerance)
            return false;
    return true;
}
}  // namespace

void CRadialDistribution::setPair(int first, int second)
{
    if (first < 0 || first >= kTypes || second < 0 || second >= kTypes) first = second = kAllTypes;
    if (first > second) std::swap(first, second);
    first_ = first;
    second_ = second;
    reset();
}

void CRadialDistribution::reset()
{
    displays_ = 0;
    std::fill(observed_.begin(), observed_.end(), 0.0);
    std::fill(expected_.begin(), expected_.end(), 0.0);
    for (auto& row : expectedByPair_)
        for (std::vector<double>& pairs : row) pairs.clear();
    for (CSpread& spread : spreads_) spread = CSpread{};
    for (auto& row : factors_)
        for (CSpreadFactors& f : row) f = CSpreadFactors{};
}

bool CRadialDistribution::includes(int type) const
{
    return allAtoms() || type == first_ || type == second_;
}

bool CRadialDistribution::pairIncluded(int t, int u) const
{
    return includes(t) && includes(u) && (allAtoms() || (t == first_ && u == second_));
}

double CRadialDistribution::referencePairs(int bin) const
{
    double reference = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int u = t; u < kTypes; u++) {
            const std::vector<double>& pairs = expectedByPair_[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)];
            if (pairs.empty()) continue;
            reference += pairs[static_cast<std::size_t>(bin)] * spreadFactors(t, u)[static_cast<std::size_t>(bin)];
        }
    return reference;
}

double CRadialDistribution::g(int bin) const
{
    const double reference = referencePairs(bin);
    return reference > 0.0 ? observed_[static_cast<std::size_t>(bin)] / reference : 0.0;
}

// The measured spread's pairs by distance over the uniform spread's, both
// from their bins' correlations along the axes: the bins blur both alike,
// so uniformly placed centres give factors of 1 but for their noise. They
// are worked out anew once the displays have grown by a quarter (the
// spread is known better, and the work stays a small share of the counting).
const std::vector<double>& CRadialDistribution::spreadFactors(int t, int u) const
{
    CSpreadFactors& f = factors_[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)];
    if (!f.factor.empty() && f.factor.size() == observed_.size() && 4 * displays_ < 5 * f.displays) return f.factor;
    f.displays = displays_;
    f.factor.assign(observed_.size(), 1.0);
    const CSpread &a = spreads_[static_cast<std::size_t>(t)], &b = spreads_[static_cast<std::size_t>(u)];
    if (!(a.atoms > 0.0) || !(b.atoms > 0.0)) return f.factor;
    std::vector<double> measured[2][3], uniform[2][3];
    for (int axis = 0; axis < 3; axis++)
        for (int k = 0; k < 2; k++) {
            const CSpread& spread = k == 0 ? a : b;
            measured[k][axis] = spread.measured[axis];
            uniform[k][axis] = spread.uniform[axis];
            for (double& p : measured[k][axis]) p /= spread.atoms;
            for (double& p : uniform[k][axis]) p /= spread.atoms;
        }
    const double step = 2.0 * spreadHalfWidth_ / kSpreadBins;
    CAxisDifferences spread, even;
    spread.correlate(measured[0], measured[1], step);
    even.correlate(uniform[0], uniform[1], step);
    // The factor changes over the width of the crowding at the walls, many
    // bins: it is worked out at every kFactorStride-th bin's centre and
    // straight between them, from the densities there.
    const int last = bins() - 1;
    double before = 1.0;
    int from = 0;
    for (int bin = 0; bin <= last; bin = bin == last ? last + 1 : std::min(bin + kFactorStride, last)) {
        const double r = radius(bin), uniformDensity = measuredDistanceDensity(even, r);
        const double factor = uniformDensity > 0.0 ? measuredDistanceDensity(spread, r) / uniformDensity : 1.0;
        for (int k = from; k <= bin; k++)
            f.factor[static_cast<std::size_t>(k)] =
                bin == from ? factor : before + (factor - before) * (k - from) / static_cast<double>(bin - from);
        before = factor;
        from = bin;
    }
    return f.factor;
}

void CRadialDistribution::accumulate(const CSimulationState& s)
{
    prepareBins(s);
    if (bins() == 0) return;
    countPairs(s);
    addExpected(s);
    addSpread(s);
    displays_++;
}

// Bins a twentieth of the mean diameter of the pair (for all atoms, of all
// atoms) wide, as many as fit within half the box width.
void CRadialDistribution::prepareBins(const CSimulationState& s)
{
    double width = 0.0;
    if (allAtoms()) {
        double sum = 0.0;
        int atoms = 0;
        for (int t = 0; t < kTypes; t++) {
            sum += s.atoms.number[t] * s.types.diam[t];
            atoms += s.atoms.number[t];
        }
        width = atoms > 0 ? sum / atoms / 20.0 : 0.0;
    } else {
        width = (s.types.diam[first_] + s.types.diam[second_]) / 2.0 / 20.0;
    }
    int bins = 0;
    if (width > 0.0 && std::isfinite(width))
        bins = static_cast<int>(std::min<double>(std::floor(s.box.halfWidth / width * (1.0 + 1e-12)), kMaxBins));
    const bool periodic = s.box.boundaries == CBoundaries::periodic;
    if (width == width_ && bins == this->bins() && s.box.halfWidth == spreadHalfWidth_ && periodic == periodic_)
        return;
    width_ = width;
    spreadHalfWidth_ = s.box.halfWidth;
    periodic_ = periodic;
    observed_.assign(static_cast<std::size_t>(bins), 0.0);
    expected_.assign(static_cast<std::size_t>(bins), 0.0);
    reset();
}

// Every pair once: within a type i < j, across two types every combination.
// The distances of one row go through a bin index buffer first, so the
// arithmetic runs in vector lanes and only the increments are scattered.
// The increments are whole numbers, counted in integers (one past the last
// bin for the pairs beyond it, so that no pair costs a branch) and added
// to the accumulated counts once: the same sums, exactly, in whatever
// histograms they were counted.
void CRadialDistribution::countPairs(const CSimulationState& s)
{
    x_.resize(CSimulation::kMaxAtoms);
    y_.resize(CSimulation::kMaxAtoms);
    z_.resize(CSimulation::kMaxAtoms);
    int n = 0;
    for (int t = 0; t < kTypes; t++) {
        typeStart_[static_cast<std::size_t>(t)] = n;
        if (!includes(t)) continue;
        for (int i = 0; i < s.atoms.number[t]; i++, n++) {
            x_[n] = s.atoms.loc[t][i].v[0];
            y_[n] = s.atoms.loc[t][i].v[1];
            z_[n] = s.atoms.loc[t][i].v[2];
        }
    }
    typeStart_[kTypes] = n;
    const bool across = !allAtoms() && first_ != second_;
    const int firstEnd = across ? typeStart_[static_cast<std::size_t>(first_) + 1] : n;
    const int bins = this->bins();
    const double perWidth = 1.0 / width_;
    int index[CSimulation::kMaxAtoms];
    counts_.assign(static_cast<std::size_t>(kHistograms) * (bins + 1), 0);
    unsigned* counts = counts_.data();
    for (int i = 0; i < firstEnd; i++) {
        const int from = across ? typeStart_[static_cast<std::size_t>(second_)] : i + 1;
        const int count = n - from;
        if (periodic_)
            periodicDistanceBins(x_[i], y_[i], z_[i], x_.data() + from, y_.data() + from, z_.data() + from, count,
                                 perWidth, bins, s.box.halfWidth, 2.0 * s.box.halfWidth, index);
        else
            distanceBins(x_[i], y_[i], z_[i], x_.data() + from, y_.data() + from, z_.data() + from, count,
                         perWidth, bins, index);
        for (int k = 0; k < count; k++) counts[index[k]]++;
    }
    for (int h = 1; h < kHistograms; h++)
        for (int b = 0; b < bins; b++) counts[b] += counts[h * (bins + 1) + b];
    for (int b = 0; b < bins; b++) observed_[static_cast<std::size_t>(b)] += counts[b];
}

void CRadialDistribution::addExpected(const CSimulationState& s)
{
    for (int t = 0; t < kTypes; t++)
        for (int u = t; u < kTypes; u++) {
            if (!pairIncluded(t, u)) continue;
            const double nt = s.atoms.number[t], nu = s.atoms.number[u];
            const double pairs = t == u ? nt * (nt - 1.0) / 2.0 : nt * nu;
            if (pairs <= 0.0) continue;
            const std::vector<double>& shares = periodic_ ? periodicShares(s) : referenceFor(s, t, u);
            std::vector<double>& byPair = expectedByPair_[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)];
            byPair.resize(expected_.size(), 0.0);
            for (std::size_t b = 0; b < expected_.size(); b++) {
                expected_[b] += pairs * shares[b];
                byPair[b] += pairs * shares[b];
            }
        }
}

// In a periodic box every centre sees the same bulk round it: a partner
// placed independently lies in a bin's shell by the shell's share of the
// box's volume (the bins end within half the width, where the shell is
// whole in the minimum image).
const std::vector<double>& CRadialDistribution::periodicShares(const CSimulationState& s)
{
    const double w = 2.0 * s.box.halfWidth, volume = w * w * w;
    periodicShares_.resize(expected_.size());
    for (std::size_t b = 0; b < expected_.size(); b++) {
        const double inner = b * width_, outer = (b + 1) * width_;
        periodicShares_[b] = 4.0 / 3.0 * M_PI * (outer * outer * outer - inner * inner * inner) / volume;
    }
    return periodicShares_;
}

// Each counted type's centres into the grid's bins along each axis, and as
// many uniform ones in the region they reach, by the share of each bin the
// region covers. A periodic box has no walls to crowd against: no spread.
void CRadialDistribution::addSpread(const CSimulationState& s)
{
    if (periodic_) return;
    const double half = spreadHalfWidth_, step = 2.0 * half / kSpreadBins;
    for (int t = 0; t < kTypes; t++) {
        const int atoms = s.atoms.number[t];
        if (!includes(t) || atoms == 0) continue;
        CSpread& spread = spreads_[static_cast<std::size_t>(t)];
        const CCentreRegion region = reachableRegion(half, s.types.diam[t], s.box.pistonUsed != 0, s.box.pistonZ);
        for (int axis = 0; axis < 3; axis++) {
            std::vector<double>& measured = spread.measured[axis];
            std::vector<double>& uniform = spread.uniform[axis];
            measured.resize(kSpreadBins, 0.0);
            uniform.resize(kSpreadBins, 0.0);
            for (int i = 0; i < atoms; i++) {
                const double at = (s.atoms.loc[t][i].v[axis] + half) / step;
                if (!std::isfinite(at)) continue;  // left to the display's net
                measured[static_cast<std::size_t>(std::clamp(at, 0.0, kSpreadBins - 1.0))] += 1.0;
            }
            const double low = region.low[axis], high = region.high[axis];
            for (int k = 0; k < kSpreadBins; k++) {
                const double from = -half + k * step, to = from + step;
                const double covered = std::min(to, high) - std::max(from, low);
                if (covered > 0.0) uniform[static_cast<std::size_t>(k)] += atoms * covered / (high - low);
            }
        }
        spread.atoms += atoms;
    }
}

const std::vector<double>& CRadialDistribution::referenceFor(const CSimulationState& s, int t, int u)
{
    const bool piston = s.box.pistonUsed != 0;
    const CCentreRegion a = reachableRegion(s.box.halfWidth, s.types.diam[t], piston, s.box.pistonZ);
    const CCentreRegion b = reachableRegion(s.box.halfWidth, s.types.diam[u], piston, s.box.pistonZ);
    CReference& ref = references_[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)];
    const double tolerance = kRegionTolerance * s.box.halfWidth;
    if (ref.width != width_ || ref.bins != bins() || !sameRegion(ref.a, a, tolerance) ||
        !sameRegion(ref.b, b, tolerance)) {
        ref.a = a;
        ref.b = b;
        ref.width = width_;
        ref.bins = bins();
        uniformDistanceShares(a, b, width_, bins(), ref.shares);
    }
    return ref.shares;
}

void appendRadialDistributionCsv(std::string& csv, const CRadialDistribution& d)
{
    csv += "r_m,g\n";
    for (int b = 0; b < d.bins(); b++) appendFormatC(csv, "%.17g,%.17g\n", d.radius(b), d.g(b));
}
