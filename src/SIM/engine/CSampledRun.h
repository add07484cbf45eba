// SPDX-License-Identifier: GPL-3.0-or-later
// A display's steps run in parts that end where a measurement's samples are
// due. The sampler is any measurement with stepsToNextSample(simulation),
// the steps until its next sample (0: one is due now), and sample(simulation).
#pragma once

#include <algorithm>

#include "SIM/model/CSimulation.h"

// Runs up to maxSteps of the display under way (one is begun when none is),
// as CSimulation::runDisplaySteps does, in parts that end where the
// measurement's samples are due, and samples there. The same steps run in
// the same order, so the trajectory is the one runDisplaySteps gives bit for
// bit. Without a measurement it is runDisplaySteps. Answers its answer.
template <class Sampler>
bool runDisplayStepsSampled(CSimulation& s, Sampler* sampler, unsigned maxSteps)
{
    if (!sampler) return s.runDisplaySteps(maxSteps);
    unsigned left = maxSteps;
    do {
        if (sampler->stepsToNextSample(s) == 0) sampler->sample(s);
        const unsigned part = std::clamp(sampler->stepsToNextSample(s), 1u, std::max(left, 1u));
        const unsigned before = s.getIterations();
        if (!s.runDisplaySteps(part)) return false;
        const unsigned ran = s.getIterations() - before;
        left -= std::min(left, std::max(ran, 1u));
        sampler->sample(s);
    } while (left > 0 && s.isDisplayUnderway());
    return true;
}
