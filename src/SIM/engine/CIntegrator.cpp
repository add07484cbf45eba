// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/engine/CIntegrator.h"

#include "SIM/engine/CPairEngine.h"
#include "SIM/engine/CStepView.h"

void integrateSteps(CStepView& step, CPairEngine& pairs, int threads, unsigned steps, bool endsDisplay)
{
    double dt = step.timeStep;
    double half = dt * 0.5;
    double quad = dt * half;
    if (step.iterations == 0) {
        step.initSimulationEnergies();
        step.resetIPS();
    }
    pairs.beginSteps(threads);
    for (unsigned k = 0; k < steps; k++) {
        step.driftAtoms(dt, quad);
        if (step.pistonUsed()) step.movePiston(dt, quad);
        step.collideWithBox();
        pairs.contacts();
        if (step.foldAtomsIntoBox()) pairs.atomsFolded();
        step.kickAtoms(half);
        pairs.forces();
        step.kickAndTotalEnergy(half);
        if (step.conserve()) {
            pairs.pairEnergies();
            step.rescaleToConserve();
        }
        step.calculateAllOutputs(endsDisplay && k + 1 == steps);
        step.iterations++;
        step.elapsedTime += dt;
        step.calculateIPS();
    }
}
