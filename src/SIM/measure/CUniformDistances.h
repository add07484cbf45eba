// SPDX-License-Identifier: GPL-3.0-or-later
// How far apart two points placed uniformly in two boxes are: the reference
// a radial distribution in a closed box is measured against. Near the walls
// fewer partners fit than 4 pi r^2 rho dr promises; this counts only the
// partners the boxes allow.
#pragma once

#include <vector>

// An axis-aligned box, m: where the centres of one atom type can be.
struct CCentreRegion {
    double low[3] = {}, high[3] = {};
};

// The region the centres of atoms of this diameter reach in a box of the
// given half width, under a piston at pistonZ when there is one.
CCentreRegion reachableRegion(double halfWidth, double diameter, bool piston, double pistonZ);

// The density of x - y along one axis for x uniform in [lowA, highA] and y
// uniform in [lowB, highB] (a trapezoid), per metre.
double uniformDifferenceDensity(double d, double lowA, double highA, double lowB, double highB);

// shares[b]: the probability that a point uniform in a and one uniform in b
// lie between b * width and (b + 1) * width apart, for b below bins.
void uniformDistanceShares(const CCentreRegion& a, const CCentreRegion& b, double width, int bins,
                           std::vector<double>& shares);

// Points placed along each axis independently of the other axes, with
// densities measured in bins of one grid: along axis k the density of the
// difference x - y of two such points, known at the multiples of step (as
// the bins' correlation gives it) and straight between them.
struct CAxisDifferences {
    double step = 0.0;  // m, the grid's bin width
    int bins = 0;       // of the grid: differences from -(bins - 1) to bins - 1 steps
    std::vector<double> values[3];  // per metre, at index k + bins - 1 for the difference k * step

    // From the probabilities of two points' bins along each axis (each row adding up to 1).
    void correlate(const std::vector<double> (&first)[3], const std::vector<double> (&second)[3], double step);
    double at(int axis, double d) const;
};

// The probability density of such points' distance at r, per metre. Only
// even differences along x and y are used (the directions are summed over a
// quarter turn), which the distances of a pair are: x - y and y - x are
// both counted.
double measuredDistanceDensity(const CAxisDifferences& differences, double r);
