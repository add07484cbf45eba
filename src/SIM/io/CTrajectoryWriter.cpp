// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/io/CTrajectoryWriter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "BASE/CTextNumbers.h"
#include "SIM/build/CElements.h"
#include "SIM/io/CExtendedXyzKeys.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CSimulation.h"

CTrajectoryFormat trajectory::formatOfPath(const std::string& path)
{
    auto endsWith = [&](const char* suffix) {
        size_t n = std::strlen(suffix);
        return path.size() >= n && path.compare(path.size() - n, n, suffix) == 0;
    };
    return endsWith(".lammpstrj") || endsWith(".dump") ? CTrajectoryFormat::lammpsDump
                                                        : CTrajectoryFormat::extendedXyz;
}

namespace {

// The count line and the comment line: the box (periodic along every axis or
// none), the columns, the clock and Quorvel's keys for what the columns do not hold.
void appendExtendedXyzHeader(std::string& out, const CSimulationState& sim, int atoms)
{
    const double edge = lammps::lengthOf(2.0 * sim.box.halfWidth);
    appendFormatC(out, "%d\n", atoms);
    appendFormatC(out,
                  "Lattice=\"%.17g 0 0 0 %.17g 0 0 0 %.17g\" "
                  "Properties=species:S:1:pos:R:3:velo:R:3:type:S:1:masses:R:1 pbc=\"%s\" Time=%.17g Step=%u",
                  edge, edge, edge, sim.box.boundaries == CBoundaries::periodic ? "T T T" : "F F F",
                  lammps::timeOf(sim.clock.elapsedTime), sim.clock.iterations);
    out += extendedXyz::quorvelKeysOf(sim) + "\n";
}

// One atom's line: the element its type stands for, where it is and how it
// moves, its type's letter and its mass in daltons (ASE's unit).
void appendExtendedXyzAtoms(std::string& out, const CSimulationState& sim)
{
    const double corner = lammps::lengthOf(sim.box.halfWidth);
    for (int t = 0; t < CSimulation::kTypes; t++) {
        if (sim.atoms.number[t] == 0) continue;
        const char* symbol = elements::forType(sim.types.name[t], sim.types.mass[t]).symbol;
        const double daltons = elements::daltonsOf(sim.types.mass[t]);
        for (int i = 0; i < sim.atoms.number[t]; i++) {
            const CVector& x = sim.atoms.loc[t][i];
            const CVector& v = sim.atoms.vel[t][i];
            appendFormatC(out, "%s %.17g %.17g %.17g %.17g %.17g %.17g %c %.17g\n", symbol,
                          lammps::lengthOf(x.v[0]) + corner, lammps::lengthOf(x.v[1]) + corner,
                          lammps::lengthOf(x.v[2]) + corner, lammps::speedOf(v.v[0]), lammps::speedOf(v.v[1]),
                          lammps::speedOf(v.v[2]), 'A' + t, daltons);
        }
    }
}

}  // namespace

// Positions and velocities with 17 significant digits: read back, they are
// the simulation's own to the last place.
std::string trajectory::extendedXyzFrame(const CSimulationState& sim)
{
    int atoms = 0;
    for (int t = 0; t < CSimulation::kTypes; t++) atoms += sim.atoms.number[t];
    std::string out;
    out.reserve(static_cast<size_t>(atoms) * 180 + 1024);
    appendExtendedXyzHeader(out, sim, atoms);
    appendExtendedXyzAtoms(out, sim);
    return out;
}

// The atoms in the order, and with the ids and types, of the data file; the
// piston's plate atoms, when it has one, at the piston's height.
std::string trajectory::lammpsDumpFrame(const CSimulationState& sim)
{
    CLammpsTypes types(sim);
    CLammpsPlate plate(sim);
    long atoms = plate.atoms();
    for (int t = 0; t < CSimulation::kTypes; t++) atoms += sim.atoms.number[t];
    const double lo = lammps::lengthOf(-sim.box.halfWidth), hi = lammps::lengthOf(sim.box.halfWidth);
    std::string out;
    out.reserve(static_cast<size_t>(atoms) * 150 + 256);
    appendFormatC(out, "ITEM: TIMESTEP\n%u\nITEM: NUMBER OF ATOMS\n%ld\nITEM: BOX BOUNDS %s\n", sim.clock.iterations,
                  atoms, sim.box.boundaries == CBoundaries::periodic ? "pp pp pp" : "ff ff ff");
    for (int axis = 0; axis < 3; axis++) appendFormatC(out, "%.17g %.17g\n", lo, hi);
    out += "ITEM: ATOMS id type x y z vx vy vz\n";
    long id = 0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < sim.atoms.number[t]; i++) {
            const CVector& x = sim.atoms.loc[t][i];
            const CVector& v = sim.atoms.vel[t][i];
            appendFormatC(out, "%ld %d %.17g %.17g %.17g %.17g %.17g %.17g\n", ++id, types.of[t],
                          lammps::lengthOf(x.v[0]), lammps::lengthOf(x.v[1]), lammps::lengthOf(x.v[2]),
                          lammps::speedOf(v.v[0]), lammps::speedOf(v.v[1]), lammps::speedOf(v.v[2]));
        }
    const double corner = lo + plate.spacing / 2.0;
    for (long k = 0; k < plate.atoms(); k++)
        appendFormatC(out, "%ld %d %.17g %.17g %.17g 0 0 %.17g\n", ++id, types.plate,
                      corner + plate.spacing * static_cast<double>(k % plate.perSide),
                      corner + plate.spacing * static_cast<double>(k / plate.perSide), plate.z,
                      lammps::speedOf(sim.box.pistonV));
    return out;
}

