// SPDX-License-Identifier: GPL-3.0-or-later
// CDocument: the undo history of a person's changes, its steps' texts, and
// the gestures of the view that are steps.
#include <QUndoStack>

#include "BASE/CTextNumbers.h"
#include "CDocument.h"
#include "SIM/model/CSimulation.h"

void CDocument::createUndo()
{
    UndoStack = new QUndoStack(this);
    UndoStack->setUndoLimit(undoStepLimit());
    connect(UndoStack, &QUndoStack::indexChanged, this, &CDocument::historyChanged);
    connect(UndoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit unsavedChanged(!clean); });
}

void CDocument::pushStep(const QString& text, CStateCommand::Moment before, int mergeId)
{
    CStateCommand::Moment after{std::make_shared<const CSimulationState>(Simulation.state()), name_};
    UndoStack->push(new CStateCommand(text, std::move(before), std::move(after),
                                      [this](const CSimulationState& state, const QString* name) {
                                          applyHistoryState(state);
                                          if (name) setName(*name);
                                      },
                                      mergeId));
    // Once the command that made the change has shown it.
    QTimer::singleShot(0, this, &CDocument::stepRecorded);
}

void CDocument::applyHistoryState(const CSimulationState& state)
{
    // The run stops first, so no step lands on a state half put back; the
    // state comes back stopped whatever it was when it was kept.
    if (runTimerActive || Simulation.getRunState() == CRunState::running) stop();
    // Going back changes the simulation, never the window: it keeps its
    // place, size and shape rule (the size stored is the window's again at
    // the next save).
    const int aspectRatio = Simulation.getAspectRatioIndex();
    Simulation.restoreState(state);
    Simulation.setRunState(CRunState::stopped);
    Simulation.setAspectRatioIndex(aspectRatio);
    followStateRunState();
    emit stateReplaced();
}

namespace {
// ", back to step 4200" when the atoms have run on (or back) since the state
// that the step would put back.
QString stepNote(const CSimulationState& target, unsigned stepsNow)
{
    if (target.clock.iterations == stepsNow) return QString();
    return QObject::tr(", back to step %1").arg(QString::fromStdString(stepCountText(target.clock.iterations)));
}
}  // namespace

QString CDocument::undoMenuText() const
{
    const int index = UndoStack->index();
    if (index <= 0) return tr("U&ndo");
    const auto* step = static_cast<const CStateCommand*>(UndoStack->command(index - 1));
    return tr("U&ndo %1%2").arg(step->text(), stepNote(step->stateBefore(), Simulation.getIterations()));
}

QString CDocument::redoMenuText() const
{
    const int index = UndoStack->index();
    if (index >= UndoStack->count()) return tr("&Redo");
    const auto* step = static_cast<const CStateCommand*>(UndoStack->command(index));
    return tr("&Redo %1%2").arg(step->text(), stepNote(step->stateAfter(), Simulation.getIterations()));
}

void CDocument::undo()
{
    if (UndoStack->canUndo()) UndoStack->undo();
}

void CDocument::redo()
{
    if (UndoStack->canRedo()) UndoStack->redo();
}

bool CDocument::recordGestureChange(QString text, int gesture, const std::function<bool(QString& text)>& change,
                                    Changes what)
{
    CStateCommand::Moment before{std::make_shared<const CSimulationState>(Simulation.state()), name_};
    if (!change(text)) return false;
    if (!sameState(*before.state, Simulation.state())) pushStep(text, std::move(before), gesture);
    announce(what);
    return true;
}

void CDocument::gestureBegan()
{
    gestureStart = {std::make_shared<const CSimulationState>(Simulation.state()), name_};
}

void CDocument::gestureEnded(bool movedAtoms)
{
    CStateCommand::Moment before = std::move(gestureStart);
    gestureStart = {};
    if (!before.state || !movedAtoms || sameState(*before.state, Simulation.state())) return;
    const int moved = Simulation.countSelected();
    pushStep(moved == 1 ? tr("Move 1 Atom") : tr("Move %1 Atoms").arg(moved), std::move(before));
    announce(atoms);
}
