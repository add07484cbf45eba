// SPDX-License-Identifier: GPL-3.0-or-later
// Crafts a simulation's state as a test needs it: a copy of the state to
// change, put back whole (restoreState) at the end of the statement, e.g.
//     StateEdit(s)->atoms.loc[0][0].setXYZ(0, 0, 0);
#pragma once

#include <memory>

#include "SIM/model/CSimulation.h"

class StateEdit {
public:
    explicit StateEdit(CSimulation& simulation)
        : simulation_(simulation), state_(std::make_unique<CSimulationState>(simulation.state()))
    {
    }
    explicit StateEdit(const std::unique_ptr<CSimulation>& simulation) : StateEdit(*simulation) {}
    ~StateEdit() { simulation_.restoreState(*state_); }
    StateEdit(const StateEdit&) = delete;
    StateEdit& operator=(const StateEdit&) = delete;

    CSimulationState* operator->() { return state_.get(); }
    CSimulationState& operator*() { return *state_; }

private:
    CSimulation& simulation_;
    std::unique_ptr<CSimulationState> state_;
};
