// SPDX-License-Identifier: GPL-3.0-or-later
// CLammpsExport: the input script, each setting of the simulation as the
// nearest LAMMPS command, with a comment saying how close it comes.
#include <algorithm>
#include <cmath>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CForceConstants.h"
#include "SIM/model/CPhysicalConstants.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"

namespace {
using quorvel::kBoltzmann;
using quorvel::kTemperaturePerEnergy;
constexpr int kLangevinSeed = 5817;
constexpr double kBathDampingSteps = 100.0;

// A command, padded so that its comment starts in one column.
void line(std::string& out, const std::string& command, const std::string& comment = {})
{
    out += command;
    if (!comment.empty()) {
        out.append(command.size() < 48 ? 48 - command.size() : 1, ' ');
        out += "# " + comment;
    }
    out += '\n';
}

// Lengths of the exported (possibly replicated) box, in Angstrom.
struct Box {
    double lo, width, hi, diagonal;
    Box(const CSimulationState& sim, int replicate)
        : lo(lammps::lengthOf(-sim.box.halfWidth)), width(lammps::lengthOf(2.0 * sim.box.halfWidth)),
          hi(lo + replicate * width), diagonal(std::sqrt(3.0) * replicate * width)
    {
    }
};

double largestDiameter(const CSimulationState& sim)
{
    double largest = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (sim.atoms.number[t] > 0) largest = std::max(largest, lammps::lengthOf(sim.types.diam[t]));
    return largest;
}

double smallestDiameter(const CSimulationState& sim)
{
    double smallest = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (sim.atoms.number[t] > 0) {
            double d = lammps::lengthOf(sim.types.diam[t]);
            smallest = smallest > 0.0 ? std::min(smallest, d) : d;
        }
    return smallest;
}

// The temperature of the state, as the simulation measures it; 300 K for atoms at rest.
double referenceTemperature(const CSimulationState& sim)
{
    double kinetic = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < sim.atoms.number[t]; i++) kinetic += 0.5 * sim.types.mass[t] * sim.atoms.vel[t][i].norm();
    double temperature = sim.atoms.totalAtoms > 0 ? kinetic * kTemperaturePerEnergy / sim.atoms.totalAtoms : 0.0;
    return temperature > 0.0 ? temperature : 300.0;
}

bool charged(const CSimulationState& sim, int t) { return sim.forces.charge[t] != 0.0; }

bool periodic(const CSimulationState& sim) { return sim.box.boundaries == CBoundaries::periodic; }

bool anyChargedPair(const CSimulationState& sim)
{
    int chargedTypes = 0;
    bool many = false;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (sim.atoms.number[t] > 0 && charged(sim, t)) {
            chargedTypes++;
            many = many || sim.atoms.number[t] > 1;
        }
    return chargedTypes > 1 || many;
}

// The 12-6 coefficients (epsilon in eV, sigma in Angstrom) of a pair's
// Lennard-Jones term with the repulsive core term added to its r^-12 part:
// E = A (m/r)^12 - B (m/r)^6 with A = 4 eps + b and B = 4 eps.
struct PairCoefficients {
    double epsilon = 0.0, sigma = 0.0;
};

PairCoefficients foldedPair(const CSimulationState& sim, int t, int u)
{
    double mean = (sim.types.diam[t] + sim.types.diam[u]) / 2.0;
    double eps = sim.forces.LJeps[std::min(t, u)][std::max(t, u)];
    double core = quorvel::pairStrength(mean, sim.forces.charge[t], sim.forces.charge[u]).core;
    double a = 4.0 * eps + core, b = 4.0 * eps;
    PairCoefficients c;
    c.sigma = lammps::lengthOf(mean);
    if (!(a > 0.0)) return c;
    // A pure core (no well) has no 12-6 form; a vanishing r^-6 part stands in for it.
    if (!(b > 0.0)) b = a * 1e-12;
    c.sigma = lammps::lengthOf(mean * std::pow(a / b, 1.0 / 6.0));
    c.epsilon = lammps::energyOf(b * b / (4.0 * a));
    return c;
}

