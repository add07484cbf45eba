// SPDX-License-Identifier: GPL-3.0-or-later
// g(r): pair counts by distance over the counts uniform centres would give.
#include "CRadialDistribution.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "BASE/CTextNumbers.h"
#include "CSimulation.h"

namespace {
constexpr int kTypes = CSimulation::kTypes;
// The piston moves every step; the reference follows it once it has moved
// this share of the half width, which keeps its error far below the noise.
constexpr double kRegionTolerance = 2e-3;

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
    for (int i = 0; i < firstEnd; i++) {
        const int from = across ? typeStart_[static_cast<std::size_t>(second_)] : i + 1;
        const double xi = x_[i], yi = y_[i], zi = z_[i];
        const int count = n - from;
        for (int k = 0; k < count; k++) {
            const double dx = xi - x_[from + k], dy = yi - y_[from + k], dz = zi - z_[from + k];
            const double q = std::sqrt(dx * dx + dy * dy + dz * dz) * perWidth;
            index[k] = q < bins ? static_cast<int>(q) : bins;
        }
        for (int k = 0; k < count; k++)
            if (index[k] < bins) observed_[static_cast<std::size_t>(index[k])] += 1.0;
    }
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
