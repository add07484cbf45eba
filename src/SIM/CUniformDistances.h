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