CTrajectoryWriter::~CTrajectoryWriter()
{
    close();
}

std::string CTrajectoryWriter::open(const std::string& path, CTrajectoryFormat format, unsigned everyDisplays,
                                    const CSimulationState& sim)
{
    close();
    if (everyDisplays < 1) return "a frame must be written every 1 or more displays";
    int atoms = 0;
    for (int t = 0; t < CSimulation::kTypes; t++) atoms += sim.atoms.number[t];
    if (atoms == 0) return "the simulation has no atoms to record";
    int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) return "cannot create \"" + path + "\": " + std::strerror(errno);
    fd = descriptor;
    path_ = path;
    this->format = format;
    every = everyDisplays;
    displaysSinceFrame = 0;
    frames = 0;
    bytesWritten = 0;
    origin = sim.origin;
    for (int t = 0; t < CSimulation::kTypes; t++) numbers[t] = sim.atoms.number[t];
    stepSeen = sim.clock.iterations;
    return writeFrame(sim);
}

std::string CTrajectoryWriter::endUnlessRecorded(const CSimulationState& sim)
{
    if (!isOpen()) return {};
    std::string why;
    int recorded = 0, now = 0;
    bool sameTypes = true;
    for (int t = 0; t < CSimulation::kTypes; t++) {
        recorded += numbers[t];
        now += sim.atoms.number[t];
        sameTypes = sameTypes && numbers[t] == sim.atoms.number[t];
    }
    if (sim.origin != origin)
        why = "the simulation is not the one being recorded";
    else if (now != recorded)
        why = formatC("the simulation has %d atoms now, the one recorded %d", now, recorded);
    else if (!sameTypes)
        why = "the simulation's atoms are of other types now than those recorded";
    else if (sim.clock.iterations < stepOfFrame)
        why = "the simulation is back at step " + stepCountText(sim.clock.iterations) + ", before the last frame's step " +
              stepCountText(stepOfFrame);
    if (why.empty()) {
        // A state put back between the last frame and the last display
        // seen: the steps from it on are new.
        if (sim.clock.iterations < stepSeen) stepSeen = sim.clock.iterations;
        return {};
    }
    close();
    return why + formatC("; %u frame%s written to \"%s\"", frames, frames == 1 ? " was" : "s were",
                         CSimulation::fileNameOfPath(path_).c_str());
}

std::string CTrajectoryWriter::afterDisplay(const CSimulationState& sim)
{
    if (!isOpen()) return {};
    if (std::string end = endUnlessRecorded(sim); !end.empty()) return end;
    // A display that took no step (steps per display lowered below those
    // already run) has nothing new to show.
    if (sim.clock.iterations == stepSeen) return {};
    stepSeen = sim.clock.iterations;
    if (++displaysSinceFrame < every) return {};
    displaysSinceFrame = 0;
    return writeFrame(sim);
}

std::string CTrajectoryWriter::writeFrame(const CSimulationState& sim)
{
    if (!isOpen()) return "the trajectory file is not open";
    const std::string text =
        format == CTrajectoryFormat::lammpsDump ? trajectory::lammpsDumpFrame(sim) : trajectory::extendedXyzFrame(sim);
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            std::string reason = formatC("frame %u could not be written to \"%s\": %s", frames + 1, path_.c_str(),
                                         n < 0 ? std::strerror(errno) : "nothing was written");
            // The frames before stay whole: the part of this one goes.
            if (::ftruncate(fd, bytesWritten) != 0) reason += " (part of that frame remains at the end of the file)";
            close();
            return reason;
        }
        done += static_cast<size_t>(n);
    }
    bytesWritten += static_cast<long long>(text.size());
    frames++;
    stepOfFrame = sim.clock.iterations;
    return {};
}

void CTrajectoryWriter::close()
{
    if (fd >= 0) ::close(fd);
    fd = -1;
}
