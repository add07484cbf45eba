// SPDX-License-Identifier: GPL-3.0-or-later
// For the loops over atoms that compile for the widest vectors the processor
// has, chosen when the program starts. Every lane rounds as scalar code does:
// products, sums, quotients and square roots are exact to the last bit in any
// width, and no multiply-add is fused (the build forbids contraction), so
// every width gives the same results.
#pragma once

#include <type_traits>

#include "BASE/CVector.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define QUORVEL_WIDEST __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define QUORVEL_WIDEST
#endif

static_assert(sizeof(CVector) == 3 * sizeof(double) && std::is_standard_layout_v<CVector>,
              "atoms' vectors are walked as runs of doubles");

// A run of vectors as a run of three doubles each.
inline double* flatVectors(CVector* vectors) { return reinterpret_cast<double*>(vectors); }
inline const double* flatVectors(const CVector* vectors) { return reinterpret_cast<const double*>(vectors); }

// Marks the atoms of a run (three doubles each) with a coordinate beyond
// -limit..limit: few atoms touch a wall in a step, and the others are passed
// over without a branch each.
void markAtomsBeyond(const double* __restrict coordinates, int atoms, double limit, unsigned char* __restrict beyond);
