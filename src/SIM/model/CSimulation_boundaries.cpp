// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the kind of box (closed or periodic) and the contacts at the
// mean diameter.
#include "SIM/model/CSimulation.h"

#include <algorithm>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CForceConstants.h"

namespace {

// The parts of a state the periodic box weighs.
struct CPeriodicWeights {
    int number[modelLimits::kTypes];
    double charge[modelLimits::kTypes], diam[modelLimits::kTypes];
    double halfWidth;
};

double longestCutoffOf(const CPeriodicWeights& w)
{
    double longest = 0.0;
    for (int t = 0; t < modelLimits::kTypes; t++)
        for (int u = t; u < modelLimits::kTypes; u++) {
            if (w.number[t] == 0 || w.number[u] == 0) continue;
            longest = std::max(longest, quorvel::kCutoffDiameters * (w.diam[t] + w.diam[u]) / 2.0);
        }
    return longest;
}

COutcome periodicRefusalOf(const CPeriodicWeights& w)
{
    for (int t = 0; t < modelLimits::kTypes; t++)
        if (w.number[t] > 0 && w.charge[t] != 0.0)
            return COutcome::refused("Alert.", "Charged atoms in a periodic box need Ewald summation, which Quorvel does "
                                               "not have yet. Set the charge of every type with atoms to zero first, "
                                               "or keep the closed box.");
    double cutoff = longestCutoffOf(w);
    if (!(cutoff < w.halfWidth))
        return COutcome::refused("Alert.", formatC("In a periodic box the cut-off of the forces (%.4g nm) must be less "
                                                   "than half the box's width. The smallest box that works for these "
                                                   "atoms is wider than %.4g nm.",
                                                   cutoff * 1e9, 2.0 * cutoff * 1e9));
    return {};
}

CPeriodicWeights weightsOf(const CSimulationState& s)
{
    CPeriodicWeights w{};
    std::copy(s.atoms.number, s.atoms.number + modelLimits::kTypes, w.number);
    std::copy(s.forces.charge, s.forces.charge + modelLimits::kTypes, w.charge);
    std::copy(s.types.diam, s.types.diam + modelLimits::kTypes, w.diam);
    w.halfWidth = s.box.halfWidth;
    return w;
}

}  // namespace

double CSimulation::longestCutoff() const { return longestCutoffOf(weightsOf(state())); }

COutcome CSimulation::periodicBoxRefusal() const { return periodicRefusalOf(weightsOf(state())); }

COutcome CSimulation::periodicBoxRefusalWith(int t, int number, double charge, double diam, double halfWidth) const
{
    CPeriodicWeights w = weightsOf(state());
    w.number[t] = number;
    w.charge[t] = charge;
    w.diam[t] = diam;
    w.halfWidth = halfWidth;
    return periodicRefusalOf(w);
}

COutcome CSimulation::setBoundaries(CBoundaries b)
{
    if (b == box.boundaries) return {};
    if (b == CBoundaries::periodic) {
        COutcome allowed = periodicBoxRefusal();
        if (!allowed) return allowed;
    }
    UserChange change(*this);
    box.boundaries = b;
    const double h = box.halfWidth, w = 2.0 * h;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            for (int& n : atoms.image[t][i]) n = 0;
            if (b == CBoundaries::periodic)
                for (double& c : atoms.loc[t][i].v) {
                    if (c >= h) c -= w;
                    else if (c < -h) c += w;
                }
        }
    // A periodic box does not move the piston: it waits at the top at rest,
    // so its energy is none while the box is periodic, and it starts from
    // there when the walls come back.
    if (box.pistonUsed) {
        box.pistonZ = box.halfWidth;
        box.pistonV = 0.0;
    }
    if (b == CBoundaries::closed) {
        // The walls come back: every centre within its limits, and the pairs
        // the walls' limits pushed together parted where they can be.
        for (double& v : outputs.virial) v = 0.0;
        clampAllAtomsIntoBox();
        shiftAtomsToFit(100);
    }
    restartEnergiesAndAverages();
    return {};
}

void CSimulation::setContactsUsed(bool on)
{
    if (on == forces.contactsUsed) return;
    UserChange change(*this);
    forces.contactsUsed = on;
    restartEnergiesAndAverages();
}
