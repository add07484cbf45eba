// SPDX-License-Identifier: GPL-3.0-or-later
// The document: the simulation a window shows, with everything that belongs
// to it rather than to a window: the undo history of a person's changes,
// the run loop that advances it, the name of its file and the mark of
// unsaved changes. Every change a person makes goes through it, and it says
// what changed, so the window, the view, the status fields, the graph and
// the Plots window each follow it without being told by hand.
// The history and its texts are in CDocument_undo.cpp, the run loop in
// CDocument_run.cpp.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

#include "CUndoHistory.h"

class CDiffusion;
class CPlatform;
class CSimulation;
struct CSimulationState;
class QUndoStack;

class CDocument : public QObject {
    Q_OBJECT
    // First, so the simulation exists before the fields that refer to it.
    std::unique_ptr<CSimulation> simulation;

public:
    explicit CDocument(CPlatform& platform, QObject* parent = nullptr);
    ~CDocument() override;

    CPlatform& platform;
    CSimulation& Simulation;

    // What a change touched; the document announces each part named.
    enum Change : unsigned {
        noChange = 0,
        parameters = 1u << 0,  // a value of the model: timing, box, potentials, energy...
        atoms = 1u << 1,       // the atoms' number, types, places or speeds
        selection = 1u << 2,
        display = 1u << 3,     // what the window shows and how: panels, box drawing, view
    };
    using Changes = unsigned;

    // ---- changes (CDocument.cpp)
    // Runs a person's change to the simulation as one undo step named text:
    // the state just before and just after it are kept, if it answered true
    // and changed the state. change may rename the step from what it did.
    // Announces what, when change answered true. Answers what change answered.
    bool recordChange(QString text, const std::function<bool(QString& text)>& change, Changes what);
    // A change made again and again by one gesture, a slider dragged or a
    // button held: as recordChange, but the changes with the same gesture
    // (from newGesture) are one step while it is the last of the history.
    bool recordGestureChange(QString text, int gesture, const std::function<bool(QString& text)>& change,
                             Changes what);
    int newGesture() { return ++lastGesture; }
    // A change that is no step of the history (a selection, a display
    // setting, the view): made, then announced.
    void adjust(Changes what, const std::function<void()>& change);
    // Says that these parts changed, after a change made elsewhere (a dialog
    // previewing its values, a gesture of the view).
    void announce(Changes what);
    // Calls follow, in context, after every announcement that something
    // shown may differ: a state replaced, a part changed, the run started
    // or stopped.
    void onAnyChange(QObject* context, const std::function<void()>& follow);
    // A new simulation in place of this one (a file opened, one built): one
    // undo step named text, then stateReplaced. saved: what is in place is
    // what a file holds, with nothing unsaved. afterStep, if any, runs once
    // the step is kept (what it sets is not part of the step). Answers what
    // change answered.
    bool replaceState(const QString& text, const std::function<bool()>& change, bool saved,
                      const std::function<void()>& afterStep = {});

    // ---- the file's name and the unsaved mark
    QString name() const { return name_; }
    void setName(const QString& name);
    // Changes since the last save, or a run.
    bool hasUnsavedChanges() const;
    // What is on disk now has nothing unsaved; the history stays, to go back.
    void markSaved();

    // ---- the undo history (CDocument_undo.cpp)
    QUndoStack* UndoStack = nullptr;
    void undo();
    void redo();
    // The texts of Edit > Undo and Redo as they stand.
    QString undoMenuText() const;
    QString redoMenuText() const;
    // A mouse gesture of the view: a drag that moves atoms is one step.
    void gestureBegan();
    void gestureEnded(bool movedAtoms);

    // ---- the run loop (CDocument_run.cpp)
    bool runTimerActive = false;
    QTimer runTimer;
    // The run loop's slices (runTimerMethod): a slice runs sliceSteps steps,
    // grown or shrunk after each slice so that one takes about sliceBudgetMs
    // on the clock; the event loop runs between two slices.
    int sliceBudgetMs = 30;
    unsigned sliceSteps = 1;
    // The measurement the run samples between its steps, if any.
    std::function<CDiffusion*()> sampledDiffusion;
    void run();
    void stop();
    void runTimerMethod();
    // After the run interval changed: a running timer takes the new interval at once.
    void restartRunTimer();
    // After parameters changed: the same, if they changed the interval.
    void followRunInterval();
    // Ends the run loop without a word (the window closes).
    void endRunLoop();

    // ---- drawing while the steps run (CDocument_run.cpp)
    // A slice's steps run on a worker thread while this thread draws the
    // state shown: the state as it stood just before them (the previous
    // display's end, or where the last change between two slices left it).
    // Nothing on this thread reads or writes the simulation meanwhile, and
    // the slice returns to the event loop only once they are done.
    struct CSliceDrawing {
        std::function<void()> beforeSteps;  // nothing steps: the shown state may be taken
        std::function<void()> whileSteps;   // the steps run: draw from shownState() only
        std::function<void()> drawNow;      // no slice comes at once: draw in the event loop
    };
    CSliceDrawing sliceDrawing;
    const CSimulationState& shownState() const { return *shown; }
    // The state as it stands becomes the one shown; kept while steps run.
    void takeShownState();
    bool stepsRunning() const { return stepsRunning_; }
    // A picture asked for now will be drawn by the next slice, which runs
    // within a frame and is held by no modal session.
    bool nextSliceDraws() const;
    // False when QUORVEL_SERIAL_DRAWING is set in the environment: the steps
    // then run on this thread and the picture is drawn after them, in the
    // event loop (to measure what drawing alongside them gains).
    static bool drawsWhileStepping();

signals:
    // A whole other state is in place: a file opened, a simulation built,
    // undo or redo. Everything shown may differ.
    void stateReplaced();
    void parametersChanged();
    void atomsChanged();
    void selectionChanged();
    void displaySettingsChanged();
    // The run started or stopped (the display cut short, if one was under way).
    void runStateChanged(bool running);
    // A display is about to begin (every movie frame is the picture of a
    // completed display).
    void displayStarting();
    // The display under way is this far: text is its progress line (empty:
    // none), and the readouts follow the steps done.
    void displayProgress(const QString& text);
    // A display of the run is complete.
    void displayDone();
    // The run stopped itself: the state is no longer finite.
    void runFailed();
    void nameChanged(const QString& name);
    void unsavedChanged(bool unsaved);
    // The undo history moved or grew: the texts of Undo and Redo may differ.
    void historyChanged();
    // A step was pushed; delivered once the change it records has been shown.
    void stepRecorded();

private:
    void createUndo();
    // Pushes the step from before to the state and name now.
    // A step of a gesture (mergeId not -1) merges with its gesture's last step.
    void pushStep(const QString& text, CStateCommand::Moment before, int mergeId = -1);
    // Puts a state of the history back, stopped, keeping the window's shape rule.
    void applyHistoryState(const CSimulationState& state);
    // The run loop in line with the state's run state, the display under
    // way dropped (after a state was put in place).
    void followStateRunState();
    // Running moves the state on from the saved one.
    void noteRunAdvanced();
    void startRunTimer();
    int intervalBetweenDisplays() const;  // the run timer's interval in ms
    int startedInterval = -1;  // the interval the run timer was last started with
    void runSlice();
    void showDisplayProgress();

    std::unique_ptr<CSimulationState> shown;
    bool stepsRunning_ = false;
    QString name_;
    CStateCommand::Moment gestureStart;
    int lastGesture = 0;
    // Since the display under way began, for its progress line.
    QElapsedTimer displayClock;
    QElapsedTimer progressClock;  // since the progress line was last written
};
