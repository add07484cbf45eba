// SPDX-License-Identifier: GPL-3.0-or-later
// The values the engine and the window can live with. The setters, the
// dialogs and the file reader ask these same questions, so a value refused at
// one entrance is refused at every other: a dialog keeps itself open, a
// setter answers false, the reader skips the line.
#pragma once

#include <cmath>

namespace valueRules {

// More steps per display than this hold the window inside one tick for
// minutes; the dialog, the setter and the file refuse them.
constexpr unsigned kMaxStepsPerDisplay = 1000000;
// The histogram's frame in points, and the remembered view size.
constexpr int kMaxHistogramExtent = 10000;
constexpr double kMaxWindowExtent = 16384.0;
// The run timer waits at most this long between ticks (seconds).
constexpr double kMaxTimerInterval = 3600.0;
// Number of choices of the switches stored as indices.
constexpr int kOutputSlots = 5;      // display type: A to D, then all types
constexpr int kTimeUnits = 2;        // seconds, steps
constexpr int kRecordTypes = 3;      // instant, time constant, accumulated
constexpr int kTextSizes = 3;
constexpr int kAspectRatios = 5;

inline bool finite(double x) { return std::isfinite(x); }
inline bool positive(double x) { return x > 0.0 && std::isfinite(x); }
inline bool choice(long long index, int count) { return index >= 0 && index < count; }

// Atoms of no size or negative size have no contact distance: the clump and
// the refit would chase it for ever.
inline bool isDiameter(double d) { return positive(d); }
inline bool isMass(double m) { return positive(m); }
// The heat bath draws energies in proportion to it; below 0 K they have no speed.
inline bool isFloorTemperature(double kelvin) { return kelvin >= 0.0 && std::isfinite(kelvin); }
inline bool isTimeStep(double seconds) { return positive(seconds); }
inline bool isStepsPerDisplay(long long steps) { return steps >= 0 && steps <= kMaxStepsPerDisplay; }
inline bool isTimerInterval(double seconds) { return seconds >= 0.0 && seconds <= kMaxTimerInterval; }
// Each average takes 1/tc of the newest value: below one step it overshoots and grows without bound.
inline bool isTimeConstant(double steps) { return steps >= 1.0 && std::isfinite(steps); }
inline bool isHistogramScale(double y) { return positive(y); }
inline bool isHistogramSpeed(double x) { return positive(x); }
inline bool isHistogramExtent(long long points) { return points >= 0 && points <= kMaxHistogramExtent; }
// The view's scale and plane distance divide the screen motion of a drag.
inline bool isViewScale(double pointsPerMetre) { return positive(pointsPerMetre); }
inline bool isViewDistance(double metres) { return positive(metres); }
inline bool isBoxHalfWidth(double metres) { return positive(metres); }
inline bool isColour(double c) { return c >= 0.0 && c <= 1.0; }
inline bool isWindowExtent(double points) { return points > 0.0 && points <= kMaxWindowExtent; }

}  // namespace valueRules
