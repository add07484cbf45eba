// SPDX-License-Identifier: GPL-3.0-or-later
// CLammpsExport: the type mapping, the data file and the writing of both files.
#include "SIM/io/CLammpsExport.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulation.h"

bool lammpsPistonExported(const CSimulationState& sim)
{
    return sim.box.pistonUsed && sim.box.boundaries != CBoundaries::periodic;
}

CLammpsTypes::CLammpsTypes(const CSimulationState& sim)
{
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (sim.atoms.number[t] > 0) of[t] = ++count;
    plate = lammpsPistonExported(sim) ? count + 1 : 0;
    total = plate ? plate : count;
}

CLammpsPlate::CLammpsPlate(const CSimulationState& sim)
{
    if (!lammpsPistonExported(sim)) return;
    double smallest = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (sim.atoms.number[t] > 0) smallest = smallest > 0.0 ? std::min(smallest, sim.types.diam[t]) : sim.types.diam[t];
    double width = lammps::lengthOf(2.0 * sim.box.halfWidth);
    perSide = std::max(1, static_cast<int>(std::ceil(width / (lammps::lengthOf(smallest) / 2.0))));
    spacing = width / perSide;
    // A plate atom exactly on the box top would fall outside LAMMPS's box.
    double top = lammps::lengthOf(sim.box.halfWidth) - 1e-3 * spacing;
    z = std::min(lammps::lengthOf(sim.box.pistonZ), top);
    atomMass = lammps::massOf(sim.box.pistonM) / static_cast<double>(atoms());
}

// Round-trip precision: a position read back differs by at most one unit in the last place.
static void appendNumbers(std::string& out, double a, double b, double c)
{
    appendFormatC(out, " %.17g %.17g %.17g\n", a, b, c);
}

std::string lammpsDataText(const CSimulationState& sim)
{
    CLammpsTypes types(sim);
    double lo = lammps::lengthOf(-sim.box.halfWidth), hi = lammps::lengthOf(sim.box.halfWidth);
    std::string out = "LAMMPS data file written by Quorvel (units metal: Angstrom, g/mol, e, Angstrom/ps)\n\n";
    CLammpsPlate plate(sim);
    appendFormatC(out, "%ld atoms\n%d atom types\n\n", sim.atoms.totalAtoms + plate.atoms(), types.total);
    for (const char* axis : {"x", "y", "z"}) appendFormatC(out, "%.17g %.17g %slo %shi\n", lo, hi, axis, axis);

    out += "\nMasses\n\n";
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (types.of[t]) appendFormatC(out, "%d %.17g\n", types.of[t], lammps::massOf(sim.types.mass[t]));
    if (types.plate) appendFormatC(out, "%d %.17g\n", types.plate, plate.atomMass);

    out += "\nAtoms # charge\n\n";
    int id = 0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < sim.atoms.number[t]; i++) {
            const CVector& x = sim.atoms.loc[t][i];
            appendFormatC(out, "%d %d %.17g", ++id, types.of[t], lammps::chargeOf(sim.forces.charge[t]));
            appendNumbers(out, lammps::lengthOf(x.v[0]), lammps::lengthOf(x.v[1]), lammps::lengthOf(x.v[2]));
        }
    double corner = lammps::lengthOf(-sim.box.halfWidth) + plate.spacing / 2.0;
    for (long k = 0; k < plate.atoms(); k++) {
        appendFormatC(out, "%d %d 0", ++id, types.plate);
        appendNumbers(out, corner + plate.spacing * static_cast<double>(k % plate.perSide),
                      corner + plate.spacing * static_cast<double>(k / plate.perSide), plate.z);
    }

    out += "\nVelocities\n\n";
    id = 0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < sim.atoms.number[t]; i++) {
            const CVector& v = sim.atoms.vel[t][i];
            appendFormatC(out, "%d", ++id);
            appendNumbers(out, lammps::speedOf(v.v[0]), lammps::speedOf(v.v[1]), lammps::speedOf(v.v[2]));
        }
    for (long k = 0; k < plate.atoms(); k++) {
        appendFormatC(out, "%d", ++id);
        appendNumbers(out, 0.0, 0.0, lammps::speedOf(sim.box.pistonV));
    }
    return out;
}

std::string checkLammpsExport(const CSimulationState& sim, int replicate)
{
    if (replicate < 1 || replicate > lammps::kMaxReplicate)
        return formatC("The number of copies along each edge must be between 1 and %d, not %d.",
                       lammps::kMaxReplicate, replicate);
    if (sim.atoms.totalAtoms < 1) return "The simulation has no atoms to hand over to LAMMPS.";
    return {};
}

std::string exportForLammps(const CSimulationState& sim, const std::string& folder, int replicate)
{
    std::string problem = checkLammpsExport(sim, replicate);
    if (!problem.empty()) return problem;
    if (folder.empty()) return "No folder was given for the LAMMPS files.";

    bool created = false;
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        if (::mkdir(folder.c_str(), 0755) != 0)
            return "Cannot create the folder \"" + folder + "\": " + std::strerror(errno) + ".";
        created = true;
    } else if (!S_ISDIR(info.st_mode)) {
        return "\"" + folder + "\" is not a folder.";
    }

    std::string base = folder.back() == '/' ? folder : folder + "/";
    std::string failure = writeFilesTogether({{base + lammps::kInputName, lammpsInputText(sim, replicate)},
                                              {base + lammps::kDataName, lammpsDataText(sim)}});
    if (failure.empty()) return {};
    if (created) ::rmdir(folder.c_str());
    return "Cannot write the LAMMPS files in \"" + folder + "\": " + failure + ".";
}
