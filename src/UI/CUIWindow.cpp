// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: construction, actions and menus, their check marks, the
// run control, and what the window does on each of the document's
// announcements. Files and drops are in _files, sizes and aspect ratios in
// _geometry, selection, display and view commands in _commands, the dialog
// commands in _dialogs and the recording commands in _capture.
#include "CUIWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDockWidget>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>

#include <functional>

#include "CPlotsWindow.h"
#include "CQtPlatform.h"
#include "CUIDisplay.h"
#include "CUIGraph.h"
#include "CUIView.h"
#include "DIALOG/CEngineThreadsSetting.h"
#include "DIALOG/CKeyboardMouseDialog.h"
#include "QuorvelVersion.h"
#include "SIM/model/CSimulation.h"

static void initResources() { Q_INIT_RESOURCE(quorvel); }

CUIWindow::CUIWindow(CPlatform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform(platform),
      document(std::make_unique<CDocument>(platform)),
      Document(*document),
      Simulation(Document.Simulation),
      Scene(Document.shownState())
{
    initResources();
    // Every simulation this window opens or builds steps on these threads:
    // they belong to the document's simulation, not to a state put in place.
    Simulation.setEngineThreads(engineThreadsSetting::stored());
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
    connect(UIView, &CUIView::gestureBegan, &Document, &CDocument::gestureBegan);
    connect(UIView, &CUIView::gestureEnded, &Document, &CDocument::gestureEnded);
    followDocument();

    UIView->resize(600, 450);
    resize(600, 450 + menuBar()->sizeHint().height());
    resizeView(600, 450);  // the Controls panel, if docked, beside the view
    UIView->setDisplayTextSize(0);
    placeHistogram();
    setAcceptDrops(true);
    showDocumentName(Document.name());
    validateMenuItems();
    UIView->setFocus();
}

CUIWindow::~CUIWindow()
{
    // The document outlives the window's own part and its fields: what it
    // says from now on (its history clearing itself) has no one to reach.
    Document.blockSignals(true);
    // The panel's dock goes with the window: that is not the person hiding
    // it. It goes first, while the document its fields set is still there
    // (a field left with the focus sets its value as it loses it).
    if (controlsAct) controlsAct->disconnect(this);
    delete ControlsDock;
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

    // A command of the menus whose slot is a lambda.
    auto command = [this](const QString& text, const std::function<void()>& does, const QKeySequence& keys = {},
                          bool checkable = false) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setCheckable(checkable);
        connect(action, &QAction::triggered, this, does);
        return action;
    };
    selectAllAct = make(tr("Select A&ll"), &CUIWindow::selectAll, QKeySequence::SelectAll);
    for (int t = 0; t < 4; t++)
        selectTypeAct[t] = command(tr("Select Type &%1").arg(QChar('A' + t)), [this, t] { selectType(t); },
                                   QKeySequence(tr("Ctrl+%1").arg(t + 1)));
    deleteAct = make(tr("D&elete Selected"), &CUIWindow::selectDelete, QKeySequence::Delete);
    clumpAct = make(tr("Cl&ump Selected"), &CUIWindow::selectClump, QKeySequence(tr("Ctrl+K")));
    shiftToFitAct = make(tr("Shift Atoms to &Fit"), &CUIWindow::shiftToFit, QKeySequence(tr("Ctrl+Shift+F")));

    createDisplayToggles();
    cycleTypeAct = make(tr("Next Atom &Type"), &CUIWindow::cycleAtomType, QKeySequence(tr("Ctrl+T")));
    cycleTCAct = make(tr("Next &Averaging Mode"), &CUIWindow::cycleTCType, QKeySequence(tr("Ctrl+Shift+T")));
    standardViewAct = make(tr("Standard &View"), &CUIWindow::standardView, QKeySequence(tr("Ctrl+0")));
    stereoAct = make(tr("St&ereo"), &CUIWindow::stereoView, QKeySequence(tr("Ctrl+E")), true);
    // The zoom and eye gestures of Command and Option, as menu items.
    zoomInAct = command(tr("Zoom &In"), [this] { UIView->zoomBy(10.0); }, QKeySequence::ZoomIn);
    zoomOutAct = command(tr("Zoom &Out"), [this] { UIView->zoomBy(-10.0); }, QKeySequence::ZoomOut);
    eyeCloserAct = command(tr("Eye &Closer"), [this] { UIView->moveEyeBy(-10.0); }, QKeySequence(tr("Ctrl+]")));
    eyeAwayAct = command(tr("Eye F&arther"), [this] { UIView->moveEyeBy(10.0); }, QKeySequence(tr("Ctrl+[")));

    auto* sizes = new QActionGroup(this);
    const QString sizeTexts[3] = {tr("&Small"), tr("&Medium"), tr("&Large")};
    for (int size = 0; size < 3; size++) {
        textSizeAct[size] = command(sizeTexts[size], [this, size] {
            Document.adjust(CDocument::display, [this, size] { UIView->setDisplayTextSize(size); });
        }, {}, true);
        sizes->addAction(textSizeAct[size]);
    }

    auto* ratios = new QActionGroup(this);
    const QString ratioTexts[5] = {tr("&Free"), tr("&1 : 1"), tr("&4 : 3"), tr("1&6 : 9"), tr("&24 : 10")};
    for (int index = 0; index < 5; index++) {
        aspectAct[index] = command(ratioTexts[index], [this, index] { setAspectRatioTo(index); }, {}, true);
        ratios->addAction(aspectAct[index]);
    }
}

