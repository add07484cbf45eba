// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's trajectories: --trajectory OUT.xyz and --dump OUT.lammpstrj,
// a frame for the starting state and one every --every displays; --frame
// picks the frame of an XYZ file read as the starting state.
#pragma once

#include <string>

#include "SIM/io/CTrajectoryWriter.h"

class CSimulation;

struct CTrajectoryOptions {
    std::string xyzPath;    // extended XYZ
    std::string dumpPath;   // LAMMPS dump
    unsigned long every = 1;  // displays between frames
    bool everyGiven = false;
    int frame = 0;          // of an XYZ file read, from 0
};

// The options' names, without their dashes; each takes a value.
inline constexpr const char* kTrajectoryOptionNames[] = {"trajectory", "dump", "every", "frame"};
// Takes the value of one of them (option with its dashes, non-empty value);
// false with error set when the value is refused.
bool takeTrajectoryOption(const std::string& option, const std::string& value, CTrajectoryOptions& options,
                          std::string& error);
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
