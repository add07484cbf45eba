// SPDX-License-Identifier: GPL-3.0-or-later
// The substances Quorvel knows by name: noble gases with their Lennard-Jones
// parameters and atomic masses, for building states and for reading
// structures that name them.
#pragma once

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
// of Gases and Liquids" (Wiley, 1954), Table I-A. Masses: the standard
// atomic weights of IUPAC (2013; argon's conventional value).
inline constexpr CSubstance kSubstances[] = {
    {"Ar", "Argon", 3.405e-10, 119.8, 39.948},
    {"Ne", "Neon", 2.749e-10, 35.6, 20.180},
    {"Kr", "Krypton", 3.60e-10, 171.0, 83.798},
    {"Xe", "Xenon", 4.10e-10, 221.0, 131.293},
};
inline constexpr int kSubstanceCount = sizeof kSubstances / sizeof kSubstances[0];
