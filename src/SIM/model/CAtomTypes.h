// SPDX-License-Identifier: GPL-3.0-or-later
// What the atoms of each type share: name, size, mass and colour.
#pragma once

#include <string>

#include "SIM/model/CModelLimits.h"
#include "SIM/model/CSimulationDefaults.h"

struct CAtomTypes {
    static constexpr int kTypes = modelLimits::kTypes;

    std::string name[kTypes];
    double diam[kTypes];  // m
    double mass[kTypes];  // kg
    // 1 / mass, kept with it: the steps multiply by it.
    double invm[kTypes];
    float red[kTypes], green[kTypes], blue[kTypes];

    // The types a new simulation has: unnamed, alike but for their colours.
    CAtomTypes()
    {
        for (int t = 0; t < kTypes; t++) {
            diam[t] = simulationDefaults::kDiameter;
            setMass(t, simulationDefaults::kMass);
            red[t] = simulationDefaults::kTypeColours[t].red;
            green[t] = simulationDefaults::kTypeColours[t].green;
            blue[t] = simulationDefaults::kTypeColours[t].blue;
        }
    }

    void setMass(int t, double m)
    {
        mass[t] = m;
        invm[t] = 1.0 / m;
    }
};
