// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history's steps: each holds the simulation's state just before a
// person's change and just after it, whole, and going back or forward puts
// one of them back exactly (CSimulation::restoreState).
#pragma once

#include <QUndoCommand>

#include <cstddef>
#include <functional>
#include <memory>

#include "SIM/CSimulationState.h"

using CStateSnapshot = std::shared_ptr<const CSimulationState>;

// Whether two states are the same, bit for bit, in every part a person or a
// step can change.
bool sameState(const CSimulationState& a, const CSimulationState& b);

// The history keeps at most kUndoSteps changes and at most kUndoBytes of
// snapshots, the oldest dropped first.
constexpr int kUndoSteps = 100;
constexpr std::size_t kUndoBytes = std::size_t(256) << 20;
// Every step holds two snapshots of the same size (the state's arrays are
// fixed; the type names are a few bytes), so the byte bound is a bound on
// the count: the smaller of the two.
constexpr std::size_t kSnapshotBytes = sizeof(CSimulationState);
constexpr int undoStepLimit()
{
    const std::size_t byBytes = kUndoBytes / (2 * kSnapshotBytes);
    return byBytes < std::size_t(kUndoSteps) ? (byBytes < 1 ? 1 : int(byBytes)) : kUndoSteps;
}

class CStateCommand : public QUndoCommand {
public:
    // apply puts a state back in the simulation and brings the window in line.
    using Apply = std::function<void(const CSimulationState&)>;
    CStateCommand(const QString& text, CStateSnapshot before, CStateSnapshot after, Apply apply);

    void undo() override { apply(*before); }
    // The first redo is QUndoStack::push's: the change is already made.
    void redo() override;

    const CSimulationState& stateBefore() const { return *before; }
    const CSimulationState& stateAfter() const { return *after; }

private:
    CStateSnapshot before, after;
    Apply apply;
    bool made = true;
};
