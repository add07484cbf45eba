// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: construction, actions and menus, their check marks, and
// the run control. Files and drops are in _files, sizes and aspect ratios in
// _geometry, selection, display and view commands in _commands, the dialog
// commands in _dialogs and the recording commands in _capture.
#include "CUIWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>

#include <algorithm>
#include <cmath>

#include "BASE/CTextNumbers.h"
#include "CPlotsWindow.h"
#include "CQtPlatform.h"
#include "CUIDisplay.h"
#include "CUIGraph.h"
#include "CUIView.h"
#include "DIALOG/CKeyboardMouseDialog.h"
#include "QuorvelVersion.h"
#include "SIM/measure/CDiffusion.h"
#include "SIM/model/CSimulation.h"
#include "SIM/engine/CSampledRun.h"

static void initResources() { Q_INIT_RESOURCE(quorvel); }

CUIWindow::CUIWindow(CPlatform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform(platform),
      simulation(std::make_unique<CSimulation>(platform)),
      Simulation(*simulation),
      Scene(Simulation)
{
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/qrv.png")));
    UIView = new CUIView(Simulation, Scene, platform, this);
    setCentralWidget(UIView);
    UIGraph = new CUIGraph(Simulation, UIView);
    UIDisplay = std::make_unique<CUIDisplay>(Simulation, *UIGraph, UIView);
    UIView->setDisplay(UIDisplay.get());

    createDialogs();
    createActions();
    createDialogActions();
    createUndo();
    createMenus();
    connect(UIView, &CUIView::gestureBegan, this, &CUIWindow::gestureBegan);
    connect(UIView, &CUIView::gestureEnded, this, &CUIWindow::gestureEnded);

    runTimer.setTimerType(Qt::PreciseTimer);
    connect(&runTimer, &QTimer::timeout, this, &CUIWindow::runTimerMethod);

    Simulation.initWithDefaults();
    runTimerActive = Simulation.getRunState() == CRunState::running;
    UIView->resize(600, 450);
    resize(600, 450 + menuBar()->sizeHint().height());
    UIView->setDisplayTextSize(0);
    placeHistogram();
    setAcceptDrops(true);
    setDocument(QString());
    validateMenuItems();
    UIView->setFocus();
}

CUIWindow::~CUIWindow()
{
    // The undo stack is a child: it clears itself, and says so, only after
    // this window's own part is gone, when nothing of it may be called.
    if (UndoStack) UndoStack->disconnect(this);
}

void CUIWindow::createActions()
{
    auto make = [this](const QString& text, void (CUIWindow::*slot)(), const QKeySequence& keys = {},
                       bool checkable = false) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    openAct = make(tr("&Open..."), &CUIWindow::fileOpenSimulation, QKeySequence::Open);
    openAct->setStatusTip(tr("Open a simulation file"));
    saveAct = make(tr("&Save As..."), &CUIWindow::fileSaveSimulation, QKeySequence::Save);
    quitAct = new QAction(tr("&Quit"), this);
    quitAct->setShortcut(QKeySequence::Quit);
    connect(quitAct, &QAction::triggered, this, &QWidget::close);
    aboutAct = make(tr("&About Quorvel"), &CUIWindow::showAbout);
    aboutAct->setMenuRole(QAction::AboutRole);
    keyboardHelpAct = make(tr("&Keyboard and Mouse"), &CUIWindow::showKeyboardHelp, QKeySequence::HelpContents);

    runAct = make(tr("&Run"), &CUIWindow::run, QKeySequence(tr("Ctrl+R")));
    stopAct = make(tr("&Stop"), &CUIWindow::stop, QKeySequence(tr("Ctrl+.")));

    selectAllAct = make(tr("Select A&ll"), &CUIWindow::selectAll, QKeySequence::SelectAll);
    void (CUIWindow::*selectSlots[4])() = {&CUIWindow::selectA, &CUIWindow::selectB, &CUIWindow::selectC,
                                            &CUIWindow::selectD};
    for (int t = 0; t < 4; t++)
        selectTypeAct[t] = make(tr("Select Type &%1").arg(QChar('A' + t)), selectSlots[t],
                                QKeySequence(tr("Ctrl+%1").arg(t + 1)));
    deleteAct = make(tr("D&elete Selected"), &CUIWindow::selectDelete, QKeySequence::Delete);
    clumpAct = make(tr("Cl&ump Selected"), &CUIWindow::selectClump, QKeySequence(tr("Ctrl+K")));
    shiftToFitAct = make(tr("Shift Atoms to &Fit"), &CUIWindow::shiftToFit, QKeySequence(tr("Ctrl+Shift+F")));

    stateAct = make(tr("&State"), &CUIWindow::toggleStateDisplay, {}, true);
    energyDiffAct = make(tr("&Energy Difference"), &CUIWindow::toggleEnergyDifference, {}, true);
    numericAct = make(tr("&Numeric Values"), &CUIWindow::toggleNumericDisplay, {}, true);
    graphAct = make(tr("&Histogram"), &CUIWindow::toggleGraphDisplay, {}, true);
    boxAct = make(tr("&Box"), &CUIWindow::toggleBoxShow, {}, true);
    floorAct = make(tr("&Floor"), &CUIWindow::toggleFloor, {}, true);
    shadowAct = make(tr("S&hadows"), &CUIWindow::toggleShadow, {}, true);
    axesAct = make(tr("A&xes"), &CUIWindow::toggleAxes, {}, true);
    cycleTypeAct = make(tr("Next Atom &Type"), &CUIWindow::cycleAtomType, QKeySequence(tr("Ctrl+T")));
    cycleTCAct = make(tr("Next &Averaging Mode"), &CUIWindow::cycleTCType, QKeySequence(tr("Ctrl+Shift+T")));
    standardViewAct = make(tr("Standard &View"), &CUIWindow::standardView, QKeySequence(tr("Ctrl+0")));
    stereoAct = make(tr("St&ereo"), &CUIWindow::stereoView, QKeySequence(tr("Ctrl+E")), true);
    zoomInAct = make(tr("Zoom &In"), &CUIWindow::zoomIn, QKeySequence::ZoomIn);
    zoomOutAct = make(tr("Zoom &Out"), &CUIWindow::zoomOut, QKeySequence::ZoomOut);
    eyeCloserAct = make(tr("Eye &Closer"), &CUIWindow::moveEyeCloser, QKeySequence(tr("Ctrl+]")));
    eyeAwayAct = make(tr("Eye F&arther"), &CUIWindow::moveEyeAway, QKeySequence(tr("Ctrl+[")));

    auto* sizes = new QActionGroup(this);
    textSizeAct[0] = make(tr("&Small"), &CUIWindow::setDisplayTextSizeSmall, {}, true);
    textSizeAct[1] = make(tr("&Medium"), &CUIWindow::setDisplayTextSizeMedium, {}, true);
    textSizeAct[2] = make(tr("&Large"), &CUIWindow::setDisplayTextSizeLarge, {}, true);
    for (QAction* a : textSizeAct) sizes->addAction(a);

    auto* ratios = new QActionGroup(this);
    aspectAct[0] = make(tr("&Free"), &CUIWindow::aspectRatioNone, {}, true);
    aspectAct[1] = make(tr("&1 : 1"), &CUIWindow::aspectRatio1to1, {}, true);
    aspectAct[2] = make(tr("&4 : 3"), &CUIWindow::aspectRatio4to3, {}, true);
    aspectAct[3] = make(tr("1&6 : 9"), &CUIWindow::aspectRatio16to9, {}, true);
    aspectAct[4] = make(tr("&24 : 10"), &CUIWindow::aspectRatio24to10, {}, true);
    for (QAction* a : aspectAct) ratios->addAction(a);
}

void CUIWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(openAct);
    exampleMenu = file->addMenu(tr("Open &Example"));
    createExampleMenu(exampleMenu);
    recentMenu = file->addMenu(tr("Open &Recent"));
    connect(recentMenu, &QMenu::aboutToShow, this, &CUIWindow::fillRecentMenu);
    fillRecentMenu();
    file->addAction(saveAct);
    file->addAction(exportLammpsAct);
    file->addSeparator();
    createCaptureCommands(file);
    createTrajectoryCommands(file);
    file->addSeparator();
    file->addAction(quitAct);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    addUndoMenuItems(edit);
    edit->addAction(selectAllAct);
    for (QAction* a : selectTypeAct) edit->addAction(a);
    edit->addSeparator();
    edit->addAction(deleteAct);
    edit->addAction(clumpAct);
    edit->addAction(shiftToFitAct);

    QMenu* sim = menuBar()->addMenu(tr("&Simulation"));
    sim->addAction(runAct);
    sim->addAction(stopAct);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(standardViewAct);
    view->addAction(zoomInAct);
    view->addAction(zoomOutAct);
    view->addAction(eyeCloserAct);
    view->addAction(eyeAwayAct);
    view->addAction(stereoAct);
    view->addSeparator();
    view->addAction(boxAct);
    view->addAction(floorAct);
    view->addAction(shadowAct);
    view->addAction(axesAct);
    view->addSeparator();
    QMenu* ratio = view->addMenu(tr("Aspect &Ratio"));
    for (QAction* a : aspectAct) ratio->addAction(a);

    QMenu* display = menuBar()->addMenu(tr("&Display"));
    display->addAction(stateAct);
    display->addAction(energyDiffAct);
    display->addAction(numericAct);
    display->addAction(graphAct);
    display->addSeparator();
    display->addAction(cycleTypeAct);
    display->addAction(cycleTCAct);
    display->addSeparator();
    QMenu* text = display->addMenu(tr("Text Si&ze"));
    for (QAction* a : textSizeAct) text->addAction(a);

    createDialogMenus(edit, sim, view, display);
    createWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(keyboardHelpAct);
    help->addAction(aboutAct);

    for (QMenu* menu : {file, edit, sim, view, display, ratio, text})
        connect(menu, &QMenu::aboutToShow, this, &CUIWindow::validateMenuItems);
}


