// SPDX-License-Identifier: GPL-3.0-or-later
// States for the fast engine's tests, and their comparison bit for bit.
#pragma once

#include <cstdlib>
#include <cstring>
#include <random>

#include "SIM/model/CSimulation.h"
#include "support/StateEdit.h"

// The sanitized build runs the tests many times slower: they take fewer steps there.
inline bool sanitized() { return std::getenv("QUORVEL_SANITIZED") != nullptr; }

template <class T>
bool sameBits(const T& a, const T& b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Atoms of mixed sizes scattered at random (overlaps and all) in a box of
// half-width 1.5e-9 m, with thermal-scale velocities.
inline void scatter(CSimulation& s, int perType, unsigned seed)
{
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> where(-1.5e-9, 1.5e-9), speed(-400, 400);
    // The default atoms are placed by random(), differently in every simulation.
    for (int t = 0; t < 4; t++) StateEdit(s)->atoms.number[t] = 0;
    StateEdit(s)->atoms.totalAtoms = 0;
    s.setHalfWidth(1.5e-9);
    const double diam[4] = {3e-10, 2.2e-10, 3.6e-10, 2.8e-10};
    const double mass[4] = {5e-26, 3e-26, 8e-26, 4e-26};
    for (int t = 0; t < 4; t++) {
        StateEdit(s)->types.diam[t] = diam[t];
        StateEdit(s)->types.mass[t] = mass[t];
        StateEdit(s)->types.invm[t] = 1.0 / mass[t];
        for (int i = 0; i < perType; i++)
            s.addOneAtomAtLocationWithVelocity(t, where(rng), where(rng), where(rng), speed(rng), speed(rng),
                                               speed(rng));
    }
    for (int t = 0; t < 4; t++)
        for (int u = t; u < 4; u++) StateEdit(s)->forces.LJeps[t][u] = 1e-21 * (1 + 0.1 * (t + u));
    StateEdit(s)->clock.timeStep = 1e-14;
}
