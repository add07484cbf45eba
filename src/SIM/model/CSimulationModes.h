// SPDX-License-Identifier: GPL-3.0-or-later
// The modes a simulation is in. Each enumerator's value is the index a
// simulation file and the dialogs store for it, so the reader and the writer
// convert with modeIndex and a cast after the value rule's check.
#pragma once

// Whether the displays follow one another.
enum class CRunState { stopped = 0, running = 1 };

// The loops that take a step: the plain loops over all pairs, or the fast
// engine with the same results bit for bit.
enum class CEngineKind { reference = 0, fast = 1 };

// How the elapsed time is shown.
enum class CTimeUnit { seconds = 0, steps = 1 };

// How the displayed outputs average the steps: the last display's values, a
// running average with the display time constant, or the mean of every
// display since the averages started.
enum class CRecordKind { instant = 0, timeConstant = 1, accumulated = 2 };

// What the box's faces are: walls (with the floor, its heat bath and the
// piston), or periodic, where an atom leaving through a face enters through
// the opposite one and pairs act through the nearest image.
enum class CBoundaries { closed = 0, periodic = 1 };

template <typename Mode>
constexpr int modeIndex(Mode mode)
{
    return static_cast<int>(mode);
}
