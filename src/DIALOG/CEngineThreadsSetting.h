// SPDX-License-Identifier: GPL-3.0-or-later
// The threads the engine steps with in the window: a preference of this
// computer, kept in the application's settings rather than in a simulation
// file, since no thread count changes a result. Automatic (every core the
// system offers) until one is chosen in Simulation > Timing.
#pragma once

namespace engineThreadsSetting {
// modelLimits::kAutomaticThreads or 1 to kMaxEngineThreads; automatic when
// nothing, or nothing of that rule, is kept.
int stored();
void store(int threads);
}  // namespace engineThreadsSetting
