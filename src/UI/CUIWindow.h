// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and its controller: owns the simulation, its scene, the
// view, the status fields and the graph; drives the run with a timer;
// carries every menu command, the file commands, dropping files, and the
// window's stored size and aspect ratio.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

#include "CRecentFiles.h"
#include "CUndoHistory.h"
#include "CViewCapture.h"
#include "RENDER/CScene.h"
#include "SIM/io/CTrajectoryWriter.h"

class CFrameCaptureDialog;
class CReplicateDialog;
class CMovieDialog;
class CTrajectoryDialog;
struct CDisplaySettings;
class QLabel;
class CPlotsWindow;
class CPlatform;
class CSimulation;
class CUIDisplay;
class CUIGraph;
class CUIView;
class CAddAtomDialog;
class CAtomNumbersDialog;
class CAtomPropertiesDialog;
class CEditAtomDialog;
class CPotentialsDialog;
class CChangeKEDialog;
class CBoxDialog;
class CDisplaysDialog;
class CEnergyDialog;
class CFloorDialog;
class CTimingDialog;
class CViewDialog;
class CNewSimulationDialog;
class CKeyboardMouseDialog;
class QAction;
class QActionGroup;
class QMenu;
class QUndoStack;
class QUndoView;

// The window size the aspect ratio rules ask for. The frame is measured as
// the simulation describes it: y-up, the origin at its lower-left corner,
// with a title bar allowance of kTitleBar points included in its height.
struct CAspectGeometry {
    float minWidth = 250.0f, minHeight = 250.0f;  // the content minimum size
    int ratioWidth = 0, ratioHeight = 0;          // 0 : 0 leaves the shape free
    bool resized = false;
    float x = 0, y = 0, width = 0, height = 0;    // the new frame, when resized
};
constexpr float kTitleBar = 22.0f;
CAspectGeometry aspectRatioGeometry(float x, float y, float w, float h, int index);

class CUIWindow : public QMainWindow {
    Q_OBJECT
    // First, so the simulation exists before the fields that refer to it.
    CPlatform& platform;
    std::unique_ptr<CSimulation> simulation;

public:
    explicit CUIWindow(CPlatform& platform, QWidget* parent = nullptr);
    ~CUIWindow() override;

    CSimulation& Simulation;
    CScene Scene;  // the picture of the simulation that the view draws and picks on
    CUIView* UIView = nullptr;
    CUIGraph* UIGraph = nullptr;
    std::unique_ptr<CUIDisplay> UIDisplay;
    // Movie and still-frame recording of the view, and its two dialogs.
    std::unique_ptr<CViewCapture> UIViewCapture;
    CMovieDialog* MovieDialog = nullptr;
    CFrameCaptureDialog* FrameCaptureDialog = nullptr;
    // The charts of the run, in a window of their own (CUIWindow_plots.cpp).
    CPlotsWindow* PlotsWindow = nullptr;
    CReplicateDialog* ReplicateDialog = nullptr;
    // The trajectory recorded as the run goes, and its dialog (CUIWindow_trajectory.cpp).
    CTrajectoryDialog* TrajectoryDialog = nullptr;
    std::unique_ptr<CTrajectoryWriter> trajectoryWriter;
    bool runTimerActive = false;
    QTimer runTimer;
    // The run loop's slices (runTimerMethod): a slice runs sliceSteps steps,
    // grown or shrunk after each slice so that one takes about sliceBudgetMs
    // on the clock; the event loop runs between two slices.
    int sliceBudgetMs = 30;
    unsigned sliceSteps = 1;

    // The parameter dialogs, made once with the window and reused.
    CAddAtomDialog* AddAtomDialog = nullptr;
    CAtomNumbersDialog* AtomNumbersDialog = nullptr;
    CAtomPropertiesDialog* AtomPropertiesDialog = nullptr;
    CEditAtomDialog* EditAtomDialog = nullptr;
    CPotentialsDialog* PotentialsDialog = nullptr;
    CChangeKEDialog* ChangeKEDialog = nullptr;
    CBoxDialog* BoxDialog = nullptr;
    CDisplaysDialog* DisplaysDialog = nullptr;
    CEnergyDialog* EnergyDialog = nullptr;
    CFloorDialog* FloorDialog = nullptr;
    CTimingDialog* TimingDialog = nullptr;
    CViewDialog* ViewDialog = nullptr;
    CNewSimulationDialog* NewSimulationDialog = nullptr;