void CUIWindow::validateMenuItems()
{
    CSimulation& s = Simulation;
    runAct->setEnabled(s.getRunState() != CRunState::running);
    stopAct->setEnabled(s.getRunState() != CRunState::stopped);
    numericAct->setChecked(s.getNumericDisplayFlag());
    graphAct->setChecked(s.getGraphDisplayFlag());
    boxAct->setChecked(s.getBoxShowFlag());
    stateAct->setChecked(s.getStateDisplayFlag());
    floorAct->setChecked(s.getBoxFloorShowFlag());
    shadowAct->setChecked(s.getBoxShowShadowFlag());
    energyDiffAct->setChecked(s.getEnergyDiffDisplayFlag());
    axesAct->setChecked(s.getAxesShowFlag());
    for (int i = 0; i < 5; i++) aspectAct[i]->setChecked(s.getAspectRatioIndex() == i);
    for (int i = 0; i < 3; i++) textSizeAct[i]->setChecked(s.getDisplayTextSize() == i);
    stereoAct->setChecked(UIView->getStereoFlag() != 0);
    makeMovieAbortAct->setEnabled(UIViewCapture->getMakeMovieFlag() != 0);
}

void CUIWindow::redraw()
{
    UIView->setNeedsDisplay();
    PlotsWindow->simulationChanged();
}

