// SPDX-License-Identifier: GPL-3.0-or-later
// A trajectory written while the simulation runs, for the analysis programs:
// extended XYZ (OVITO, ASE, VMD) or a LAMMPS dump in the units, ids and type
// numbers of the LAMMPS export, so that data.quorvel and the dump load
// together. Each frame reaches the file whole before the next is made: a
// crash loses at most the frame being written, and a failed write is taken
// back to the end of the last whole frame.
//
// A file holds one simulation and one count of atoms of each type, as the
// readers take frames against one data file: a state of another simulation
// (opened, built, imported, or put back from one), another number of atoms
// of a type, or a step before the last frame's ends the recording, and no
// frame is written of it. A display that took no step writes no frame.
#pragma once

#include <string>

#include "SIM/model/CAtomTypes.h"

struct CSimulationState;

enum class CTrajectoryFormat { extendedXyz, lammpsDump };

namespace trajectory {
// The format a file name asks for: .lammpstrj (or .dump) a LAMMPS dump,
// anything else extended XYZ.
CTrajectoryFormat formatOfPath(const std::string& path);
// One frame of the state as it stands.
std::string extendedXyzFrame(const CSimulationState& sim);
std::string lammpsDumpFrame(const CSimulationState& sim);
}  // namespace trajectory

class CTrajectoryWriter {
public:
    CTrajectoryWriter() = default;
    ~CTrajectoryWriter();
    CTrajectoryWriter(const CTrajectoryWriter&) = delete;
    CTrajectoryWriter& operator=(const CTrajectoryWriter&) = delete;

    // Creates (or empties) the file and writes the first frame, the state as
    // it stands; a frame follows every everyDisplays displays. The reason of
    // a failure (a simulation without atoms has nothing to record), empty on
    // success.
    std::string open(const std::string& path, CTrajectoryFormat format, unsigned everyDisplays, const CSimulationState& sim);
    // Whether sim, as it stands, goes on with the simulation recorded. When
    // it does not, the recording ends here and the answer says why and how
    // many frames were written; empty while it goes on, or when none records.
    std::string endUnlessRecorded(const CSimulationState& sim);
    // Called after each display: writes the frame that is due. On a failure
    // the file is closed with its whole frames and the reason answered; a
    // state that ends the recording answers as endUnlessRecorded does.
    std::string afterDisplay(const CSimulationState& sim);
    // Writes a frame now. The reason of a failure, empty on success.
    std::string writeFrame(const CSimulationState& sim);
    void close();

    bool isOpen() const { return fd >= 0; }
    unsigned framesWritten() const { return frames; }
    const std::string& path() const { return path_; }

private:
    int fd = -1;
    std::string path_;
    CTrajectoryFormat format = CTrajectoryFormat::extendedXyz;
    unsigned every = 1, displaysSinceFrame = 0, frames = 0;
    long long bytesWritten = 0;
    // The simulation recorded: its origin and atoms of each type, and the
    // step of the last display seen and of the last frame.
    unsigned long long origin = 0;
    int numbers[CAtomTypes::kTypes] = {};
    unsigned stepSeen = 0, stepOfFrame = 0;
};
