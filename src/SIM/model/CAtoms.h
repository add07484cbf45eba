// SPDX-License-Identifier: GPL-3.0-or-later
// The atoms, [type][index]: where they are, how they move, their energies
// and whether a person selected them. The first number[t] of each type are
// the atoms; the slots after them hold nothing that counts.
#pragma once

#include "BASE/CVector.h"
#include "SIM/model/CModelLimits.h"

struct CAtoms {
    static constexpr int kTypes = modelLimits::kTypes;
    static constexpr int kPerType = modelLimits::kMaxPerType;

    int totalAtoms = 0;
    int number[kTypes] = {};

    CVector loc[kTypes][kPerType];  // m
    CVector vel[kTypes][kPerType];  // m/s
    CVector acc[kTypes][kPerType];  // m/s^2
    double aKEnergy[kTypes][kPerType] = {};
    double aPEnergy[kTypes][kPerType] = {};
    double aTEnergy[kTypes][kPerType] = {};
    // Each atom's speed squared, for the histogram and the rms speed.
    double nvel[kTypes][kPerType] = {};
    // Each atom's total energy when the energies last were conserved.
    double paTEnergy[kTypes][kPerType] = {};
    // Each atom's energy change since then, which conservation takes back.
    double dE[kTypes][kPerType] = {};
    // In a periodic box, how many box widths each atom has been wrapped back
    // by along each axis (positive: it left through the upper face), so that
    // loc + image * width is its unwrapped position. Zero in a closed box.
    int image[kTypes][kPerType][3] = {};
    // 1 selected, 0 not (a file may store other values, kept as read).
    char sel[kTypes][kPerType] = {};

    // The selected atom the editing dialog shows (the last countSelected
    // met), -1 when none.
    int firstSelectedType = -1, firstSelectedIndex = -1;
    // Positions held aside: the selection's before an edit, to go back to;
    // the trial positions of a refit.
    CVector heldLoc[kTypes][kPerType];
    // The selection's centroid as calculateCentroid left it, and as saved
    // for the editing dialog.
    CVector centroid, savedCentroid;
};
