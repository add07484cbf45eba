// SPDX-License-Identifier: GPL-3.0-or-later
// What the atoms of each type share: name, size, mass and colour.
#pragma once

#include <string>

#include "SIM/model/CModelLimits.h"

struct CAtomTypes {
    static constexpr int kTypes = modelLimits::kTypes;

    std::string name[kTypes];
    double diam[kTypes] = {};  // m
    double mass[kTypes] = {};  // kg
    // 1 / mass, kept with it: the steps multiply by it.
    double invm[kTypes] = {};
    float red[kTypes] = {}, green[kTypes] = {}, blue[kTypes] = {};

    void setMass(int t, double m)
    {
        mass[t] = m;
        invm[t] = 1.0 / m;
    }
};
