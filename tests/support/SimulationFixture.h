// SPDX-License-Identifier: GPL-3.0-or-later
// A default simulation on a scripted platform, with helpers to set up atoms.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "SIM/model/CSimulation.h"
#include "support/ScriptedPlatform.h"
#include "support/StateEdit.h"

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
        StateEdit edit(s);
        for (int t = 0; t < CSimulation::kTypes; t++) edit->atoms.number[t] = 0;
        edit->atoms.totalAtoms = 0;
    }

    // Appends an atom without any of the side effects of the adding operations.
    int place(int t, double x, double y, double z, double vx = 0, double vy = 0, double vz = 0)
    {
        StateEdit edit(s);
        CAtoms& atoms = edit->atoms;
        int i = atoms.number[t]++;
        atoms.totalAtoms++;
        atoms.loc[t][i].setXYZ(x, y, z);
        atoms.vel[t][i].setXYZ(vx, vy, vz);
        atoms.sel[t][i] = 0;
        return i;
    }
};
