#include "CUIWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "CPlotsWindow.h"
#include "CQtPlatform.h"
#include "CUIDisplay.h"
#include "CUIGraph.h"
#include "CUIView.h"
#include "SIM/CSimulation.h"

static void initResources() { Q_INIT_RESOURCE(quorvel); }

namespace {
// Width : height of the aspect ratios 1 to 4; 0 leaves the shape free.
constexpr int kRatios[5][2] = {{0, 0}, {1, 1}, {4, 3}, {16, 9}, {24, 10}};
constexpr float kMinContent = 250.0f;
}  // namespace

CAspectGeometry aspectRatioGeometry(float x, float y, float w, float h, int index)
{
    CAspectGeometry g;
    if (index < 1 || index > 4) return g;
    const float rw = static_cast<float>(kRatios[index][0]), rh = static_cast<float>(kRatios[index][1]);
    g.ratioWidth = kRatios[index][0];
    g.ratioHeight = kRatios[index][1];
    g.minWidth = rw * kMinContent / rh;
    // The largest content of this shape inside the current one, at least 250 each way.
    const float c = h - kTitleBar;
    float W = std::min(rw * c / rh, w);
    float H = std::min(rh * w / rw, c);
    if (H < kMinContent) {
        const float f = kMinContent / H;
        H *= f;
        W *= f;
    }
    if (W < kMinContent) {
        const float f = kMinContent / W;
        H *= f;
        W *= f;
    }
    g.resized = true;
    g.x = x;
    g.y = static_cast<float>(static_cast<double>(y) + h - kTitleBar - H);  // the top edge stays
    g.width = W;
    g.height = H + kTitleBar;
    return g;
}

CUIWindow::CUIWindow(CPlatform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform(platform),
      simulation(std::make_unique<CSimulation>(platform)),
      Simulation(*simulation)
{
    initResources();
    setWindowIcon(QIcon(QStringLiteral(":/qrv.png")));
    UIView = new CUIView(Simulation, this);
    setCentralWidget(UIView);
    UIGraph = new CUIGraph(Simulation, UIView);
    UIDisplay = std::make_unique<CUIDisplay>(Simulation, *UIGraph, UIView);
    UIView->setDisplay(UIDisplay.get());

    createDialogs();
    createActions();
    createDialogActions();
    createMenus();

    runTimer.setTimerType(Qt::PreciseTimer);
    connect(&runTimer, &QTimer::timeout, this, &CUIWindow::runTimerMethod);

    Simulation.initWithDefaults();
    runTimerFlag = Simulation.getRunFlag() == 1 ? 1 : 0;
    UIView->resize(600, 450);
    resize(600, 450 + menuBar()->sizeHint().height());
    UIView->setDisplayTextSize(0);
    placeHistogram();
    setAcceptDrops(true);
    setDocument(QString());
    validateMenuItems();
    UIView->setFocus();
}

CUIWindow::~CUIWindow() = default;

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

    runAct = make(tr("&Run"), &CUIWindow::run, QKeySequence(tr("Ctrl+R")));
    stopAct = make(tr("&Stop"), &CUIWindow::stop, QKeySequence(tr("Ctrl+.")));

    selectAllAct = make(tr("Select &All"), &CUIWindow::selectAll, QKeySequence::SelectAll);
    void (CUIWindow::*selectSlots[4])() = {&CUIWindow::selectA, &CUIWindow::selectB, &CUIWindow::selectC,
                                            &CUIWindow::selectD};
    for (int t = 0; t < 4; t++)
        selectTypeAct[t] = make(tr("Select Type &%1").arg(QChar('A' + t)), selectSlots[t],
                                QKeySequence(tr("Ctrl+%1").arg(t + 1)));
    deleteAct = make(tr("&Delete Selected"), &CUIWindow::selectDelete, QKeySequence::Delete);
    clumpAct = make(tr("&Clump Selected"), &CUIWindow::selectClump, QKeySequence(tr("Ctrl+K")));
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
    eyeAwayAct = make(tr("Eye &Farther"), &CUIWindow::moveEyeAway, QKeySequence(tr("Ctrl+[")));

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
    file->addAction(saveAct);
    file->addSeparator();
    createCaptureCommands(file);
    file->addSeparator();
    file->addAction(quitAct);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
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
    QMenu* text = display->addMenu(tr("&Text Size"));
    for (QAction* a : textSizeAct) text->addAction(a);

    createDialogMenus(edit, sim, view, display);
    createWindowMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(aboutAct);

    for (QMenu* menu : {file, edit, sim, view, display, ratio, text})
        connect(menu, &QMenu::aboutToShow, this, &CUIWindow::validateMenuItems);
}

