// SPDX-License-Identifier: GPL-3.0-or-later
// A default simulation on a scripted platform, with helpers to set up atoms.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "SIM/CSimulation.h"
#include "support/ScriptedPlatform.h"

class SimulationTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    std::unique_ptr<CSimulation> simulation = std::make_unique<CSimulation>(platform);
    CSimulation& s = *simulation;

    void SetUp() override
    {
        s.initWithDefaults();
        platform.alerts.clear();
    }

    void removeAllAtoms()
    {
        for (int t = 0; t < CSimulation::kTypes; t++) s.number[t] = 0;
        s.totalAtoms = 0;
    }

    // Appends an atom without any of the side effects of the adding operations.
    int place(int t, double x, double y, double z, double vx = 0, double vy = 0, double vz = 0)
    {
        int i = s.number[t]++;
        s.totalAtoms++;
        s.loc[t][i].setXYZ(x, y, z);
        s.vel[t][i].setXYZ(vx, vy, vz);
        s.sel[t][i] = 0;
        return i;
    }
};
