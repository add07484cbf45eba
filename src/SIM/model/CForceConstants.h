// SPDX-License-Identifier: GPL-3.0-or-later
// The constants of the force model that the engines and the exports share.
#pragma once

#include <cmath>

#include "SIM/model/CPhysicalConstants.h"

namespace quorvel {
inline constexpr double kCoreFactor = 0.296966;       // repulsive core between charges, per mean diameter
inline constexpr double kFloorOffset = 0.62246;       // floor plane below the box, in diameters
inline constexpr double kFloorRange = 3.0;            // floor reach from that plane, in diameters
// Lennard-Jones forces act out to this many mean diameters of the pair;
// between two charged atoms the Coulomb force reaches across the whole box.
inline constexpr double kCutoffDiameters = 3.0;

// What one pair of types acts with, formed once from the types' parameters
// for the reference loops, the fast engine and the LAMMPS export alike (so
// every consumer multiplies in the same order and gets the same bits).
struct CPairStrength {
    double meanDiameter = 0.0;  // sigma of the pair, m
    double coulomb = 0.0;       // q1 q2 / (4 pi eps0), J m
    double core = 0.0;          // strength of the r^-12 core that keeps opposite charges apart, J
};

inline CPairStrength pairStrength(double meanDiameter, double charge1, double charge2)
{
    CPairStrength p;
    p.meanDiameter = meanDiameter;
    p.coulomb = charge1 * charge2 * kCoulomb;
    p.core = std::fabs(p.coulomb * kCoreFactor / meanDiameter);
    return p;
}
}  // namespace quorvel
