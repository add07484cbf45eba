// SPDX-License-Identifier: GPL-3.0-or-later
// The headless runner: a simulation advanced display step by display step,
// exactly as the application's run timer advances it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "SIM/build/CNewSimulation.h"
#include "CBatchTrajectory.h"
#include "SIM/model/CSimulationModes.h"

struct CBatchOptions {
    std::string inputPath;   // empty: the default simulation
    unsigned long ticks = 0;
    std::string outputPath;  // simulation file written after the run
    std::string csvPath;     // one row of smoothed outputs per display step
    std::string renderPath;  // picture of the scene after the run
    int renderWidth = 1000, renderHeight = 700;
    bool renderStereo = false;
    CEngineKind engineKind = CEngineKind::fast;
    int engineThreads = 1;   // threads of the fast engine, 1 to 64 or automatic (0)
    std::string histogramPath;  // speed distribution against Maxwell-Boltzmann after the run
    std::string rdfPath;        // g(r) averaged over every display of the run
    int rdfFirstType = -1, rdfSecondType = -1;  // the pair of types; -1: all atoms
    std::string lammpsFolder;  // LAMMPS input and data written there after the run
    int lammpsReplicate = 1;   // copies along each edge of the LAMMPS box
    // --new: the state is built from these instead of read from a file;
    // newSpec holds all but the types, which are parsed when it is built.
    std::string newTypes;
    newSimulation::CSpec newSpec;
    bool newDensityGiven = false;  // otherwise the arrangement's default density
    // Diffusion: MSD and VACF over the run, of the atoms of the types in msdTypes (a bit per type).
    std::string msdPath, vacfPath;
    unsigned msdTypes = 0xF;
    bool msdTypesGiven = false;
    CTrajectoryOptions trajectory;  // trajectories recorded during the run
    // --set NAME=VALUE, in the order given: set after the file is read.
    std::vector<std::pair<std::string, std::string>> settings;
};

// Runs the simulation; returns the process exit status.
int runBatch(const CBatchOptions& options);

extern const char* const kBatchUsage;
// The line after a bad argument's, in place of the whole usage.
extern const char* const kBatchTryHelp;
