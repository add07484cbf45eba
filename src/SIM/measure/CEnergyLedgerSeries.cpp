// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger's series of samples for charts.
#include "SIM/measure/CEnergyLedgerSeries.h"

#include "SIM/model/CSimulation.h"

void CEnergyLedgerSeries::sample(const CSimulation& simulation)
{
    add(simulation.state().ledger.restarts, {simulation.state().clock.elapsedTime, simulation.getLedgerBalance()});
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
