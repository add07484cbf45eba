// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: the energy ledger's system energy, its restart and the
// booking of the user's changes. The step books heat, work, conservation and
// the piston's stops where they happen (CSimulation_engine.cpp).
#include "SIM/model/CSimulation.h"

double CSimulation::systemEnergy() const
{
    double total = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) total += types.mass[t] * 0.5 * atoms.vel[t][i].norm() + atoms.aPEnergy[t][i];
    if (box.pistonUsed) total += 0.5 * box.pistonM * box.pistonV * box.pistonV;
    return total;
}

double CSimulation::systemEnergyFromPositions() const
{
    double total = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) total += types.mass[t] * 0.5 * atoms.vel[t][i].norm();
    if (box.pistonUsed) total += 0.5 * box.pistonM * box.pistonV * box.pistonV;
    return total + potentialEnergyFromPositions();
}

void CSimulation::restartLedger()
{
    ledger.restart(systemEnergyFromPositions());
    noteLedgerChange();
}

// Until the next step the potential energies of the last force pass may not
// match the positions a change left: they are computed afresh then.
CEnergyBalance CSimulation::getLedgerBalance() const
{
    bool changed = ledger.changedSinceStep && clock.iterations == ledger.iterationsAtChange;
    return ledger.balance(changed ? systemEnergyFromPositions() : systemEnergy());
}

void CSimulation::noteLedgerChange()
{
    ledger.iterationsAtChange = clock.iterations;
    ledger.changedSinceStep = true;
    stateRevision++;
}

void CSimulation::beginUserChange()
{
    if (userChangeDepth++ == 0) userChangeBefore = systemEnergyFromPositions();
}

void CSimulation::endUserChange()
{
    if (--userChangeDepth > 0) return;
    ledger.user += systemEnergyFromPositions() - userChangeBefore;
    noteLedgerChange();
}

// A new atom brings its kinetic energy and its potential energy with the
// rest: booked from its own terms, so adding many atoms one at a time does
// not sum the whole system for each.
void CSimulation::bookAddedAtom(int t, int i)
{
    if (userChangeDepth > 0) return;  // an enclosing operation books the whole change
    ledger.user += types.mass[t] * 0.5 * atoms.vel[t][i].norm() + atomEnergyFromPositions(t, i);
    noteLedgerChange();
}