void appendHeader(std::string& out, const CSimulationState& sim, int replicate)
{
    out += "# LAMMPS input written by Quorvel: the simulation's state and forces, as closely as LAMMPS allows.\n";
    appendFormatC(out, "# %d atoms", sim.atoms.totalAtoms);
    if (replicate > 1)
        appendFormatC(out, ", replicated %d x %d x %d into %lld atoms", replicate, replicate, replicate,
                      static_cast<long long>(sim.atoms.totalAtoms) * replicate * replicate * replicate);
    out += ".\n# Run:  lmp -in in.quorvel            on 4 MPI ranks:  mpirun -np 4 lmp -in in.quorvel\n"
           "# Units: metal -- Angstrom, ps, g/mol, eV, elementary charges, K, bar.\n\n";
    line(out, "units           metal", "Angstrom, ps, g/mol, eV, e, K, bar");
    line(out, "atom_style      charge", "every atom carries its type's charge");
    if (periodic(sim))
        line(out, "boundary        p p p", "a periodic box: an atom leaving through a face comes back through the other");
    else if (lammpsPistonExported(sim))
        line(out, "boundary        f f m", "a closed box; its top follows the plate past the ceiling");
    else
        line(out, "boundary        f f f", "a closed box: no periodic images");
    line(out, std::string("read_data       ") + lammps::kDataName, "types, masses, charges, positions, velocities");
    if (replicate > 1)
        line(out, formatC("replicate       %d %d %d", replicate, replicate, replicate),
             "copies side by side in a box that many times as wide, each in the same state");
}

// The plate atoms form one piston over the whole top; the copies below the top layer lose theirs.
void appendGroups(std::string& out, const CSimulationState& sim, const Box& box)
{
    CLammpsTypes types(sim);
    if (!types.plate) {
        line(out, "group           atoms type > 0", "every atom");
        out += '\n';
        return;
    }
    line(out, formatC("group           plate type %d", types.plate), "the piston's plate atoms");
    if (box.hi - box.lo > box.width * 1.5) {
        line(out, formatC("region          lowerLayers block INF INF INF INF INF %.12g units box", box.hi - box.width));
        line(out, "group           belowTop region lowerLayers");
        line(out, "group           lowerPlates intersect plate belowTop");
        line(out, "delete_atoms    group lowerPlates", "only the top layer keeps its piston");
    }
    line(out, "group           atoms subtract all plate", "the simulation's atoms");
    out += '\n';
}

// The pair style line; with a piston the atoms' style is combined with the
// plate's. Answers the style word each pair_coeff then needs ("" without).
std::string appendPairStyle(std::string& out, const CSimulationState& sim, const std::string& style)
{
    if (!lammpsPistonExported(sim)) {
        line(out, "pair_style      " + style, "default cut-off(s) (Angstrom); each pair sets its own");
        return {};
    }
    line(out, formatC("pair_style      hybrid %s soft %.12g", style.c_str(), largestDiameter(sim) / 2.0),
         "the atoms' terms, and the plate's soft push");
    return style.substr(0, style.find(' ')) + " ";
}

// An atom meets the plate as it meets the piston, at half its diameter: a
// soft, purely repulsive term A (1 + cos(pi r / rc)) with rc half the
// diameter, 20 kT high, which no atom of the state's temperature crosses.
void appendPlatePairs(std::string& out, const CSimulationState& sim)
{
    CLammpsTypes types(sim);
    if (!types.plate) return;
    double height = lammps::energyOf(20.0 * kBoltzmann * referenceTemperature(sim));
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (types.of[t])
            line(out, formatC("pair_coeff      %d %d soft %.12g %.12g", types.of[t], types.plate, height,
                              lammps::lengthOf(sim.types.diam[t]) / 2.0),
                 "atom and plate: A (eV), reach (A)");
    line(out, formatC("pair_coeff      %d %d none", types.plate, types.plate), "the plate is rigid");
    line(out, formatC("neigh_modify    exclude type %d %d", types.plate, types.plate));
}

