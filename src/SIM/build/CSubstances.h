// SPDX-License-Identifier: GPL-3.0-or-later
// The substances Quorvel knows by name: noble gases with their Lennard-Jones
// parameters and atomic masses, for building states and for reading
// structures that name them.
#pragma once

#include "SIM/build/CElements.h"

// A substance with its Lennard-Jones parameters: sigma, the pair's diameter,
// and epsilon/k, the well depth over Boltzmann's constant.
struct CSubstance {
    const char* symbol;
    const char* name;
    double sigma;         // m
    double epsilonOverK;  // K
    double massInU;       // unified atomic mass units
};

// sigma and epsilon/k: fitted to the second virial coefficients of the
// gases, J. O. Hirschfelder, C. F. Curtiss and R. B. Bird, "Molecular Theory
// of Gases and Liquids" (Wiley, 1954), Table I-A. Masses: the elements'
// atomic weights (CElements.h), so that a built argon and an imported one
// weigh the same.
inline constexpr CSubstance kSubstances[] = {
    {"Ar", "Argon", 3.405e-10, 119.8, elements::weightOf("Ar")},
    {"Ne", "Neon", 2.749e-10, 35.6, elements::weightOf("Ne")},
    {"Kr", "Krypton", 3.60e-10, 171.0, elements::weightOf("Kr")},
    {"Xe", "Xenon", 4.10e-10, 221.0, elements::weightOf("Xe")},
};
inline constexpr int kSubstanceCount = sizeof kSubstances / sizeof kSubstances[0];
