// SPDX-License-Identifier: GPL-3.0-or-later
// The values the engine and the window can live with. The setters, the
// dialogs and the file reader ask these same questions, so a value refused at
// one entrance is refused at every other: a dialog keeps itself open, a
// setter answers false, the reader skips the line.
//
// Each range is one where the step's arithmetic cannot overflow (a speed
// squared times a mass, a charge squared over a distance, a force over a
// mass) and the physics still describes atoms in a box of nanometres; every
// stored example and benchmark lies well inside them.
#pragma once

#include <cmath>
#include <string>

#include "SIM/model/CModelLimits.h"
#include "SIM/model/CSimulationModes.h"

namespace valueRules {

// A closed range of a real value, with the unit its alert names.
struct CRange {
    double low, high;
    const char* unit;
};

inline bool within(double x, const CRange& r) { return x >= r.low && x <= r.high; }  // NaN is outside
// "<what> must be between <low> and <high> <unit>." in the "C" locale,
// numbers as short as they can be written ("1e-30").
std::string rangeMessage(const char* what, const CRange& r);
// "<what> must be a finite number above 0 <unit>." (no unit when it is
// empty): said alike of a value that is zero, negative, "inf" or "nan".
std::string positiveMessage(const char* what, const char* unit = "");
// "<what> must be a finite number.": "inf" and "nan" are numbers to the
// parser but no value a simulation can hold.
std::string finiteMessage(const char* what);
std::string shortNumber(double x, int significantDigits = 6);

// An atom from the electron's mass to a large protein's.
constexpr CRange kMass{1e-30, 1e-20, "kg"};
// An atom from a tenth of an ångström to a colloid of a tenth of a micrometre.
constexpr CRange kDiameter{1e-11, 1e-7, "m"};
// The box's whole width (files store half of it).
constexpr CRange kBoxWidth{1e-10, 1e-5, "m"};
constexpr CRange kBoxHalfWidth{kBoxWidth.low / 2, kBoxWidth.high / 2, "m"};
// The heat bath gives each atom up to some twenty kT; above this the speeds
// of light atoms approach the speed of light.
constexpr CRange kFloorTemperature{0.0, 1e5, "K"};
// A change of the total kinetic energy shared among the atoms: some ten
// million kelvin over 400 atoms at the most.
constexpr CRange kKineticEnergyChange{-1e-13, 1e-13, "J"};
// The walls hold for any step in this range; the physics is sound only where
// an atom moves a small part of its diameter per step (see the dialogs' warning).
constexpr CRange kTimeStep{1e-18, 1e-9, "s"};
// A Lennard-Jones well, between types or with the floor: a negative depth is
// a repulsion that grows without bound as atoms part and heats the run for
// ever; the deepest chemical bond is below 1e-18 J.
constexpr CRange kWellDepth{0.0, 1e-18, "J"};
// Up to some sixty elementary charges.
constexpr CRange kCharge{-1e-17, 1e-17, "C"};
// Each average takes 1/tc of the newest value: below one step it overshoots
// and grows without bound; the averages' labels show it as a whole number.
constexpr CRange kTimeConstant{1.0, 1e9, "steps"};
constexpr CRange kHistogramSpeed{1.0, 1e8, "m/s"};
constexpr CRange kHistogramScale{0.01, 1e4, "atoms per bin"};
// The view's scale and plane distance divide the screen motion of a drag;
// outside these the picture's coordinates underflow or leave the integers.
constexpr CRange kViewDistance{1e-11, 1e-3, "m"};
constexpr CRange kViewScale{1e3, 1e16, "points per metre"};
constexpr CRange kPistonMass{1e-30, 100.0, "kg"};
// A piston only pushes.
constexpr CRange kAppliedPressure{0.0, 1e10, "Pa"};
// Each component of an atom's velocity, a third of the speed of light at the most.
constexpr CRange kVelocity{-1e8, 1e8, "m/s"};
// A step that carries an atom at the rms speed further than this part of its
// diameter misses contacts and forces: the dialogs warn (the walls hold all the same).
constexpr double kLargestStepReach = 0.1;
// The run timer waits at most this long between ticks.
constexpr CRange kTimerInterval{0.0, 3600.0, "s"};

// Whole numbers. A display of no steps would show RUNNING with nothing
// moving (and the batch runner would wait for ever); more steps than this
// hold the window inside one tick for minutes.
constexpr unsigned kMinStepsPerDisplay = 1;
constexpr unsigned kMaxStepsPerDisplay = 1000000;
// The histogram's frame in points: narrower, its axis labels run together.
constexpr int kMinHistogramWidth = 100, kMinHistogramHeight = 50;
constexpr int kMaxHistogramExtent = 4000;
constexpr double kMaxWindowExtent = 16384.0;
// The accumulated averages count their displays: one more sample changes an
// average of this many by less than its shown digits, and the count stops
// here instead of wrapping round to a division by zero.
constexpr unsigned kMaxAveragedDisplays = 1000000000;
constexpr CRange kStepsPerDisplay{kMinStepsPerDisplay, kMaxStepsPerDisplay, "steps"};
constexpr CRange kHistogramWidth{kMinHistogramWidth, kMaxHistogramExtent, "points"};
constexpr CRange kHistogramHeight{kMinHistogramHeight, kMaxHistogramExtent, "points"};
constexpr CRange kWindowExtent{1.0, kMaxWindowExtent, "points"};
constexpr CRange kAveragedDisplays{0.0, kMaxAveragedDisplays, "displays"};
constexpr CRange kColour{0.0, 1.0, "of full intensity"};
// Number of choices of the switches stored as indices.
constexpr int kOutputSlots = modelLimits::kSlots;  // display type: A to D, then all types
constexpr int kTimeUnits = modeIndex(CTimeUnit::steps) + 1;
constexpr int kRecordTypes = modeIndex(CRecordKind::accumulated) + 1;
constexpr int kTextSizes = 3;
constexpr int kAspectRatios = 5;

inline bool finite(double x) { return std::isfinite(x); }
inline bool positive(double x) { return x > 0.0 && std::isfinite(x); }
inline bool choice(long long index, int count) { return index >= 0 && index < count; }

inline bool isDiameter(double d) { return within(d, kDiameter); }
inline bool isMass(double m) { return within(m, kMass); }
inline bool isFloorTemperature(double kelvin) { return within(kelvin, kFloorTemperature); }
inline bool isKineticEnergyChange(double joules) { return within(joules, kKineticEnergyChange); }
inline bool isTimeStep(double seconds) { return within(seconds, kTimeStep); }
inline bool isWellDepth(double joules) { return within(joules, kWellDepth); }
inline bool isCharge(double coulombs) { return within(coulombs, kCharge); }
// Whole numbers are asked as doubles (which hold every one of them exactly),
// so that the file reader asks the same question of the number it read.
inline bool isStepsPerDisplay(double steps) { return within(steps, kStepsPerDisplay); }
inline bool isTimerInterval(double seconds) { return within(seconds, kTimerInterval); }
inline bool isTimeConstant(double steps) { return within(steps, kTimeConstant); }
inline bool isHistogramScale(double y) { return within(y, kHistogramScale); }
inline bool isHistogramSpeed(double x) { return within(x, kHistogramSpeed); }
inline bool isHistogramWidth(double points) { return within(points, kHistogramWidth); }
inline bool isHistogramHeight(double points) { return within(points, kHistogramHeight); }
inline bool isViewScale(double pointsPerMetre) { return within(pointsPerMetre, kViewScale); }
inline bool isViewDistance(double metres) { return within(metres, kViewDistance); }
inline bool isBoxHalfWidth(double metres) { return within(metres, kBoxHalfWidth); }
inline bool isPistonMass(double kg) { return within(kg, kPistonMass); }
inline bool isAppliedPressure(double pascals) { return within(pascals, kAppliedPressure); }
inline bool isVelocity(double metresPerSecond) { return within(metresPerSecond, kVelocity); }
inline bool isColour(double c) { return within(c, kColour); }

}  // namespace valueRules