void appendInteractingPairs(std::string& out, const CSimulationState& sim, const Box& box)
{
    CLammpsTypes types(sim);
    bool coulomb = anyChargedPair(sim);
    double coulombCut = box.diagonal * 1.01;
    out += "# Pair terms: 12-6 Lennard-Jones, sigma the pair's mean diameter and epsilon its well depth,\n"
           "# cut at 3 mean diameters and not shifted. Between two charged types the repulsive core term\n"
           "# b (sigma/r)^12 with b = |0.296966 q1 q2 / (4 pi eps0 sigma)| is folded into the 12-6 terms\n"
           "# (epsilon' = eps^2 / (eps + b/4), sigma' = sigma ((eps + b/4) / eps)^(1/6)) and, as in Quorvel,\n"
           "# no term between two charged atoms is cut off: both reach beyond the box diagonal.\n";
    if (sim.forces.contactsUsed)
        out += "# Quorvel resolves atoms closer than their mean diameter as a collision instead of a force;\n"
               "# LAMMPS keeps the force there, which only matters for a state with overlapping atoms.\n";
    else
        out += "# Contacts are off: Quorvel keeps the force at every distance too, as LAMMPS does.\n";
    double longest = quorvel::kCutoffDiameters * largestDiameter(sim);
    std::string style = coulomb ? formatC("lj/cut/coul/cut %.12g %.12g", longest, coulombCut)
                                : formatC("lj/cut %.12g", longest);
    std::string word = appendPairStyle(out, sim, style);
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++) {
            if (!types.of[t] || !types.of[u]) continue;
            PairCoefficients c = foldedPair(sim, t, u);
            bool bothCharged = charged(sim, t) && charged(sim, u);
            double cut = bothCharged ? coulombCut : quorvel::kCutoffDiameters * lammps::lengthOf((sim.types.diam[t] + sim.types.diam[u]) / 2.0);
            std::string command = formatC("pair_coeff      %d %d %s%.12g %.12g %.12g", types.of[t], types.of[u],
                                          word.c_str(), c.epsilon, c.sigma, cut);
            if (coulomb) appendFormatC(command, " %.12g", coulombCut);
            line(out, command, bothCharged ? "epsilon' (eV), sigma' (A), cut-offs: core folded in"
                                           : "epsilon (eV), sigma (A), cut-off(s) (A)");
        }
    appendPlatePairs(out, sim);
    line(out, "pair_modify     shift no", "energies not shifted at the cut-off, as in Quorvel");
}

// Neither potentials nor contacts: the atoms pass through one another.
void appendNoPairs(std::string& out, const CSimulationState& sim)
{
    out += "# No pair terms: the potentials and the contacts are both off, so the atoms pass through one\n"
           "# another (an ideal gas). pair_style zero keeps the neighbour lists LAMMPS needs, with no force.\n";
    std::string word = appendPairStyle(out, sim, formatC("zero %.12g", largestDiameter(sim)));
    line(out, "pair_coeff      * *" + (word.empty() ? std::string() : " " + word.substr(0, word.size() - 1)),
         "no force between any atoms");
    appendPlatePairs(out, sim);
}