void CUIWindow::setDocument(const QString& name)
{
    document = name;
    // [*]: the mark of unsaved changes.
    setWindowTitle(name.isEmpty() ? tr("Quorvel[*]") : tr("Quorvel - %1[*]").arg(name));
}

// ---------------------------------------------------------------- run control

int CUIWindow::intervalBetweenDisplays() const
{
    const double seconds = Simulation.getRunTimerInterval();
    return std::max(0, static_cast<int>(std::lround(seconds * 1000.0)));
}

void CUIWindow::startRunTimer() { runTimer.start(intervalBetweenDisplays()); }

void CUIWindow::restartRunTimer()
{
    if (runTimerActive) startRunTimer();
}

void CUIWindow::run()
{
    Simulation.setRunState(CRunState::running);
    runTimerActive = true;
    startRunTimer();
    validateMenuItems();
    redraw();
}

void CUIWindow::stop()
{
    // A display cut short ends where its steps left the atoms: the readouts
    // and the histogram are those of the last step run (the charts keep one
    // sample per whole display).
    Simulation.endDisplayEarly();
    Simulation.setRunState(CRunState::stopped);
    runTimerActive = false;
    runTimer.stop();
    UIDisplay->drawProgress(QString());
    validateMenuItems();
    redraw();
}

// The run loop. A display's steps run on this thread in slices of about
// sliceBudgetMs, handing control back to the event loop between two slices
// (a zero-interval timer carries the display on). The view, the scene, the
// dialogs and the Plots window read and write the simulation directly; with
// slices, every change they make lands between two steps, never half-way
// through one, and none of them ever sees a half-written state, with no
// locks and no second thread. The same steps run in the same order as a
// display run whole, so the results are the same bit for bit.
void CUIWindow::runTimerMethod()
{
    // The simulation never advances while the user answers a dialog, an
    // alert or a file panel, even though their event loops fire timers.
    if (isModalSessionActive()) {
        // Waiting in the middle of a display: no need to ask at every turn.
        runTimer.setInterval(intervalBetweenDisplays());
        return;
    }
    if (!Simulation.isDisplayUnderway()) {
        // Every movie frame is the picture of a completed display.
        captureCheck();
        displayClock.start();
        progressClock.invalidate();
    }
    runSlice();
}