    void followUpOpenFile();
    // The lines the file just opened skipped, in one alert after it opened.
    void reportSkippedLines(const QString& name);
    void setWindowSizeToSimulation();
    void getWindowSizeFromSimulation();
    // Gives a state built or imported the window's layout as shown before it.
    void keepWindowLayout(const CDisplaySettings& shown);
    void setAspectRatioTo(int index);
    // Reads a simulation file as if it had been chosen in the open panel.
    bool openSimulationFile(const QString& path);
    // A drop of these paths: the first one holding ".txt" is read.
    void openDroppedPaths(const QStringList& paths);
    // Loads an example shipped inside the application (a resource path).
    bool openExample(const QString& resourcePath);
    QString documentName() const { return document; }
    // After the run interval changed: a running timer takes the new interval at once.
    void restartRunTimer();
    // The graph's lower-right corner 5 points from the right edge and 16 above the bottom.
    void placeHistogram();

    // ---- undo (CUIWindow_undo.cpp)
    // Runs a person's change to the simulation as one undo step named text:
    // the state just before and just after it are kept, if it answered true
    // and changed the state. change may rename the step from what it did.
    // Answers what change answered.
    bool recordChange(QString text, const std::function<bool(QString& text)>& change);
    QUndoStack* UndoStack = nullptr;
    QUndoView* HistoryView = nullptr;  // made when first shown
    // The texts of Edit > Undo and Redo as they stand.
    QString undoMenuText() const;
    QString redoMenuText() const;
    // Close asks to save when this is true: changes since the last save, or a run.
    bool hasUnsavedChanges() const;

public slots:
    void run();
    void stop();
    void runTimerMethod();
    void showAbout();
    // Help > Keyboard and Mouse: the view's gestures and keys, beside the window.
    void showKeyboardHelp();
    // File > Open Recent: a file listed there; one gone since is dropped with a note.
    bool openRecentFile(const QString& path);
    void clearRecentFiles();
    void fileOpenSimulation();
    void fileSaveSimulation();
    void fileExportLammps();
    void aspectRatioNone() { setAspectRatioTo(0); }
    void aspectRatio1to1() { setAspectRatioTo(1); }
    void aspectRatio4to3() { setAspectRatioTo(2); }
    void aspectRatio16to9() { setAspectRatioTo(3); }
    void aspectRatio24to10() { setAspectRatioTo(4); }
    void selectAll();
    void selectA() { selectType(0); }
    void selectB() { selectType(1); }
    void selectC() { selectType(2); }
    void selectD() { selectType(3); }
    void selectDelete();
    void selectClump();
    void shiftToFit();
    void toggleStateDisplay();
    void toggleEnergyDifference();
    void toggleNumericDisplay();
    void toggleGraphDisplay();
    void toggleBoxShow();
    void toggleFloor();
    void toggleShadow();
    void toggleAxes();
    void cycleAtomType();
    void cycleTCType();
    void standardView();
    void setDisplayTextSizeSmall();
    void setDisplayTextSizeMedium();
    void setDisplayTextSizeLarge();
    void stereoView();
    void zoomIn();
    void zoomOut();
    void moveEyeCloser();
    void moveEyeAway();
    void hideApplication();
    void runAddAtomDialog();
    void runEditAtomDialog();
    void runAtomNumbersDialog();
    void runAtomPropertiesDialog();
    void runPotentialsDialog();
    void runTimingDialog();
    void runBoxDialog();
    void runFloorDialog();
    void runEnergyDialog();
    void runChangeKEDialog();
    void runDisplaysDialog();
    void runViewDialog();
    // Simulation > New...: a simulation built from substances replaces this one.
    void runNewSimulationDialog();
    void debug1();
    void debug2();
    void makeMovie();
    void makeMovieAbort();
    void captureFrame();
    void recordTrajectory();
    void stopTrajectory();
    void showPlots();
    void undo();
    void redo();
    void showHistory();
    // Enabling and check marks from the simulation's and the view's flags.
    void validateMenuItems();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Quitting while a movie records asks first; the movie is finished either way.
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    // The parameter dialogs with their commands (CUIWindow_dialogs.cpp).
    void createDialogs();
    void createDialogActions();
    void createDialogMenus(QMenu* edit, QMenu* sim, QMenu* view, QMenu* display);
    void createExampleMenu(QMenu* menu);
    // Rebuilt each time the menu opens, from the list in the settings.
    void fillRecentMenu();
    void createCaptureCommands(QMenu* menu);
    void createWindowMenu();
    void createUndo();
    void runParameterDialog(class CParameterDialog& dialog, const QString& name);
    void addUndoMenuItems(QMenu* edit);
    void updateUndoActions();
    // Puts a state of the history back and brings the window in line with it.
    void applyHistoryState(const CSimulationState& state);
    // The view's mouse gestures: a drag that moves atoms is one step.
    void gestureBegan();
    void gestureEnded(bool movedAtoms);
    CStateCommand::Moment gestureStart;
    // Pushes the step from before to the state and document now.
    void pushStep(const QString& text, CStateCommand::Moment before);
    // Running moves the state on from the saved one.
    void noteRunAdvanced();
    // The close question; answers whether the window may close.
    bool maySaveBeforeClose();
    // Refreshes the displays, the histogram's place and the run timer from
    // the simulation's state (after a file was read or a state put back).
    void followUpStateChange();
    // Trajectories and the import of structures (CUIWindow_trajectory.cpp).
    void createTrajectoryCommands(QMenu* menu);
    void showTrajectoryField();
    // Writes the frame that is due after a completed display.
    void trajectoryAfterDisplay();
    // Ends the recording, with a note, when the state is no longer of the
    // simulation recorded (after a change, an undo, an open).
    void endTrajectoryUnlessRecorded();
    // Quitting while a trajectory records asks first; answers whether to quit.
    bool finishTrajectoryBeforeQuit();
    bool openAnyFile(const QString& path);
    // Takes the movie frame that is due, if any (the start of every tick).
    void captureCheck();
    void startRunTimer();
    int intervalBetweenDisplays() const;  // the run timer's interval in ms
    void selectType(int t);
    void resizeView(float width, float height);
    void keepAspectRatio();
    void setDocument(const QString& name);
    void redraw();

