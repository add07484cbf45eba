// SPDX-License-Identifier: GPL-3.0-or-later
// The sizes of a simulation: how many types, how many atoms of each, and the
// slots the outputs are kept in.
#pragma once

namespace modelLimits {

inline constexpr int kTypes = 4;
inline constexpr int kMaxPerType = 400;
inline constexpr int kMaxAtoms = kTypes * kMaxPerType;
// The outputs are kept per type and, in the slot after the types', for all
// atoms together.
inline constexpr int kAllAtoms = kTypes;
inline constexpr int kSlots = kAllAtoms + 1;
// Bins of the speed histogram.
inline constexpr int kBins = 40;
// Threads the fast engine may be given; automatic (0) means every core the
// system offers, up to this.
inline constexpr int kMaxEngineThreads = 64;
inline constexpr int kAutomaticThreads = 0;

}  // namespace modelLimits
