// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation a person meets first: every start-up value, stated once.
// The state's parts take them as their initial values; initWithDefaults
// puts fresh parts in place and then does what only a whole simulation can
// (the view's distances, the first atoms placed).
#pragma once

#include "SIM/model/CSimulationModes.h"

namespace simulationDefaults {

// ---- atom types, the same for all four but their colours
inline constexpr double kDiameter = 3e-10;  // m
inline constexpr double kMass = 5e-26;      // kg
struct CTypeColour {
    float red, green, blue;
};
// A red, B blue, C green, D yellow.
inline constexpr CTypeColour kTypeColours[] = {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 1, 0}};
// The atoms placed at random in the box at the start, all of type A.
inline constexpr int kStartAtomType = 0;
inline constexpr int kStartAtoms = 4;

// ---- run control and timing
inline constexpr CRunState kRunState = CRunState::stopped;
inline constexpr float kRunTimerInterval = 0.001f;  // s between displays when running
inline constexpr double kTimeStep = 1e-14;          // s
inline constexpr unsigned kStepsPerDisplay = 100;
inline constexpr CTimeUnit kTimeUnit = CTimeUnit::steps;
inline constexpr CEngineKind kEngineKind = CEngineKind::fast;

// ---- forces: pair potentials off; when turned on, type A and the unlike
// pairs attract with this well depth, like pairs of B, C and D not at all.
inline constexpr bool kPotentialUsed = false;
inline constexpr double kPairWellDepth = 1e-21;  // J
inline constexpr int kPairsWithWell[][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
inline constexpr bool kFloorPotentialUsed = false;
inline constexpr bool kFloorTempUsed = false;
// Pairs closer than their mean diameter meet in a contact (a hard core)
// rather than feel the Lennard-Jones repulsion.
inline constexpr bool kContactsUsed = true;

// ---- averaging and energy conservation
inline constexpr double kDisplayTimeConstant = 10000.0;  // steps
inline constexpr CRecordKind kRecordKind = CRecordKind::instant;
inline constexpr bool kConserve = true;

// ---- display switches and the speed histogram's frame
inline constexpr bool kStateDisplay = true;
inline constexpr bool kEnergyDiffDisplay = false;
inline constexpr bool kNumericDisplay = true;
inline constexpr bool kGraphDisplay = false;
inline constexpr bool kAxesShow = false;
inline constexpr double kGraphXmax = 200.0;  // m/s
inline constexpr double kGraphYmax = 0.3;    // the top of the histogram's scale
inline constexpr int kHistogramWidth = 200, kHistogramHeight = 110;  // points

// ---- window
inline constexpr float kWindowWidth = 400.0f, kWindowHeight = 250.0f;  // points

// ---- view
inline constexpr double kEyePlaneDistance = 1e-10;  // m
inline constexpr double kEyeDistance = 2.5e-9;      // m
inline constexpr double kViewScale = 5e12;          // points per metre on the projection plane

// ---- box and piston
inline constexpr double kBoxHalfWidth = 5e-10;  // m
inline constexpr CBoundaries kBoundaries = CBoundaries::closed;
inline constexpr bool kBoxShow = true, kBoxShowShadow = true, kBoxFloorShow = true;
inline constexpr bool kPistonUsed = false;
inline constexpr double kPistonMass = 1.0;          // kg
inline constexpr double kAppliedPressure = 1e-6;    // Pa
// The piston's acceleration a new simulation holds: a fresh simulation has
// always had the one the applied pressure gives on a box 1 m wide (setting the
// box's width leaves the acceleration as it is, and the pressure was set
// first); the pressure's setter and a file read work it out for the box in force.
inline constexpr double kPistonAcceleration = kAppliedPressure * (-4.0 * 1.0 * 1.0) / kPistonMass;  // m/s^2

}  // namespace simulationDefaults