// One item per example shipped in the resources, named after its file.
void CUIWindow::createExampleMenu(QMenu* menu)
{
    const QDir examples(QStringLiteral(":/examples"));
    for (const QString& fileName : examples.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        // "2-condensing-on-a-cold-floor.txt" reads "Condensing on a cold floor".
        QString title = QFileInfo(fileName).completeBaseName();
        title.remove(QRegularExpression(QStringLiteral("^[0-9]+-"))).replace('-', ' ');
        if (!title.isEmpty()) title[0] = title[0].toUpper();
        const QString path = examples.filePath(fileName);
        QAction* action = menu->addAction(title);
        connect(action, &QAction::triggered, this, [this, path] { openExample(path); });
    }
    menu->setEnabled(!menu->isEmpty());
}

void CUIWindow::validateMenuItems()
{
    CSimulation& s = Simulation;
    runAct->setEnabled(s.getRunFlag() != 1);
    stopAct->setEnabled(s.getRunFlag() != 0);
    numericAct->setChecked(s.getNumericDisplayFlag() != 0);
    graphAct->setChecked(s.getGraphDisplayFlag() == 1);
    boxAct->setChecked(s.getBoxShowFlag() == 1);
    stateAct->setChecked(s.getStateDisplayFlag() == 1);
    floorAct->setChecked(s.getBoxFloorShowFlag() == 1);
    shadowAct->setChecked(s.getBoxShowShadowFlag() == 1);
    energyDiffAct->setChecked(s.getEnergyDiffDisplayFlag() == 1);
    axesAct->setChecked(s.getAxesShowFlag() == 1);
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
    setWindowTitle(name.isEmpty() ? tr("Quorvel") : tr("Quorvel - %1").arg(name));
}

// ---------------------------------------------------------------- run control

void CUIWindow::startRunTimer()
{
    const double seconds = Simulation.getRunTimerFrequency();
    runTimer.start(std::max(0, static_cast<int>(std::lround(seconds * 1000.0))));
}

void CUIWindow::restartRunTimer()
{
    if (runTimerFlag) startRunTimer();
}

void CUIWindow::run()
{
    Simulation.setRunFlag(1);
    runTimerFlag = 1;
    startRunTimer();
    validateMenuItems();
    redraw();
}

void CUIWindow::stop()
{
    Simulation.setRunFlag(0);
    runTimerFlag = 0;
    runTimer.stop();
    validateMenuItems();
    redraw();
}

void CUIWindow::runTimerMethod()
{
    // The simulation never advances while the user answers a dialog, an
    // alert or a file panel, even though their event loops fire timers.
    if (isModalSessionActive()) return;
    captureCheck();
    Simulation.MDCALCIterate();
    PlotsWindow->displayAdvanced();
    UIView->setNeedsDisplay();
}

void CUIWindow::showAbout()
{
    CModalScope modal;
    QMessageBox about(this);
    about.setWindowTitle(tr("About Quorvel"));
    about.setIconPixmap(QPixmap(QStringLiteral(":/qrv.png"))
                           .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    about.setText(tr("<h3>Quorvel</h3>"));
    about.setInformativeText(tr("Interactive molecular dynamics: up to 1,600 atoms of four types in a "
                                "closed box.<br><br>Copyright © 2025 the Quorvel developers."));
    about.exec();
}

// ---------------------------------------------------------------- files

void CUIWindow::fileOpenSimulation()
{
    if (!Simulation.requestOpenPath()) return;
    openSimulationFile(QString::fromStdString(Simulation.openPath));
}

bool CUIWindow::openSimulationFile(const QString& path)
{
    Simulation.setOpenPath(path.toStdString());
    // A file that cannot be read has changed nothing and said so in an
    // alert; there is nothing to bring in line with it.
    if (!Simulation.readInputFile()) return false;
    setDocument(QFileInfo(path).fileName());
    followUpOpenFile();
    return true;
}

bool CUIWindow::openExample(const QString& resourcePath)
{
    QFile source(resourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        platform.alert("Alert.", "The example could not be found in the application.", {"OK"});
        return false;
    }
    // The reader takes files from disk; the example goes through a temporary copy.
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("quorvel-example-XXXXXX.txt")));
    if (!copy.open() || copy.write(source.readAll()) < 0 || !copy.flush()) {
        platform.alert("Alert.", "The example could not be copied to the temporary folder.", {"OK"});
        return false;
    }
    Simulation.setOpenPath(copy.fileName().toStdString());
    if (!Simulation.readInputFile()) return false;
    const QString name = QFileInfo(resourcePath).fileName();
    Simulation.openPath = name.toStdString();
    Simulation.savePath = name.toStdString();  // proposed when it is saved
    setDocument(name);
    followUpOpenFile();
    return true;
}