void appendHardSpheres(std::string& out, const CSimulationState& sim)
{
    CLammpsTypes types(sim);
    double temperature = referenceTemperature(sim);
    double epsilon = lammps::energyOf(kBoltzmann * temperature);
    out += "# Hard spheres (potentials off) have no LAMMPS counterpart. Stand-in: a steep, purely repulsive\n"
           "# 12-6 term that rises from zero at contact (cut at the mean diameter, sigma = mean diameter / 2^(1/6),\n";
    appendFormatC(out, "# shifted to zero there), as strong as kT of this state (%.4g K). Steeper terms would need a\n"
                       "# shorter time step than Quorvel's. Charges act only through the potentials, so here they do not.\n",
                  temperature);
    std::string word = appendPairStyle(out, sim, formatC("lj/cut %.12g", largestDiameter(sim)));
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++) {
            if (!types.of[t] || !types.of[u]) continue;
            double contact = lammps::lengthOf((sim.types.diam[t] + sim.types.diam[u]) / 2.0);
            line(out, formatC("pair_coeff      %d %d %s%.12g %.12g %.12g", types.of[t], types.of[u], word.c_str(),
                              epsilon, contact / std::pow(2.0, 1.0 / 6.0), contact),
                 "kT (eV), sigma (A), contact (A)");
        }
    appendPlatePairs(out, sim);
    line(out, "pair_modify     shift yes", "zero energy at contact, as hard spheres apart");
}

void appendNeighbours(std::string& out, const CSimulationState& sim)
{
    line(out, formatC("neighbor        %.6g bin", 0.3 * smallestDiameter(sim)), "skin: 0.3 of the smallest diameter (A)");
    line(out, "neigh_modify    every 1 delay 0 check yes", "rebuilt whenever an atom moved half the skin");
    out += '\n';
}

// The piston: the plate moves as one rigid body, up and down only, pushed
// down by the applied pressure over its area and stopped at the box top.
void appendPiston(std::string& out, const CSimulationState& sim, const Box& box)
{
    CLammpsPlate plate(sim);
    double area = lammps::lengthOf(2.0 * sim.box.halfWidth) * lammps::lengthOf(2.0 * sim.box.halfWidth);
    double perAtom = lammps::pressureOf(sim.box.appliedPressure) * area / static_cast<double>(plate.atoms());
    out += "# Piston: a rigid plate of atoms with the piston's mass and velocity, moving up and down only,\n"
           "# pushed down by the applied pressure and held below the box top. Atoms meet it at half their\n"
           "# diameter through a soft (not hard) repulsion, so it is a close, not an exact, counterpart.\n";
    line(out, "fix             piston plate rigid single force * off off on torque * off off off");
    // bar Angstrom^2 to eV/Angstrom: 1e5 Pa * 1e-20 m^2 = 1e-15 N = 1e-25 J/Angstrom.
    line(out, formatC("fix             push plate addforce 0.0 0.0 %.12g", -perAtom * 1e-25 / lammps::kElectronVolt),
         formatC("%.6g Pa over the plate (eV/A per plate atom)", sim.box.appliedPressure));
    line(out, formatC("fix             ceiling plate wall/harmonic zhi %.12g 10.0 0.0 %.12g units box",
                      box.hi + plate.spacing, plate.spacing),
         "the box top stops the plate");
}

