// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: shows a document (the simulation, its history and its
// run loop) in its view, status fields and graph, and follows what the
// document announces; carries every menu command, the file commands,
// dropping files, and the window's stored size and aspect ratio.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

#include "CDocument.h"
#include "CRecentFiles.h"
#include "CViewCapture.h"
#include "LESSON/CLesson.h"
#include "RENDER/CScene.h"
#include "SIM/io/CTrajectoryWriter.h"

class CFrameCaptureDialog;
class CLessonPanel;
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
class CControlsPanel;
class QDockWidget;
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
    // First, so the document exists before the fields that refer to it.
    CPlatform& platform;
    std::unique_ptr<CDocument> document;

public:
    explicit CUIWindow(CPlatform& platform, QWidget* parent = nullptr);
    ~CUIWindow() override;

    CDocument& Document;
    CSimulation& Simulation;  // the document's
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
    // ---- lessons (CUIWindow_lessons.cpp)
    CLessonPanel* LessonPanel = nullptr;
    // Shows a lesson (a file or a resource path) in the panel; unsaved changes are asked about first.
    bool openLesson(const QString& path);
    // What a lesson's action link asks for, as the menus do it.
    void performLessonAction(const lesson::CAction& action);
    QString documentName() const { return Document.name(); }
    // The graph's lower-right corner 5 points from the right edge and 16 above the bottom.
    void placeHistogram();

    // ---- undo (CUIWindow_undo.cpp)
    QUndoView* HistoryView = nullptr;  // made when first shown

    // ---- the Controls panel and presentation mode (CUIWindow_controls.cpp)
    QDockWidget* ControlsDock = nullptr;
    CControlsPanel* ControlsPanel = nullptr;
    bool isPresenting() const { return presenting; }
    // Full screen, the readouts and the histogram drawn large; off, the window as it was.
    void setPresentation(bool on);
    // How much larger presentation draws the readouts and the histogram.
    static constexpr float kPresentationScale = 2.5f;

public slots:
    // The commands other parts and scripts reach; the rest are the menus' own.
    void run();
    void stop();
    void undo();
    void redo();
    void fileOpenSimulation();
    void fileSaveSimulation();
    // File > Open Lesson...: a lesson file chosen in the open panel.
    void fileOpenLesson();
    // File > Open Recent: a file listed there; one gone since is dropped with a note.
    bool openRecentFile(const QString& path);
    // Simulation > New...: a simulation built from substances replaces this one.
    void runNewSimulationDialog();
    void showPlots();
    void makeMovie();
    void makeMovieAbort();
    void captureFrame();
    void selectDelete();
    void selectClump();
    void cycleAtomType();
    void cycleTCType();
    void showAbout();
    // Enabling and check marks from the simulation's and the view's flags.
    void validateMenuItems();

private slots:
    // Help > Keyboard and Mouse: the view's gestures and keys, beside the window.
    void showKeyboardHelp();
    void clearRecentFiles();
    void fileExportLammps();
    void selectAll();
    void shiftToFit();
    void standardView();
    void stereoView();
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
    void debug1();
    void debug2();
    void recordTrajectory();
    void stopTrajectory();
    void showHistory();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Quitting while a movie records asks first; the movie is finished either way.
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    // The display toggles: checkable, their marks following the flags the
    // document announces (validateMenuItems); each turns its flag over.
    void createDisplayToggles();
    void createMenus();
    // The parameter dialogs with their commands (CUIWindow_dialogs.cpp).
    void createDialogs();
    void createDialogActions();
    void createDialogMenus(QMenu* edit, QMenu* sim, QMenu* view, QMenu* display);
    void createExampleMenu(QMenu* menu);
    void createLessonCommands();
    // Rebuilt each time the menu opens, from the list in the settings.
    void fillRecentMenu();
    void createCaptureCommands(QMenu* menu);
    void createWindowMenu();
    // Window > Controls and its dock, placed and shown as last time.
    void createControlsDock(QMenu* window);
    // View > Presentation, and Escape to leave it.
    void createPresentationCommand(QMenu* view);
    // View > Language, and View > Colours for Colour Blindness.
    void createLanguageMenu(QMenu* view);
    void createColourBlindCommand(QMenu* view);
    void createUndo();
    // Runs a parameter dialog as one step named name; the document then
    // announces the parts the dialog touches.
    void runParameterDialog(class CParameterDialog& dialog, const QString& name, CDocument::Changes touches);
    void addUndoMenuItems(QMenu* edit);
    void updateUndoActions();
    // The close question; answers whether the window may close.
    bool maySaveBeforeClose();
    // Listens to the document: each announcement brings the window in line.
    void followDocument();
    // The window in line with a state put in place (a file read, a state
    // put back): the fields shown, the text size, the histogram's place.
    void followStateReplaced();
    // After a display of the run: the trajectory's frame, the plots, the view.
    void followDisplayDone();
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
    // Takes the movie frame that is due, if any (the start of every display).
    void captureCheck();
    void selectType(int t);
    void resizeView(float width, float height);
    void keepAspectRatio();
    void showDocumentName(const QString& name);

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
    QMenu* lessonsMenu = nullptr;
    QAction* openLessonAct = nullptr;
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
    QAction *controlsAct = nullptr, *presentationAct = nullptr, *leavePresentationAct = nullptr;
    bool presenting = false, controlsShownBeforePresenting = false;
};