void CUIWindow::fileSaveSimulation()
{
    setWindowSizeToSimulation();
    if (!Simulation.requestSavePath()) return;
    if (Simulation.writeOutputFile()) setDocument(QFileInfo(QString::fromStdString(Simulation.savePath)).fileName());
}

void CUIWindow::followUpOpenFile()
{
    CSimulation& s = Simulation;
    if (s.getRunFlag() == 0 && runTimerFlag == 1) {
        runTimer.stop();
        runTimerFlag = 0;
    } else if (s.getRunFlag() == 1 && runTimerFlag == 0) {
        startRunTimer();
        runTimerFlag = 1;
    }
    UIDisplay->setStateDisplayVisibility(s.getStateDisplayFlag());
    UIDisplay->setEnergyDiffDisplayVisibility(s.getEnergyDiffDisplayFlag());
    UIDisplay->setNumericDisplayVisibility(s.getNumericDisplayFlag());
    UIDisplay->setHistogramDisplayVisibility(s.getGraphDisplayFlag());
    UIView->setDisplayTextSize(s.getDisplayTextSize());
    placeHistogram();
    getWindowSizeFromSimulation();
    setAspectRatioTo(s.getAspectRatioIndex());
    validateMenuItems();
    redraw();
}

// ---------------------------------------------------------------- drag and drop

void CUIWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CUIWindow::dropEvent(QDropEvent* event)
{
    if (!event->mimeData()->hasUrls()) return;
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths << (url.isLocalFile() ? url.toLocalFile() : url.toString());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    openDroppedPaths(paths);
}

void CUIWindow::openDroppedPaths(const QStringList& paths)
{
    for (const QString& path : paths)
        if (path.contains(QLatin1String(".txt"))) {
            openSimulationFile(path);
            return;
        }
    platform.alert("Operation Incomplete.", "The selected file type is incompatible; requires file type of 'txt'.",
                   {"OK"});
}

// ---------------------------------------------------------------- window geometry

// The view's width is the frame width; its height is the content height.
void CUIWindow::setWindowSizeToSimulation()
{
    Simulation.setWindowWidth(static_cast<float>(UIView->width()));
    Simulation.setWindowHeight(static_cast<float>(UIView->height()));
}

void CUIWindow::getWindowSizeFromSimulation()
{
    resizeView(Simulation.getWindowWidth(), Simulation.getWindowHeight());
}

// Resizes the window so the view gets this size; Qt keeps the top-left corner.
void CUIWindow::resizeView(float width, float height)
{
    if (layout()) layout()->activate();
    const int chrome = this->height() - UIView->height();
    resize(std::max(1, static_cast<int>(std::lround(width))), std::max(1, static_cast<int>(std::lround(height))) + chrome);
    lastViewSize = UIView->size();
}

void CUIWindow::placeHistogram()
{
    const QPointF anchor(UIView->width() - 5, 16);
    UIDisplay->setHistogramSize(anchor);
    UIGraph->setHistogramSize(anchor);
}

void CUIWindow::setAspectRatioTo(int index)
{
    const float w = static_cast<float>(UIView->width());
    const float h = static_cast<float>(UIView->height()) + kTitleBar;
    Simulation.setAspectRatioIndex(index);
    const CAspectGeometry g = aspectRatioGeometry(0.0f, 0.0f, w, h, index);
    UIView->setMinimumSize(static_cast<int>(std::lround(g.minWidth)), static_cast<int>(std::lround(g.minHeight)));
    if (g.resized) {
        keepingAspect = true;
        resizeView(g.width, g.height - kTitleBar);
        keepingAspect = false;
    }
    validateMenuItems();
    redraw();
}

void CUIWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int index = Simulation.getAspectRatioIndex();
    if (keepingAspect || index < 1 || index > 4) return;
    // Qt has no content aspect ratio for windows: the shape is restored
    // once the window system has finished this resize.
    QTimer::singleShot(0, this, &CUIWindow::keepAspectRatio);
}

