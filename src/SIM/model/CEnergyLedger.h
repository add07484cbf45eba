// SPDX-License-Identifier: GPL-3.0-or-later
// The energy ledger: the first law for the atoms and the piston, cumulative
// since the ledger last restarted. The engine and the model's operations book
// into it; it is never read by a step, so it changes no trajectory.
#pragma once

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
