// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history's steps: each holds the simulation's state just before a
// person's change and just after it, whole, and going back or forward puts
// one of them back exactly (CSimulation::restoreState), and, for a step that
// opened or built a simulation, the name of the document the window showed.
#pragma once

#include <QString>
#include <QUndoCommand>

#include <cstddef>
#include <functional>
#include <memory>

#include "SIM/model/CSimulationState.h"

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
    // apply puts a state back in the simulation, shows the document's name
    // (null: the step kept the name; a save since may have given another)
    // and brings the window in line.
    using Apply = std::function<void(const CSimulationState&, const QString* document)>;
    struct Moment {
        CStateSnapshot state;
        QString document;
    };
    // A step of a gesture (mergeId, not -1) takes in the next step of the
    // same gesture: a slider dragged or a button held is one step.
    CStateCommand(const QString& text, Moment before, Moment after, Apply apply, int mergeId = -1);

    int id() const override { return mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

    void undo() override { apply(*before.state, renames() ? &before.document : nullptr); }
    // The first redo is QUndoStack::push's: the change is already made.
    void redo() override;

    const CSimulationState& stateBefore() const { return *before.state; }
    const CSimulationState& stateAfter() const { return *after.state; }

private:
    Moment before, after;
    bool renames() const { return before.document != after.document; }
    Apply apply;
    bool made = true;
    int mergeId = -1;
};
