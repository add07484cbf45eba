// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's trajectories: --trajectory OUT.xyz and --dump OUT.lammpstrj,
// a frame for the starting state and one every --every displays; --frame
// picks the frame of an XYZ file read as the starting state.
#pragma once

#include <string>

#include "SIM/CTrajectoryWriter.h"

class CSimulation;

struct CTrajectoryOptions {
    std::string xyzPath;    // extended XYZ
    std::string dumpPath;   // LAMMPS dump
    unsigned long every = 1;  // displays between frames
    bool everyGiven = false;
    int frame = 0;          // of an XYZ file read, from 0
};

// Takes the option at argv[k] (and its value) when it is one of these:
// answers 1 when taken, 0 when it is not one of them, -1 with error set.
int parseTrajectoryOption(int argc, const char* const* argv, int& k, CTrajectoryOptions& options, std::string& error);
// What the options ask of each other; false with error set.
bool checkTrajectoryOptions(const CTrajectoryOptions& options, std::string& error);

class CBatchTrajectories {
public:
    explicit CBatchTrajectories(const CTrajectoryOptions& options) : options_(options) {}
    // Opens the files with the starting state's frame; false (with a message
    // on standard error) when one cannot be.
    bool start(const CSimulation& simulation);
    void afterDisplay(const CSimulation& simulation);
    // Whether every frame due was written.
    bool succeeded() const { return succeeded_; }

private:
    const CTrajectoryOptions& options_;
    CTrajectoryWriter xyz_, dump_;
    bool succeeded_ = true;
};
