// SPDX-License-Identifier: GPL-3.0-or-later
// g(r): pair counts by distance over the counts uniform centres would give.
#include "CRadialDistribution.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "BASE/CTextNumbers.h"
#include "CSimulation.h"
#include "CWidestLoops.h"

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
}

bool CRadialDistribution::includes(int type) const
{
    return allAtoms() || type == first_ || type == second_;
}

double CRadialDistribution::g(int bin) const
{
    const double expected = expected_[static_cast<std::size_t>(bin)];
    return expected > 0.0 ? observed_[static_cast<std::size_t>(bin)] / expected : 0.0;
}

void CRadialDistribution::accumulate(const CSimulation& s)
{
    prepareBins(s);
    if (bins() == 0) return;
    countPairs(s);
    addExpected(s);
    displays_++;
}

// Bins a twentieth of the mean diameter of the pair (for all atoms, of all
// atoms) wide, as many as fit within half the box width.
void CRadialDistribution::prepareBins(const CSimulation& s)
{
    double width = 0.0;
    if (allAtoms()) {
        double sum = 0.0;
        int atoms = 0;
        for (int t = 0; t < kTypes; t++) {
            sum += s.getNumber(t) * s.getDiam(t);
            atoms += s.getNumber(t);
        }
        width = atoms > 0 ? sum / atoms / 20.0 : 0.0;
    } else {
        width = (s.getDiam(first_) + s.getDiam(second_)) / 2.0 / 20.0;
    }
    int bins = 0;
    if (width > 0.0 && std::isfinite(width))
        bins = static_cast<int>(std::min<double>(std::floor(s.getHalfWidth() / width * (1.0 + 1e-12)), kMaxBins));
    if (width == width_ && bins == this->bins()) return;
    width_ = width;
    observed_.assign(static_cast<std::size_t>(bins), 0.0);
    expected_.assign(static_cast<std::size_t>(bins), 0.0);
    displays_ = 0;
}

// Every pair once: within a type i < j, across two types every combination.
// The distances of one row go through a bin index buffer first, so the
// arithmetic runs in vector lanes and only the increments are scattered.
// The increments are whole numbers, counted in integers (one past the last
// bin for the pairs beyond it, so that no pair costs a branch) and added
// to the accumulated counts once: the same sums, exactly, in whatever
// histograms they were counted.
void CRadialDistribution::countPairs(const CSimulation& s)
{
    x_.resize(CSimulation::kMaxAtoms);
    y_.resize(CSimulation::kMaxAtoms);
    z_.resize(CSimulation::kMaxAtoms);
    int n = 0;
    for (int t = 0; t < kTypes; t++) {
        typeStart_[static_cast<std::size_t>(t)] = n;
        if (!includes(t)) continue;
        for (int i = 0; i < s.getNumber(t); i++, n++) {
            x_[n] = s.state().atoms.loc[t][i].v[0];
            y_[n] = s.state().atoms.loc[t][i].v[1];
            z_[n] = s.state().atoms.loc[t][i].v[2];
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
        distanceBins(x_[i], y_[i], z_[i], x_.data() + from, y_.data() + from, z_.data() + from, count, perWidth,
                     bins, index);
        for (int k = 0; k < count; k++) counts[index[k]]++;
    }
    for (int h = 1; h < kHistograms; h++)
        for (int b = 0; b < bins; b++) counts[b] += counts[h * (bins + 1) + b];
    for (int b = 0; b < bins; b++) observed_[static_cast<std::size_t>(b)] += counts[b];
}

void CRadialDistribution::addExpected(const CSimulation& s)
{
    for (int t = 0; t < kTypes; t++)
        for (int u = t; u < kTypes; u++) {
            if (!includes(t) || !includes(u) || (!allAtoms() && (t != first_ || u != second_))) continue;
            const double nt = s.getNumber(t), nu = s.getNumber(u);
            const double pairs = t == u ? nt * (nt - 1.0) / 2.0 : nt * nu;
            if (pairs <= 0.0) continue;
            const std::vector<double>& shares = referenceFor(s, t, u);
            for (std::size_t b = 0; b < expected_.size(); b++) expected_[b] += pairs * shares[b];
        }
}

const std::vector<double>& CRadialDistribution::referenceFor(const CSimulation& s, int t, int u)
{
    const bool piston = s.getPistonUsed() != 0;
    const CCentreRegion a = reachableRegion(s.getHalfWidth(), s.getDiam(t), piston, s.getPistonZ());
    const CCentreRegion b = reachableRegion(s.getHalfWidth(), s.getDiam(u), piston, s.getPistonZ());
    CReference& ref = references_[static_cast<std::size_t>(t)][static_cast<std::size_t>(u)];
    const double tolerance = kRegionTolerance * s.getHalfWidth();
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
