// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between the two engines within a step: how the pairs of atoms
// are found and walked. The integrator (CIntegrator.h) owns the step and its
// order and asks a pair engine for the pair passes; the reference walks every
// pair, the fast engine its neighbour lists, with the same results bit for
// bit. A pair engine is asked once per pass, never per pair.
#pragma once

#include "SIM/model/CEngineHandle.h"

class CPairEngine : public CEngineHandle {
public:
    // Before a call's steps, on up to threads threads: made ready for the state as
    // it stands (a person or a file may have changed anything since).
    virtual void beginSteps(int threads) = 0;
    // After the drift and the walls: the contacts of atoms that touch, in
    // pair order, each seeing the moves of those before it.
    virtual void contacts() = 0;
    // Atoms were folded back into the box after the contacts (rare).
    virtual void atomsFolded() = 0;
    // Accelerations and potential energies from the positions.
    virtual void forces() = 0;
    // With conservation on: each atom's energy change paired with those of
    // the atoms within reach, in pair order (the speeds are scaled after).
    virtual void pairEnergies() = 0;
};
