// SPDX-License-Identifier: GPL-3.0-or-later
// The distance distribution of uniformly placed points in two boxes, by
// quadrature over spherical shells.
#include "SIM/measure/CUniformDistances.h"

#include <algorithm>
#include <cmath>
#include <numbers>

CCentreRegion reachableRegion(double halfWidth, double diameter, bool piston, double pistonZ)
{
    // The walls turn a centre back at half a diameter from them (the piston too).
    const double reach = std::max(halfWidth - diameter / 2.0, 0.0);
    CCentreRegion region;
    for (int axis = 0; axis < 3; axis++) {
        region.low[axis] = -reach;
        region.high[axis] = reach;
    }
    if (piston) region.high[2] = std::clamp(pistonZ - diameter / 2.0, -reach, reach);
    // A region without extent would make the densities below infinite; a
    // sliver a millionth of the box wide stands for it.
    const double sliver = 1e-6 * std::max(halfWidth, 1e-30);
    for (int axis = 0; axis < 3; axis++)
        if (region.high[axis] - region.low[axis] < sliver) region.high[axis] = region.low[axis] + sliver;
    return region;
}

double uniformDifferenceDensity(double d, double lowA, double highA, double lowB, double highB)
{
    // x - y = d means x = y + d: the x-length of [lowA, highA] that meets [lowB + d, highB + d].
    const double overlap = std::min(highA, highB + d) - std::max(lowA, lowB + d);
    return overlap > 0.0 ? overlap / ((highA - lowA) * (highB - lowB)) : 0.0;
}

namespace {
// Gauss-Legendre nodes and weights on [-1, 1], by Newton's method on P_n.
template <int n>
struct CGaussLegendre {
    double node[n], weight[n];
    CGaussLegendre()
    {
        for (int i = 0; i < n; i++) {
            double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5)), derivative = 1.0;
            for (int iteration = 0; iteration < 100; iteration++) {
                double p0 = 1.0, p1 = x;
                for (int k = 2; k <= n; k++) {
                    const double p2 = ((2.0 * k - 1.0) * x * p1 - (k - 1.0) * p0) / k;
                    p0 = p1;
                    p1 = p2;
                }
                derivative = n * (x * p1 - p0) / (x * x - 1.0);
                const double step = p1 / derivative;
                x -= step;
                if (std::fabs(step) < 1e-16) break;
            }
            node[i] = x;
            weight[i] = 2.0 / ((1.0 - x * x) * derivative * derivative);
        }
    }
};

// Directions of the quadrature: cos(theta) over [-1, 0] and [0, 1], phi over
// the quarter [0, pi/2] (the regions are symmetric in x and y, so the quarter
// counts four times). The pieces end on the axes, where the densities have
// their kinks.
constexpr int kPolarNodes = 12, kAzimuthNodes = 12;
constexpr int kPolar = 2 * kPolarNodes;

struct CShellQuadrature {
    double nx[kPolar][kAzimuthNodes], ny[kPolar][kAzimuthNodes], nz[kPolar];
    double weight[kPolar][kAzimuthNodes];  // solid angle of each direction, four quarters included
};

const CShellQuadrature& shellQuadrature()
{
    static const CShellQuadrature q = [] {
        const CGaussLegendre<kPolarNodes> polar;
        const CGaussLegendre<kAzimuthNodes> azimuth;
        CShellQuadrature made{};
        for (int p = 0; p < kPolar; p++) {
            const int k = p % kPolarNodes;
            const double z = 0.5 * polar.node[k] + (p < kPolarNodes ? -0.5 : 0.5);
            const double across = std::sqrt(1.0 - z * z);
            made.nz[p] = z;
            for (int a = 0; a < kAzimuthNodes; a++) {
                const double phi = (azimuth.node[a] + 1.0) * std::numbers::pi / 4.0;
                made.nx[p][a] = across * std::cos(phi);
                made.ny[p][a] = across * std::sin(phi);
                made.weight[p][a] = 4.0 * (0.5 * polar.weight[k]) * (std::numbers::pi / 4.0 * azimuth.weight[a]);
            }
        }
        return made;
    }();
    return q;
}

// The probability density of the separation's length at r: r^2 times the
// density of the separation vector integrated over the directions; along(k,
// d) is the density of the separation's component along axis k.
template <class Along>
double distanceDensity(const Along& along, double r)
{
    const CShellQuadrature& q = shellQuadrature();
    double sum = 0.0;
    for (int p = 0; p < kPolar; p++) {
        const double fz = along(2, r * q.nz[p]);
        if (fz == 0.0) continue;
        double ring = 0.0;
        for (int a = 0; a < kAzimuthNodes; a++)
            ring += q.weight[p][a] * along(0, r * q.nx[p][a]) * along(1, r * q.ny[p][a]);
        sum += fz * ring;
    }
    return r * r * sum;
}

// Three-point Gauss-Legendre over each bin: the density is a polynomial
// of low degree in r between its kinks.
template <class Along>
void distanceShares(const Along& along, double width, int bins, std::vector<double>& shares)
{
    static const double node[3] = {-std::sqrt(0.6), 0.0, std::sqrt(0.6)};
    static const double weight[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
    shares.assign(static_cast<std::size_t>(std::max(bins, 0)), 0.0);
    for (int bin = 0; bin < bins; bin++) {
        const double middle = (bin + 0.5) * width, half = 0.5 * width;
        double sum = 0.0;
        for (int k = 0; k < 3; k++) sum += weight[k] * distanceDensity(along, middle + half * node[k]);
        shares[static_cast<std::size_t>(bin)] = sum * half;
    }
}
}  // namespace

void uniformDistanceShares(const CCentreRegion& a, const CCentreRegion& b, double width, int bins,
                           std::vector<double>& shares)
{
    distanceShares([&](int axis, double d) {
        return uniformDifferenceDensity(d, a.low[axis], a.high[axis], b.low[axis], b.high[axis]);
    }, width, bins, shares);
}

// Two points in bins i and j of width step differ by a triangle of base
// 2 step around (i - j) step: the sum of the triangles is straight between
// the multiples of step, where it is the correlation of the bins' probabilities over step.
void CAxisDifferences::correlate(const std::vector<double> (&first)[3], const std::vector<double> (&second)[3],
                                 double gridStep)
{
    step = gridStep;
    bins = static_cast<int>(first[0].size());
    for (int axis = 0; axis < 3; axis++) {
        std::vector<double>& v = values[axis];
        v.assign(static_cast<std::size_t>(std::max(2 * bins - 1, 0)), 0.0);
        const std::vector<double>&p = first[axis], &q = second[axis];
        for (int i = 0; i < bins; i++) {
            if (p[static_cast<std::size_t>(i)] == 0.0) continue;
            for (int j = 0; j < bins; j++)
                v[static_cast<std::size_t>(i - j + bins - 1)] += p[static_cast<std::size_t>(i)] * q[static_cast<std::size_t>(j)];
        }
        for (double& value : v) value /= step;
    }
}

double CAxisDifferences::at(int axis, double d) const
{
    const double k = d / step + (bins - 1);
    if (!(k >= 0.0) || k >= 2.0 * bins - 2) return 0.0;
    const auto below = static_cast<std::size_t>(k);
    const double f = k - static_cast<double>(below);
    const std::vector<double>& v = values[axis];
    return (1.0 - f) * v[below] + f * v[below + 1];
}

double measuredDistanceDensity(const CAxisDifferences& differences, double r)
{
    return distanceDensity([&](int axis, double d) {
        if (axis == 2) return differences.at(2, d);
        return 0.5 * (differences.at(axis, d) + differences.at(axis, -d));
    }, r);
}