void CUIWindow::createDisplayToggles()
{
    using Get = bool (CSimulation::*)() const;
    using Set = void (CSimulation::*)(bool);
    auto toggle = [this](const QString& text, Get get, Set set) {
        auto* action = new QAction(text, this);
        action->setCheckable(true);
        // The flag turns over from what the document holds, so the mark can
        // never drive it the wrong way.
        CDocument& document = Document;
        CSimulation& simulation = Simulation;
        connect(action, &QAction::triggered, this, [&document, &simulation, get, set] {
            document.adjust(CDocument::display, [&simulation, get, set] { (simulation.*set)(!(simulation.*get)()); });
        });
        return action;
    };
    stateAct = toggle(tr("&State"), &CSimulation::getStateDisplayFlag, &CSimulation::setStateDisplayFlag);
    energyDiffAct = toggle(tr("&Energy Difference"), &CSimulation::getEnergyDiffDisplayFlag,
                           &CSimulation::setEnergyDiffDisplayFlag);
    numericAct = toggle(tr("&Numeric Values"), &CSimulation::getNumericDisplayFlag, &CSimulation::setNumericDisplayFlag);
    graphAct = toggle(tr("&Histogram"), &CSimulation::getGraphDisplayFlag, &CSimulation::setGraphDisplayFlag);
    boxAct = toggle(tr("&Box"), &CSimulation::getBoxShowFlag, &CSimulation::setBoxShowFlag);
    floorAct = toggle(tr("&Floor"), &CSimulation::getBoxFloorShowFlag, &CSimulation::setBoxFloorShowFlag);
    shadowAct = toggle(tr("S&hadows"), &CSimulation::getBoxShowShadowFlag, &CSimulation::setBoxShowShadowFlag);
    axesAct = toggle(tr("A&xes"), &CSimulation::getAxesShowFlag, &CSimulation::setAxesShowFlag);
}

void CUIWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(openAct);
    exampleMenu = file->addMenu(tr("Open &Example"));
    createExampleMenu(exampleMenu);
    createLessonCommands();
    file->addAction(openLessonAct);
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
    createPresentationCommand(view);
    createColourBlindCommand(view);
    createLanguageMenu(view);
    createWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addMenu(lessonsMenu);
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

void CUIWindow::showDocumentName(const QString& name)
{
    // [*]: the mark of unsaved changes.
    setWindowTitle(name.isEmpty() ? tr("Quorvel[*]") : tr("Quorvel - %1[*]").arg(name));
}

// ---------------------------------------------------------------- following the document

// The order of the connections is the order in which each announcement is
// followed: the fields, the window, the charts, then the view drawn again.
void CUIWindow::followDocument()
{
    CDocument& d = Document;
    UIDisplay->listenTo(d);
    UIGraph->listenTo(d);
    connect(&d, &CDocument::stateReplaced, this, &CUIWindow::followStateReplaced);
    connect(&d, &CDocument::displaySettingsChanged, this, [this] {
        // A changed histogram size is laid out again, as after reading a file.
        placeHistogram();
        validateMenuItems();
    });
    connect(&d, &CDocument::runStateChanged, this, &CUIWindow::validateMenuItems);
    connect(&d, &CDocument::displayStarting, this, &CUIWindow::captureCheck);
    connect(&d, &CDocument::displayDone, this, &CUIWindow::trajectoryAfterDisplay);
    connect(&d, &CDocument::runFailed, this,
            [this] { platform.alert("Alert.", Simulation.getRunStopReason(), {"OK"}); });
    connect(&d, &CDocument::nameChanged, this, &CUIWindow::showDocumentName);
    connect(&d, &CDocument::unsavedChanged, this, &CUIWindow::setWindowModified);
    connect(&d, &CDocument::historyChanged, this, &CUIWindow::updateUndoActions);
    connect(&d, &CDocument::stepRecorded, this, &CUIWindow::endTrajectoryUnlessRecorded);
    PlotsWindow->listenTo(d);
    d.sampledDiffusion = [this] { return PlotsWindow->sampledDiffusion(); };
    UIView->listenTo(d);
    // Last: the note that a recording ended comes over the state as shown.
    connect(&d, &CDocument::stateReplaced, this, &CUIWindow::endTrajectoryUnlessRecorded);
}

void CUIWindow::followStateReplaced()
{
    UIView->setDisplayTextSize(Simulation.getDisplayTextSize());
    placeHistogram();
    validateMenuItems();
}

// ---------------------------------------------------------------- run control

void CUIWindow::run() { Document.run(); }

void CUIWindow::stop() { Document.stop(); }

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