// Walls, floor, heat bath and piston, type by type.
void appendBoxFixes(std::string& out, const CSimulationState& sim, const Box& box)
{
    CLammpsTypes types(sim);
    line(out, "fix             integrate atoms nve", "velocity Verlet, as Quorvel steps");
    if (periodic(sim)) {
        out += "# A periodic box has no walls, floor, heat bath or piston.\n\n";
        return;
    }
    if (lammpsPistonExported(sim)) appendPiston(out, sim, box);
    out += "# Walls: each type is reflected at half its diameter inside the box, as in Quorvel\n"
           "# (Quorvel sets an atom on the wall where LAMMPS mirrors it; the same with potentials off).\n";
    for (int t = 0; t < CSimulation::kTypes; t++) {
        if (!types.of[t]) continue;
        double half = lammps::lengthOf(sim.types.diam[t]) / 2.0;
        double a = box.lo + half, b = box.hi - half;
        line(out, formatC("group           t%d type %d", types.of[t], types.of[t]),
             "type " + std::to_string(types.of[t]) + (sim.types.name[t].empty() ? std::string() : " (" + sim.types.name[t] + ")"));
        line(out, formatC("fix             wall%d t%d wall/reflect xlo %.12g xhi %.12g ylo %.12g yhi %.12g zlo %.12g zhi %.12g units box",
                          types.of[t], types.of[t], a, b, a, b, a, b));
    }

    bool floor = false;
    for (int t = 0; t < CSimulation::kTypes; t++) floor |= sim.forces.potentialUsed && types.of[t] && sim.forces.LJepsFloor[t] != 0.0;
    if (floor) {
        out += "# Floor potential: a 12-6 wall per type from a plane 0.62246 diameters below the floor, with the\n"
               "# type's floor well depth and diameter, reaching 3 diameters from that plane. LAMMPS shifts a wall's\n"
               "# energy to zero at its reach: an atom within reach counts 0.00548 epsilon less energy than in Quorvel.\n";
        for (int t = 0; t < CSimulation::kTypes; t++) {
            if (!types.of[t] || sim.forces.LJepsFloor[t] == 0.0) continue;
            double d = lammps::lengthOf(sim.types.diam[t]);
            line(out, formatC("fix             floor%d t%d wall/lj126 zlo %.12g %.12g %.12g %.12g units box", types.of[t],
                              types.of[t], box.lo - quorvel::kFloorOffset * d, lammps::energyOf(sim.forces.LJepsFloor[t]), d,
                              quorvel::kFloorRange * d),
                 "plane, epsilon (eV), sigma, reach (A)");
            line(out, formatC("fix_modify      floor%d energy yes", types.of[t]), "its energy counts in pe");
        }
    }

    if (sim.forces.floorTempUsed) {
        double damping = kBathDampingSteps * lammps::timeOf(sim.clock.timeStep);
        out += "# Heat bath: Quorvel gives an atom striking the floor a new upward speed drawn at the bath's\n"
               "# temperature. Nearest in LAMMPS: a Langevin thermostat on the atoms within one diameter of the floor\n";
        appendFormatC(out, "# (damping time %g time steps). The bath's temperature is kept; its mechanism is not.\n",
                      kBathDampingSteps);
        line(out, formatC("region          floorSlab block INF INF INF INF %.12g %.12g units box", box.lo,
                          box.lo + largestDiameter(sim)),
             "one diameter above the floor");
        line(out, "group           nearFloor dynamic atoms region floorSlab every 1");
        line(out, formatC("fix             bath nearFloor langevin %.12g %.12g %.6g %d", sim.forces.floorTemp, sim.forces.floorTemp,
                          damping, kLangevinSeed),
             "K, K, damping (ps), seed");
    }
    out += '\n';
}

void appendRun(std::string& out, const CSimulationState& sim)
{
    line(out, formatC("timestep        %.12g", lammps::timeOf(sim.clock.timeStep)),
         formatC("ps (Quorvel: %.6g s)", sim.clock.timeStep));
    line(out, "compute         atomsTemp atoms temp", "temperature and kinetic energy of the atoms");
    line(out, "compute_modify  atomsTemp extra/dof 0", "as Quorvel's: 2 KE / (3 N k)");
    line(out, "thermo_style    custom step temp pe ke etotal press", "press: the virial pressure (bar)");
    line(out, "thermo_modify   norm no temp atomsTemp", "totals, not per atom");
    line(out, "thermo          100", "a line every 100 steps");
    line(out, "variable        steps index 1000", "change with: lmp -var steps N -in in.quorvel");
    line(out, "run             ${steps}");
}
}  // namespace

std::string lammpsInputText(const CSimulationState& sim, int replicate)
{
    Box box(sim, replicate);
    std::string out;
    appendHeader(out, sim, replicate);
    appendGroups(out, sim, box);
    if (sim.forces.potentialUsed) appendInteractingPairs(out, sim, box);
    else if (sim.forces.contactsUsed) appendHardSpheres(out, sim);
    else appendNoPairs(out, sim);
    appendNeighbours(out, sim);
    appendBoxFixes(out, sim, box);
    appendRun(out, sim);
    return out;
}
