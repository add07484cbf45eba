// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger's balance over time, one sample per display, for charts.
#pragma once

#include <cstddef>
#include <vector>

#include "SIM/measure/CTimeSeries.h"
#include "SIM/model/CEnergyLedger.h"

// One sample per display, for a chart of the terms over time.
struct CEnergyLedgerSample {
    double time = 0.0;  // elapsed simulated time, s
    CEnergyBalance balance;
};

class CSimulation;

// Keeps the samples since the ledger last restarted; a chart calls sample()
// once per display. At most `capacity` samples are kept, as the time series
// keeps them: when full, every other one is dropped and from then on only
// displays at a multiple of the doubled stride are kept, so a long run keeps
// its whole span at even spacing.
class CEnergyLedgerSeries {
public:
    explicit CEnergyLedgerSeries(std::size_t capacity = CTimeSeries::kDefaultCapacity)
        : capacity_(capacity < 2 ? 2 : capacity) {}
    // Takes the simulation's current balance (starting afresh after a restart).
    void sample(const CSimulation& simulation);
    void add(unsigned restartCount, const CEnergyLedgerSample& sample);
    void clear();
    const std::vector<CEnergyLedgerSample>& samples() const { return samples_; }
    // Displays sampled since the ledger restarted, kept or not.
    unsigned long long displays() const { return display_; }
    // Displays between kept samples: 1, then doubled at each thinning.
    std::size_t stride() const { return stride_; }

private:
    std::size_t capacity_;
    std::size_t stride_ = 1;
    unsigned long long display_ = 0;
    unsigned restartCount_ = 0;
    std::vector<CEnergyLedgerSample> samples_;
    void thin();
};