void CUIWindow::runSlice()
{
    QElapsedTimer sliceClock;
    sliceClock.start();
    const bool finite = runDisplayStepsSampled(Simulation, PlotsWindow->sampledDiffusion(), sliceSteps);
    noteRunAdvanced();
    const double budget = sliceBudgetMs * 1e6, took = std::max<double>(1.0, sliceClock.nsecsElapsed());
    if (Simulation.isDisplayUnderway() || took > budget) {
        // Only a slice that the display did not cut short says how many fit.
        const double fit = std::floor(sliceSteps * std::min(2.0, budget / took));
        sliceSteps = static_cast<unsigned>(std::clamp(fit, 1.0, 1e9));
    }
    if (!finite) {
        stop();
        platform.alert("Alert.", Simulation.getRunStopReason(), {"OK"});
        return;
    }
    if (Simulation.isDisplayUnderway()) {
        showDisplayProgress();
        // (Setting the interval never starts a stopped timer.)
        if (runTimer.interval() != 0) runTimer.setInterval(0);
        return;
    }
    UIDisplay->drawProgress(QString());
    trajectoryAfterDisplay();
    if (runTimer.interval() != intervalBetweenDisplays()) runTimer.setInterval(intervalBetweenDisplays());
    PlotsWindow->displayAdvanced();
    UIView->setNeedsDisplay();
}

void CUIWindow::showDisplayProgress()
{
    // New text repaints the view under the line: a few times a second is
    // enough to read it and costs the steps little.
    constexpr qint64 kShownAfterMs = 500, kRedrawnEveryMs = 250;
    const qint64 elapsed = displayClock.elapsed();
    if (elapsed < kShownAfterMs || (progressClock.isValid() && progressClock.elapsed() < kRedrawnEveryMs)) return;
    progressClock.start();
    const unsigned done = Simulation.getStepsDoneInDisplay(), total = Simulation.getIPD();
    const double secondsLeft = done > 0 ? elapsed / 1000.0 / done * (total - std::min(done, total)) : -1.0;
    UIDisplay->drawProgress(QString::fromStdString(progressText(done, total) + ", " + timeLeftText(secondsLeft) +
                                                   " left"));
    // The step count and readouts above the line follow the steps done, so
    // the two never disagree ("0 steps" over "4424 of 1000000 steps").
    UIDisplay->drawDisplays();
}

void CUIWindow::showAbout()
{
    CModalScope modal;
    QMessageBox about(this);
    about.setWindowTitle(tr("About Quorvel"));
    about.setIconPixmap(QPixmap(QStringLiteral(":/qrv.png"))
                           .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    about.setText(tr("<h3>Quorvel %1</h3>").arg(QStringLiteral(QUORVEL_VERSION)));
    about.setInformativeText(tr("Interactive molecular dynamics: up to 1,600 atoms of four types in a "
                                "closed box.<br><br>Copyright © 2025 the Quorvel developers.<br>"
                                "Free software under the GNU General Public License, version 3 or later."));
    about.exec();
}

void CUIWindow::showKeyboardHelp()
{
    // Not modal: the tables stay open beside the view while the user tries them.
    if (!KeyboardMouseDialog) KeyboardMouseDialog = new CKeyboardMouseDialog(this);
    KeyboardMouseDialog->show();
    KeyboardMouseDialog->raise();
    KeyboardMouseDialog->activateWindow();
}
