// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger: the first law for the atoms and the piston, cumulative
// since the ledger last restarted. The engine and the model's operations book
// into it; it is never read by a step, so it changes no trajectory.
#pragma once

#include <cstddef>
#include <vector>

#include "CTimeSeries.h"

// One reading of the ledger, in joules.
struct CEnergyBalance {
    double dE = 0.0;          // system energy now minus at the restart
    double heat = 0.0;        // given by the floor heat bath
    double work = 0.0;        // done by the applied pressure: -P dV
    double user = 0.0;        // changes made between steps
    double correction = 0.0;  // put back (or taken) by energy conservation
    double residual = 0.0;    // dE minus all the other terms
    double pistonStop = 0.0;  // the box's ends stopping the piston

    static constexpr int kTerms = 7;
    // The terms in a fixed order (that of names()), for tables and charts.
    double term(int k) const;
    static const char* const* names();        // "dE", "heat", ... for tables
    static const char* const* columnNames();  // "ledger_dE_J", ...
};

// The running sums. Plain doubles, so two engines' ledgers compare bit for bit.
struct CEnergyLedger {
    double startEnergy = 0.0;
    double heat = 0.0, work = 0.0, user = 0.0, correction = 0.0, pistonStop = 0.0;
    // A booked change (or restart) since the last step, and the step count
    // then: until the next step the energy must be measured afresh.
    unsigned iterationsAtChange = 0;
    bool changedSinceStep = false;
    // Counts restarts, so a chart can tell that its samples start again.
    unsigned restarts = 0;

    void restart(double energyNow);
    CEnergyBalance balance(double energyNow) const;
};

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
