// SPDX-License-Identifier: GPL-3.0-or-later
// Hands a simulation over to LAMMPS: a data file (types, masses, charges,
// positions, velocities) and an input script that reads it, in LAMMPS's
// "metal" units, optionally tiled N x N x N by LAMMPS's replicate command.
#pragma once

#include <string>

struct CSimulationState;

namespace lammps {
// SI to LAMMPS "metal" units (Angstrom, ps, g/mol, eV, e, K, bar).
inline constexpr double kAngstrom = 1e-10;               // m
inline constexpr double kPicosecond = 1e-12;             // s
inline constexpr double kElectronVolt = 1.602176634e-19; // J, and the elementary charge in C
inline constexpr double kAvogadro = 6.02214076e23;       // 1 / mol
inline constexpr double kBar = 1e5;                      // Pa

inline double lengthOf(double metres) { return metres / kAngstrom; }
inline double massOf(double kilograms) { return kilograms * 1e3 * kAvogadro; }
inline double kilogramsOf(double gramsPerMole) { return gramsPerMole / (1e3 * kAvogadro); }
inline double speedOf(double metresPerSecond) { return metresPerSecond * kPicosecond / kAngstrom; }
inline double timeOf(double seconds) { return seconds / kPicosecond; }
inline double energyOf(double joules) { return joules / kElectronVolt; }
inline double chargeOf(double coulombs) { return coulombs / kElectronVolt; }
inline double pressureOf(double pascals) { return pascals / kBar; }

inline constexpr int kMaxReplicate = 100;
inline constexpr const char* kInputName = "in.quorvel";
inline constexpr const char* kDataName = "data.quorvel";
}  // namespace lammps

// Whether the box is exported with its piston: one that is used, in a
// closed box (a periodic box has none, whatever its setting holds).
bool lammpsPistonExported(const CSimulationState& sim);

// The LAMMPS type (1, 2, ...) of each simulation type with atoms; 0 for an
// empty type. A piston adds one more type for the atoms of its plate.
struct CLammpsTypes {
    int of[4] = {};
    int count = 0;  // types with atoms
    int plate = 0;  // the plate's type, 0 without a piston
    int total = 0;  // count, plus the plate's
    explicit CLammpsTypes(const CSimulationState& sim);
};

// The piston as LAMMPS moves it: a square grid of plate atoms, half the
// smallest diameter apart, at the piston's height, carrying its mass and
// velocity; it tiles seamlessly when the box is replicated.
struct CLammpsPlate {
    int perSide = 0;
    double spacing = 0.0;  // Angstrom
    double z = 0.0;        // Angstrom, kept just inside the box top
    double atomMass = 0.0; // g/mol
    long atoms() const { return static_cast<long>(perSide) * perSide; }
    explicit CLammpsPlate(const CSimulationState& sim);
};

// The data file of the simulation's box (one copy; the input replicates it).
std::string lammpsDataText(const CSimulationState& sim);
// The input script, commented line by line, for replicate x replicate x replicate copies.
std::string lammpsInputText(const CSimulationState& sim, int replicate);

// Checks the request before anything is written: answers the reason it cannot
// be done, empty when it can.
std::string checkLammpsExport(const CSimulationState& sim, int replicate);

// Writes folder/in.quorvel and folder/data.quorvel together (creating the
// folder if it is missing); on any failure neither file is changed and the
// reason is answered, empty on success.
std::string exportForLammps(const CSimulationState& sim, const std::string& folder, int replicate);
