// SPDX-License-Identifier: GPL-3.0-or-later
// The forces between atoms and from the floor: Lennard-Jones well depths
// and charges per type, and the floor's heat bath.
#pragma once

#include "SIM/model/CModelLimits.h"
#include "SIM/model/CSimulationDefaults.h"

struct CForceField {
    static constexpr int kTypes = modelLimits::kTypes;

    bool potentialUsed = simulationDefaults::kPotentialUsed;
    // Off: plain Lennard-Jones, pairs inside the mean diameter feel its full
    // repulsion and no contact step runs.
    bool contactsUsed = simulationDefaults::kContactsUsed;
    double LJeps[kTypes][kTypes] = {};  // J, symmetric
    double charge[kTypes] = {};         // C
    bool floorPotentialUsed = simulationDefaults::kFloorPotentialUsed;
    double LJepsFloor[kTypes] = {};  // J
    bool floorTempUsed = simulationDefaults::kFloorTempUsed;
    double floorTemp = 0.0;  // K

    // A new simulation's wells, used once the potentials are turned on.
    CForceField()
    {
        for (const auto& pair : simulationDefaults::kPairsWithWell) LJeps[pair[0]][pair[1]] = simulationDefaults::kPairWellDepth;
    }
};
