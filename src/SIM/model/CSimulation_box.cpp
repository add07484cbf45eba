// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the box's size and the piston's settings.
#include "SIM/model/CSimulation.h"

#include <algorithm>
#include <cmath>

#include "SIM/model/CValueRules.h"

COutcome CSimulation::setHalfWidth(double n)
{
    if (!valueRules::isBoxHalfWidth(n)) return COutcome::refused();
    double o = box.halfWidth;
    if (n == o) return {};
    if (isPeriodic())
        if (COutcome allowed = periodicBoxRefusalWith(0, atoms.number[0], forces.charge[0], types.diam[0], n); !allowed)
            return allowed;
    UserChange change(*this);
    if (isPeriodic()) {
        // No walls hold the atoms: the box takes them along, every
        // position scaled with it (as a barostat would), so that every
        // centre stays inside and every pair keeps its order of distance.
        // Pairs part or close by the same ratio, which the forces meet at the
        // next step; a box too narrow for the cut-off is refused above.
        double f = n / o, w = 2.0 * n;
        box.halfWidth = n;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < atoms.number[t]; i++)
                for (double& c : atoms.loc[t][i].v) {
                    c *= f;
                    if (c >= n) c -= w;  // a rounding at the top face
                }
        restartEnergiesAndAverages();
        return {};
    }
    if (n > o) {
        box.halfWidth = n;
        if (forces.floorPotentialUsed) {
            restartEnergiesAndAverages();
        }
        return {};
    }
    box.halfWidth = n;
    double rememberedPistonZ = box.pistonZ;
    if (box.pistonUsed) box.pistonZ = n;
    if (!shiftAtomsToFit(100)) {
        box.halfWidth = o;
        if (box.pistonUsed) box.pistonZ = rememberedPistonZ;
        return COutcome::refused("Operation Incomplete.", "Can not fit the atoms into the smaller box.");
    }
    if (forces.floorPotentialUsed || forces.potentialUsed) {
        restartEnergiesAndAverages();
    }
    return {};
}

void CSimulation::setPistonUsed(bool f)
{
    if (f == box.pistonUsed) return;
    UserChange change(*this);
    box.pistonUsed = f;
    box.pistonZ = box.halfWidth;
    box.pistonV = 0.0;
}

bool CSimulation::setAppliedPressure(double p)
{
    if (!valueRules::isAppliedPressure(p)) return false;
    box.appliedPressure = p;
    double h = box.halfWidth;
    box.pistonA = p * (-4.0 * h * h) / box.pistonM;
    return true;
}

// A piston mass of zero or below would give an infinite or reversed
// acceleration; it is refused, like one outside its range.
COutcome CSimulation::setPistonMass(double m)
{
    if (!valueRules::isPistonMass(m))
        return COutcome::refused("Alert.", valueRules::rangeMessage("The piston mass", valueRules::kPistonMass));
    UserChange change(*this);
    box.pistonM = m;
    double h = box.halfWidth;
    box.pistonA = (-4.0 * h * h) * box.appliedPressure / m;
    return {};
}
