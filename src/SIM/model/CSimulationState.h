// SPDX-License-Identifier: GPL-3.0-or-later
// Everything a simulation is, in its named parts: what its file stores, what
// a state built or read elsewhere hands over, and what going back to an
// earlier moment restores, bit for bit. A plain value; CSimulation keeps its
// own private and changes it only through its rules.
#pragma once

#include "SIM/model/CAtomTypes.h"
#include "SIM/model/CAtoms.h"
#include "SIM/model/CBoxAndPiston.h"
#include "SIM/model/CDisplaySettings.h"
#include "SIM/model/CEnergyConservation.h"
#include "SIM/model/CEnergyLedger.h"
#include "SIM/model/CForceField.h"
#include "SIM/model/CMeasuredOutputs.h"
#include "SIM/model/CRunClock.h"

struct CSimulationState {
    CAtomTypes types;
    CAtoms atoms;
    CBoxAndPiston box;
    CForceField forces;
    CRunClock clock;
    CMeasuredOutputs outputs;
    CEnergyConservation conservation;
    CDisplaySettings display;
    // Booked by the steps and by a person's changes; never read by a step.
    CEnergyLedger ledger;
    // Which simulation the state is of: a number given anew when one is set
    // to the defaults or read from a file (a state built elsewhere brings its
    // own), kept by every step and change, and put back with an earlier
    // state. No step reads it; a trajectory takes the states of one only.
    unsigned long long origin = 0;
};
