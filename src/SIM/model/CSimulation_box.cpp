// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the box's size and the piston's settings.
#include "SIM/model/CSimulation.h"

#include <algorithm>
#include <cmath>

#include "SIM/model/CValueRules.h"

bool CSimulation::setHalfWidth(double n)
{
    if (!valueRules::isBoxHalfWidth(n)) return false;
    double o = box.halfWidth;
    if (n == o) return true;
    UserChange change(*this);
    if (n > o) {
        box.halfWidth = n;
        if (forces.floorPotentialUsed) {
            restartEnergiesAndAverages();
        }
        return true;
    }
    box.halfWidth = n;
    double rememberedPistonZ = box.pistonZ;
    if (box.pistonUsed) box.pistonZ = n;
    if (!shiftAtomsToFit(100)) {
        box.halfWidth = o;
        if (box.pistonUsed) box.pistonZ = rememberedPistonZ;
        std::string message = "Can not fit the atoms into the smaller box.";
        showAlert("Operation Incomplete.", message, {"OK"});
        return false;
    }
    if (forces.floorPotentialUsed || forces.potentialUsed) {
        restartEnergiesAndAverages();
    }
    return true;
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
bool CSimulation::setPistonMass(double m)
{
    if (!valueRules::isPistonMass(m)) {
        std::string message = valueRules::rangeMessage("The piston mass", valueRules::kPistonMass);
        showAlert("Alert.", message, {"OK"});
        return false;
    }
    UserChange change(*this);
    box.pistonM = m;
    double h = box.halfWidth;
    box.pistonA = (-4.0 * h * h) * box.appliedPressure / m;
    return true;
}