    // Since the display under way began, for its progress line.
    QElapsedTimer displayClock;
    QElapsedTimer progressClock;  // since the progress line was last written
    void runSlice();
    void showDisplayProgress();

    QString document;
    QSize lastViewSize;
    bool keepingAspect = false;

    QAction *openAct, *saveAct, *quitAct, *aboutAct;
    QAction *runAct, *stopAct;
    QAction *selectAllAct, *selectTypeAct[4], *deleteAct, *clumpAct, *shiftToFitAct;
    QAction *stateAct, *energyDiffAct, *numericAct, *graphAct;
    QAction *boxAct, *floorAct, *shadowAct, *axesAct;
    QAction *cycleTypeAct, *cycleTCAct, *standardViewAct, *stereoAct;
    QAction *zoomInAct, *zoomOutAct, *eyeCloserAct, *eyeAwayAct;
    QAction* textSizeAct[3];
    QAction* aspectAct[5];
    QMenu* exampleMenu = nullptr;
    QMenu* recentMenu = nullptr;
    QMenu* debugMenu = nullptr;  // only with QUORVEL_DEBUG=1
    CRecentFiles recentFiles;
    CKeyboardMouseDialog* KeyboardMouseDialog = nullptr;
    QAction* keyboardHelpAct = nullptr;
    QAction* newSimulationAct = nullptr;
    QAction *hideAct, *addAtomAct, *editAtomAct, *atomNumbersAct, *atomPropertiesAct, *potentialsAct;
    QAction *timingAct, *boxDialogAct, *floorDialogAct, *energyAct, *changeKEAct, *displaysAct, *viewDialogAct;
    QAction *debug1Act, *debug2Act, *exportLammpsAct;
    QAction *makeMovieAct = nullptr, *makeMovieAbortAct = nullptr, *captureFrameAct = nullptr;
    QAction* plotsAct = nullptr;
    QAction *undoAct = nullptr, *redoAct = nullptr, *historyAct = nullptr;
    QAction *recordTrajectoryAct = nullptr, *stopTrajectoryAct = nullptr;
    QLabel* trajectoryField = nullptr;  // on the view while a trajectory records
};
