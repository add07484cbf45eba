// SPDX-License-Identifier: GPL-3.0-or-later
// The chemical elements as the trajectory and structure files name them:
// symbol, name and standard atomic weight, and the Lennard-Jones parameters
// of the noble gases a structure may bring in.
#pragma once

#include <string_view>

struct CElement {
    const char* symbol;
    const char* name;
    double mass;  // g/mol
};

// Lennard-Jones parameters of an element: sigma, the atom's diameter, and the
// well depth.
struct CElementPotential {
    double diameter;  // m
    double wellDepth; // J
};

namespace elements {
// The element with this symbol ("Ar", case as written), or nullptr.
const CElement* bySymbol(std::string_view symbol);
// The element an atom type stands for: the one its name spells (symbol or
// name, any case), otherwise the one nearest in atomic mass.
const CElement& forType(std::string_view typeName, double massKg);
// The element nearest in atomic mass.
const CElement& nearestInMass(double gramsPerMole);
// The Lennard-Jones parameters known for the element, or nullptr.
const CElementPotential* potentialOf(const CElement& element);
// Conversions between an atom's mass and its molar mass.
double kilogramsOf(double gramsPerMole);
}  // namespace elements
