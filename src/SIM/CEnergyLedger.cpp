// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger's balance and its series of samples for charts.
#include "CEnergyLedger.h"

#include "CSimulation.h"

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

void CEnergyLedgerSeries::sample(const CSimulation& simulation)
{
    add(simulation.state().ledger.restarts, {simulation.getElapsedTime(), simulation.getLedgerBalance()});
}

void CEnergyLedgerSeries::clear()
{
    samples_.clear();
    stride_ = 1;
    display_ = 0;
}

void CEnergyLedgerSeries::add(unsigned restartCount, const CEnergyLedgerSample& sample)
{
    if (restartCount != restartCount_) {
        clear();
        restartCount_ = restartCount;
    }
    if (display_++ % stride_ != 0) return;
    samples_.push_back(sample);
    if (samples_.size() >= capacity_) thin();
}

// Keeps the samples at even positions (displays at multiples of the doubled stride).
void CEnergyLedgerSeries::thin()
{
    std::size_t kept = 0;
    for (std::size_t k = 0; k < samples_.size(); k += 2) samples_[kept++] = samples_[k];
    samples_.resize(kept);
    stride_ *= 2;
}
