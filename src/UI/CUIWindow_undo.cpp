// SPDX-License-Identifier: GPL-3.0-or-later
// CUIWindow: undo and redo of a person's changes, the History window, the
// mark of unsaved changes in the title and the question at close.
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>
#include <QUndoView>

#include "BASE/CTextNumbers.h"
#include "CUIView.h"
#include "CUIWindow.h"
#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"

void CUIWindow::createUndo()
{
    UndoStack = new QUndoStack(this);
    UndoStack->setUndoLimit(undoStepLimit());
    undoAct = new QAction(tr("U&ndo"), this);
    undoAct->setShortcut(QKeySequence::Undo);
    connect(undoAct, &QAction::triggered, this, &CUIWindow::undo);
    redoAct = new QAction(tr("&Redo"), this);
    // Ctrl+Shift+Z and Ctrl+Y on every desktop.
    redoAct->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    connect(redoAct, &QAction::triggered, this, &CUIWindow::redo);
    historyAct = new QAction(tr("&History"), this);
    connect(historyAct, &QAction::triggered, this, &CUIWindow::showHistory);
    connect(UndoStack, &QUndoStack::indexChanged, this, &CUIWindow::updateUndoActions);
    connect(UndoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    updateUndoActions();
}

void CUIWindow::addUndoMenuItems(QMenu* edit)
{
    edit->addAction(undoAct);
    edit->addAction(redoAct);
    edit->addAction(historyAct);
    edit->addSeparator();
    connect(edit, &QMenu::aboutToShow, this, &CUIWindow::updateUndoActions);
}

bool CUIWindow::recordChange(QString text, const std::function<bool(QString& text)>& change)
{
    // A change made while a gesture is under way falls inside the gesture's step.
    CStateCommand::Moment before{std::make_shared<const CSimulationState>(Simulation.state()), document};
    if (!change(text)) return false;
    if (sameState(*before.state, Simulation.state())) return true;
    pushStep(text, std::move(before));
    return true;
}

void CUIWindow::pushStep(const QString& text, CStateCommand::Moment before)
{
    CStateCommand::Moment after{std::make_shared<const CSimulationState>(Simulation.state()), document};
    UndoStack->push(new CStateCommand(text, std::move(before), std::move(after),
                                      [this](const CSimulationState& state, const QString* name) {
                                          applyHistoryState(state);
                                          if (name) setDocument(*name);
                                      }));
    // Once the command that made the change has shown it.
    QTimer::singleShot(0, this, &CUIWindow::endTrajectoryUnlessRecorded);
}

void CUIWindow::applyHistoryState(const CSimulationState& state)
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
    followUpStateChange();
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

QString CUIWindow::undoMenuText() const
{
    const int index = UndoStack->index();
    if (index <= 0) return tr("U&ndo");
    const auto* step = static_cast<const CStateCommand*>(UndoStack->command(index - 1));
    return tr("U&ndo %1%2").arg(step->text(), stepNote(step->stateBefore(), Simulation.getIterations()));
}

QString CUIWindow::redoMenuText() const
{
    const int index = UndoStack->index();
    if (index >= UndoStack->count()) return tr("&Redo");
    const auto* step = static_cast<const CStateCommand*>(UndoStack->command(index));
    return tr("&Redo %1%2").arg(step->text(), stepNote(step->stateAfter(), Simulation.getIterations()));
}

void CUIWindow::updateUndoActions()
{
    undoAct->setEnabled(UndoStack->canUndo());
    redoAct->setEnabled(UndoStack->canRedo());
    undoAct->setText(undoMenuText());
    redoAct->setText(redoMenuText());
}

void CUIWindow::undo()
{
    if (UndoStack->canUndo()) UndoStack->undo();
}

void CUIWindow::redo()
{
    if (UndoStack->canRedo()) UndoStack->redo();
}

void CUIWindow::showHistory()
{
    if (!HistoryView) {
        HistoryView = new QUndoView(UndoStack, this);
        HistoryView->setWindowFlag(Qt::Tool);
        HistoryView->setWindowTitle(tr("History"));
        HistoryView->setEmptyLabel(tr("<Start>"));
        HistoryView->resize(280, 360);
    }
    HistoryView->show();
    HistoryView->raise();
    HistoryView->activateWindow();
}

void CUIWindow::gestureBegan()
{
    gestureStart = {std::make_shared<const CSimulationState>(Simulation.state()), document};
}

void CUIWindow::gestureEnded(bool movedAtoms)
{
    CStateCommand::Moment before = std::move(gestureStart);
    gestureStart = {};
    if (!before.state || !movedAtoms || sameState(*before.state, Simulation.state())) return;
    const int moved = Simulation.countSelected();
    pushStep(moved == 1 ? tr("Move 1 Atom") : tr("Move %1 Atoms").arg(moved), std::move(before));
}

void CUIWindow::noteRunAdvanced()
{
    // Running is not a step, but it moves the state on from the one saved.
    if (UndoStack->isClean()) UndoStack->resetClean();
}

bool CUIWindow::hasUnsavedChanges() const { return !UndoStack->isClean(); }

bool CUIWindow::maySaveBeforeClose()
{
    if (!hasUnsavedChanges()) return true;
    const std::string name = document.isEmpty() ? std::string("this simulation") : document.toStdString();
    const int answer = platform.alert("Save changes?",
                                      "Do you want to save the changes to " + name +
                                          " before closing? Without saving they are lost.",
                                      {"Save...", "Don't Save", "Cancel"});
    if (answer == 1) return true;
    if (answer != 0) return false;
    fileSaveSimulation();
    return !hasUnsavedChanges();
}
