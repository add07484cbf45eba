// SPDX-License-Identifier: GPL-3.0-or-later
// A trajectory written while the simulation runs, for the analysis programs:
// extended XYZ (OVITO, ASE, VMD) or a LAMMPS dump in the units, ids and type
// numbers of the LAMMPS export, so that data.quorvel and the dump load
// together. Each frame reaches the file whole before the next is made: a
// crash loses at most the frame being written, and a failed write is taken
// back to the end of the last whole frame.
#pragma once

#include <string>

class CSimulation;

enum class CTrajectoryFormat { extendedXyz, lammpsDump };

namespace trajectory {
// The format a file name asks for: .lammpstrj (or .dump) a LAMMPS dump,
// anything else extended XYZ.
CTrajectoryFormat formatOfPath(const std::string& path);
// One frame of the state as it stands.
std::string extendedXyzFrame(const CSimulation& sim);
std::string lammpsDumpFrame(const CSimulation& sim);
}  // namespace trajectory

class CTrajectoryWriter {
public:
    CTrajectoryWriter() = default;
    ~CTrajectoryWriter();
    CTrajectoryWriter(const CTrajectoryWriter&) = delete;
    CTrajectoryWriter& operator=(const CTrajectoryWriter&) = delete;

    // Creates (or empties) the file and writes the first frame, the state as
    // it stands; a frame follows every everyDisplays displays. The reason of
    // a failure, empty on success.
    std::string open(const std::string& path, CTrajectoryFormat format, unsigned everyDisplays, const CSimulation& sim);
    // Called after each display: writes the frame that is due. On a failure
    // the file is closed with its whole frames and the reason answered.
    std::string afterDisplay(const CSimulation& sim);
    // Writes a frame now. The reason of a failure, empty on success.
    std::string writeFrame(const CSimulation& sim);
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
};