void CUIWindow::keepAspectRatio()
{
    const int index = Simulation.getAspectRatioIndex();
    if (index < 1 || index > 4) return;
    const float rw = static_cast<float>(kRatios[index][0]), rh = static_cast<float>(kRatios[index][1]);
    const QSize now = UIView->size();
    // The edge the user moved most decides the other one.
    const bool byHeight = lastViewSize.isValid() && std::abs(now.height() - lastViewSize.height()) >
                                                        std::abs(now.width() - lastViewSize.width());
    float W = static_cast<float>(now.width()), H = static_cast<float>(now.height());
    if (byHeight) W = rw * H / rh;
    else H = rh * W / rw;
    if (H < kMinContent) { W *= kMinContent / H; H = kMinContent; }
    if (W < kMinContent) { H *= kMinContent / W; W = kMinContent; }
    lastViewSize = now;
    if (std::abs(W - now.width()) < 1.0f && std::abs(H - now.height()) < 1.0f) return;
    keepingAspect = true;
    resizeView(W, H);
    keepingAspect = false;
}

// ---------------------------------------------------------------- selection and editing

void CUIWindow::selectAll()
{
    Simulation.selectAll(1);
    redraw();
}

void CUIWindow::selectType(int t)
{
    Simulation.selectType(t);
    redraw();
}

void CUIWindow::selectDelete()
{
    Simulation.deleteSelected();
    redraw();
}

void CUIWindow::selectClump()
{
    Simulation.shiftSelectedAtomsToClump();
    redraw();
}

void CUIWindow::shiftToFit()
{
    Simulation.shiftAtomsToFit(100);
    redraw();
}

// ---------------------------------------------------------------- display commands

void CUIWindow::toggleStateDisplay()
{
    Simulation.setStateDisplayFlag(!Simulation.getStateDisplayFlag());
    UIDisplay->setStateDisplayVisibility(Simulation.getStateDisplayFlag());
    redraw();
}

void CUIWindow::toggleEnergyDifference()
{
    Simulation.setEnergyDiffDisplayFlag(!Simulation.getEnergyDiffDisplayFlag());
    UIDisplay->setEnergyDiffDisplayVisibility(Simulation.getEnergyDiffDisplayFlag());
    redraw();
}

void CUIWindow::toggleNumericDisplay()
{
    Simulation.setNumericDisplayFlag(!Simulation.getNumericDisplayFlag());
    UIDisplay->setNumericDisplayVisibility(Simulation.getNumericDisplayFlag());
    redraw();
}

void CUIWindow::toggleGraphDisplay()
{
    Simulation.setGraphDisplayFlag(!Simulation.getGraphDisplayFlag());
    UIDisplay->setHistogramDisplayVisibility(Simulation.getGraphDisplayFlag());
    redraw();
}

void CUIWindow::toggleBoxShow()
{
    Simulation.setBoxShowFlag(!Simulation.getBoxShowFlag());
    redraw();
}

void CUIWindow::toggleFloor()
{
    Simulation.setBoxFloorShowFlag(!Simulation.getBoxFloorShowFlag());
    redraw();
}

void CUIWindow::toggleShadow()
{
    Simulation.setBoxShowShadowFlag(!Simulation.getBoxShowShadowFlag());
    redraw();
}

void CUIWindow::toggleAxes()
{
    Simulation.setAxesShowFlag(!Simulation.getAxesShowFlag());
    redraw();
}

// A, then each following type that has atoms, then all types, then A again.
void CUIWindow::cycleAtomType()
{
    int n = Simulation.getDisplayType() + 1;
    if (n > 4) n = 0;
    else
        while (n != 4 && Simulation.getNumber(n) == 0) n++;
    Simulation.setDisplayType(n);
    redraw();
}

void CUIWindow::cycleTCType()
{
    const int next = Simulation.getRecordType() + 1;
    Simulation.setRecordType(next > 2 ? 0 : next);
    redraw();
}

void CUIWindow::standardView()
{
    const double half = Simulation.getHalfWidth();
    Simulation.setView(0.0, std::numbers::pi / 2, 5.0 * half, half, 500.0 / half);
    redraw();
}

void CUIWindow::setDisplayTextSizeSmall() { UIView->setDisplayTextSize(0); }
void CUIWindow::setDisplayTextSizeMedium() { UIView->setDisplayTextSize(1); }
void CUIWindow::setDisplayTextSizeLarge() { UIView->setDisplayTextSize(2); }

void CUIWindow::stereoView()
{
    UIView->setStereoFlag(!UIView->getStereoFlag());
    validateMenuItems();
    redraw();
}

// The zoom and eye gestures of Command and Option, as menu items.
void CUIWindow::zoomIn() { UIView->zoomBy(10.0); }
void CUIWindow::zoomOut() { UIView->zoomBy(-10.0); }
void CUIWindow::moveEyeCloser() { UIView->moveEyeBy(-10.0); }
void CUIWindow::moveEyeAway() { UIView->moveEyeBy(10.0); }
