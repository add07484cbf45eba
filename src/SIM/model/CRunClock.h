// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the simulation runs, how long a step and a display are, how far it
// has come, and how fast the steps go.
#pragma once

#include "SIM/model/CSimulationDefaults.h"
#include "SIM/model/CSimulationModes.h"

struct CRunClock {
    CRunState runState = simulationDefaults::kRunState;
    float runTimerInterval = simulationDefaults::kRunTimerInterval;  // s between displays
    double timeStep = simulationDefaults::kTimeStep;                 // s
    unsigned iterationsPerDisplay = simulationDefaults::kStepsPerDisplay;
    unsigned iterations = 0;  // steps taken
    double elapsedTime = 0.0;  // s
    CTimeUnit timeUnit = simulationDefaults::kTimeUnit;

    // The speed meter: the clock and step count at its last two readings,
    // and the steps per second between them.
    double oldt = 0.0, newt = 0.0, oldi = 0.0, newi = 0.0, ips = 0.0;
};
