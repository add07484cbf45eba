// SPDX-License-Identifier: GPL-3.0-or-later
// The box the atoms move in, a cube centred on the origin, and the piston
// that may close it from above.
#pragma once

#include "SIM/model/CSimulationDefaults.h"

struct CBoxAndPiston {
    double halfWidth = simulationDefaults::kBoxHalfWidth;  // m
    // Periodic: no walls, floor, heat bath or piston act (their settings are
    // kept for a return to the closed box).
    CBoundaries boundaries = simulationDefaults::kBoundaries;

    bool pistonUsed = simulationDefaults::kPistonUsed;
    double pistonZ = simulationDefaults::kBoxHalfWidth;  // m
    double pistonV = 0.0;                                // m/s
    // The acceleration the applied pressure gives the piston.
    double pistonA = simulationDefaults::kPistonAcceleration;
    double pistonM = simulationDefaults::kPistonMass;  // kg
    double appliedPressure = simulationDefaults::kAppliedPressure;  // Pa
};
