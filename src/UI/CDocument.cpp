// SPDX-License-Identifier: GPL-3.0-or-later
// The document: its changes and what they announce, its name and the mark
// of unsaved changes.
#include "CDocument.h"

#include <QUndoStack>

#include "DIALOG/CPlatform.h"
#include "SIM/model/CSimulation.h"

CDocument::CDocument(CPlatform& platform, QObject* parent)
    : QObject(parent),
      simulation(std::make_unique<CSimulation>(platform)),
      platform(platform),
      Simulation(*simulation),
      shown(std::make_unique<CSimulationState>())
{
    createUndo();
    runTimer.setTimerType(Qt::PreciseTimer);
    connect(&runTimer, &QTimer::timeout, this, &CDocument::runTimerMethod);
    // A running timer takes a changed interval at once; a stopped one at the next run.
    connect(this, &CDocument::parametersChanged, this, &CDocument::followRunInterval);
    Simulation.initWithDefaults();
    takeShownState();
    runTimerActive = Simulation.getRunState() == CRunState::running;
}

CDocument::~CDocument()
{
    // The undo stack is a child: it clears itself, and says so, only after
    // this document's own part is gone, when nothing of it may be called.
    if (UndoStack) UndoStack->disconnect(this);
}

bool CDocument::recordChange(QString text, const std::function<bool(QString& text)>& change, Changes what)
{
    // A change made while a gesture is under way falls inside the gesture's step.
    CStateCommand::Moment before{std::make_shared<const CSimulationState>(Simulation.state()), name_};
    if (!change(text)) return false;
    if (!sameState(*before.state, Simulation.state())) pushStep(text, std::move(before));
    announce(what);
    return true;
}

void CDocument::adjust(Changes what, const std::function<void()>& change)
{
    change();
    announce(what);
}

void CDocument::announce(Changes what)
{
    if (what & parameters) emit parametersChanged();
    if (what & atoms) emit atomsChanged();
    if (what & selection) emit selectionChanged();
    if (what & display) emit displaySettingsChanged();
}

void CDocument::onAnyChange(QObject* context, const std::function<void()>& follow)
{
    for (auto signal : {&CDocument::stateReplaced, &CDocument::parametersChanged, &CDocument::atomsChanged,
                        &CDocument::selectionChanged, &CDocument::displaySettingsChanged})
        connect(this, signal, context, follow);
    connect(this, &CDocument::runStateChanged, context, follow);
}

bool CDocument::replaceState(const QString& text, const std::function<bool()>& change, bool saved,
                             const std::function<void()>& afterStep)
{
    CStateCommand::Moment before{std::make_shared<const CSimulationState>(Simulation.state()), name_};
    if (!change()) return false;
    if (!sameState(*before.state, Simulation.state())) pushStep(text, std::move(before));
    if (afterStep) afterStep();
    if (saved) markSaved();
    followStateRunState();
    emit stateReplaced();
    return true;
}

void CDocument::setName(const QString& name)
{
    name_ = name;
    emit nameChanged(name_);
}

bool CDocument::hasUnsavedChanges() const { return !UndoStack->isClean(); }

void CDocument::markSaved() { UndoStack->setClean(); }

void CDocument::noteRunAdvanced()
{
    // Running is not a step, but it moves the state on from the one saved.
    if (UndoStack->isClean()) UndoStack->resetClean();
}
