// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger's running sums and their balance.
#include "SIM/model/CEnergyLedger.h"

double CEnergyBalance::term(int k) const
{
    const double values[kTerms] = {dE, heat, work, user, correction, residual, pistonStop};
    return (k >= 0 && k < kTerms) ? values[k] : 0.0;
}

const char* const* CEnergyBalance::names()
{
    static const char* const kNames[kTerms] = {"dE", "heat", "work", "user", "correction", "residual", "piston stop"};
    return kNames;
}

const char* const* CEnergyBalance::columnNames()
{
    // The piston stop comes last, after the six terms every ledger has.
    static const char* const kColumns[kTerms] = {"ledger_dE_J",         "ledger_heat_J",     "ledger_work_J",
                                                 "ledger_user_J",       "ledger_correction_J", "ledger_residual_J",
                                                 "ledger_piston_stop_J"};
    return kColumns;
}

void CEnergyLedger::restart(double energyNow)
{
    startEnergy = energyNow;
    heat = work = user = correction = pistonStop = 0.0;
    changedSinceStep = false;
    restarts++;
}

CEnergyBalance CEnergyLedger::balance(double energyNow) const
{
    CEnergyBalance b;
    b.dE = energyNow - startEnergy;
    b.heat = heat;
    b.work = work;
    b.user = user;
    b.correction = correction;
    b.pistonStop = pistonStop;
    b.residual = b.dE - (heat + work + user + correction + pistonStop);
    return b;
}
