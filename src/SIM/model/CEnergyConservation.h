// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the steps take back the energy each atom gains by the time step's
// error, and how much has been taken back.
#pragma once

#include "SIM/model/CSimulationDefaults.h"

struct CEnergyConservation {
    bool conserve = simulationDefaults::kConserve;
    // The energy taken back since the start, in J and as a percentage of the
    // total; what is shown while conservation is off.
    double tdE = 0.0, tdEPercent = 0.0, tdENotConserved = 0.0;
};
