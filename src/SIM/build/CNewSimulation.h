// SPDX-License-Identifier: GPL-3.0-or-later
// A whole new simulation built from a description: up to four types, each a
// real substance or a custom one, a count of each, an arrangement (a cubic
// lattice or a random fill), a density and a temperature, in a closed box or
// a periodic one. The plan says what
// will be built (box, lattice, densities) or why it cannot be, with the
// nearest value that works; the build fills a scratch simulation through its
// public setters, which the caller then adopts whole. Both the window's
// dialog and the batch runner's --new use it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SIM/build/CSubstances.h"

class CSimulation;

namespace newSimulation {

// The symbol of the model's default type (its diameter, mass and well depth).
inline constexpr const char* kCustomSymbol = "A";

// One type of the new simulation, in SI units.
struct CTypeSpec {
    std::string name;  // empty for a custom type, as a new type has none
    int count = 0;
    double diameter = 0.0;   // m
    double mass = 0.0;       // kg
    double wellDepth = 0.0;  // J, of a pair of these atoms
};
CTypeSpec substanceType(const CSubstance& substance, int count = 0);
// The model's default type: its diameter, mass and the well depth the
// potentials give type A.
CTypeSpec customType(int count = 0);

enum class CArrangement { simpleCubic, bodyCentredCubic, faceCentredCubic, random };
// The way the density is given: each says the box width for a given set of atoms.
enum class CDensityMeasure { massDensity, numberDensity, packingFraction, boxWidth };

// "sc", "bcc", "fcc", "random"; false when the text is none of them.
bool arrangementFromWord(const std::string& word, CArrangement& out);
const char* arrangementWord(CArrangement a);

// Atoms dropped one by one at random jam before all find room when their
// spheres would take more than this share of the cube their centres can
// reach (the box less a diameter): a lattice is offered instead.
inline constexpr double kRandomFillLimit = 0.35;

// What a new simulation starts from when nothing else is asked: a dense
// fluid's packing (see defaultPackingFraction), room temperature.
inline constexpr double kDefaultPackingFraction = 0.3;
inline constexpr double kDefaultTemperature = 300.0;  // K

struct CSpec {
    std::vector<CTypeSpec> types;  // types A, B, ... in this order; at most four
    CArrangement arrangement = CArrangement::faceCentredCubic;
    CDensityMeasure measure = CDensityMeasure::packingFraction;
    // In the measure's unit: kg/m^3, 1/m^3, a fraction, m. Where none is
    // asked, defaultPackingFraction gives one that these atoms can take.
    double density = kDefaultPackingFraction;
    double temperature = kDefaultTemperature;  // K, the kinetic temperature of the atoms
    bool pairPotentials = true;
    bool floorAttraction = false;  // the floor attracts each type with its own well depth
    bool floorBath = false;
    double floorTemperature = 0.0;  // K
    bool piston = false;
    // A periodic box: the atoms fill the whole box, a lattice tiles it across
    // its faces, and there are no walls, so no floor and no piston.
    bool periodic = false;
    bool contacts = true;  // atoms meet as hard cores at their mean diameter
    std::uint64_t seed = 1;
};

// Parses a command line's "Ar:256,Ne:100" (symbols as in kSubstances, or
// kCustomSymbol; case does not matter). On failure, false with the reason.
bool parseTypes(const std::string& text, std::vector<CTypeSpec>& types, std::string& error);

// The four measures of the density of the whole box, for the atoms of spec.
struct CDensities {
    double massDensity = 0.0;      // kg/m^3
    double numberDensity = 0.0;    // atoms/m^3
    double packingFraction = 0.0;  // the atoms' spheres' share of the box
    double boxWidth = 0.0;         // m
};
// From the measure spec gives; all zero when there are no atoms or the
// value is not a positive number.
CDensities densitiesOf(const CSpec& spec);

// The packing fraction of the whole box that a new simulation takes when no
// density is asked, one that spec's atoms and arrangement can always be built
// at: for a lattice, the whole cube of cells that holds the atoms at
// kDefaultPackingFraction (less where the count leaves sites empty, and less
// where the largest atoms would touch); for a random fill, a fraction it places
// at once (at most kDefaultPackingFraction, less in small boxes, whose walls
// take much of the room).
double defaultPackingFraction(const CSpec& spec);

// What will be built, or why not.
struct CPlan {
    CDensities box;
    int atoms = 0;
    int atomsPerCell = 0;  // 0 for a random fill
    int cellsPerEdge = 0;
    int sites = 0;                 // lattice sites, atomsPerCell * cellsPerEdge^3
    double latticeConstant = 0.0;  // m
    double nearestDistance = 0.0;  // m between lattice neighbours; 0 for a random fill
    // Why it cannot be built, naming the nearest value that works; empty when it can.
    std::string refusal;
};
// Fast enough to follow typing, except that a random fill is only tried by build.
CPlan plan(const CSpec& spec);

// Builds the state in scratch (set to the defaults first): answers why it
// could not (scratch then holds nothing of use), or empty. Only scratch's
// public member functions are used.
std::string build(const CSpec& spec, CSimulation& scratch);

}  // namespace newSimulation
