// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the box's size and the piston's settings.
#include "CSimulation.h"

#include <algorithm>
#include <cmath>

#include "CValueRules.h"

bool CSimulation::setHalfWidth(double n)
{
    if (!valueRules::isBoxHalfWidth(n)) return false;
    double o = halfWidth;
    if (n == o) return true;
    UserChange change(*this);
    if (n > o) {
        halfWidth = n;
        if (floorPotentialUsed) {
            restartEnergiesAndAverages();
        }
        return true;
    }
    halfWidth = n;
    double rememberedPistonZ = pistonZ;
    if (pistonUsed) pistonZ = n;
    if (!shiftAtomsToFit(100)) {
        halfWidth = o;
        if (pistonUsed) pistonZ = rememberedPistonZ;
        std::string message = "Can not fit the atoms into the smaller box.";
        showAlert("Operation Incomplete.", message, {"OK"});
        return false;
    }
    if (floorPotentialUsed || potentialUsed) {
        restartEnergiesAndAverages();
    }
    return true;
}

void CSimulation::setPistonUsed(bool f)
{
    if (f == pistonUsed) return;
    UserChange change(*this);
    pistonUsed = f;
    pistonZ = halfWidth;
    pistonV = 0.0;
}

bool CSimulation::setAppliedPressure(double p)
{
    if (!valueRules::isAppliedPressure(p)) return false;
    appliedPressure = p;
    double h = halfWidth;
    pistonA = p * (-4.0 * h * h) / pistonM;
    return true;
}

// A piston mass of zero or below would give an infinite or reversed
// acceleration; it is refused, like one outside its range.
bool CSimulation::setPistonMass(double m)
{
    if (!valueRules::isPistonMass(m)) {
        std::string message = valueRules::rangeMessage("The piston mass", valueRules::kPistonMass);
        showAlert("Alert.", message, {"OK"});
        return false;
    }
    UserChange change(*this);
    pistonM = m;
    double h = halfWidth;
    pistonA = (-4.0 * h * h) * appliedPressure / m;
    return true;
}
