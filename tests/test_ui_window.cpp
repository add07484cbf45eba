// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: running under the timer in slices of steps (the view
// drawing the display just done while the next one's steps run), never ticking
// under a modal dialog, opening, saving and dropping files with what follows a load, the
// aspect ratios and the stored window size, the shipped examples, and the
// document's announcements that the window follows.
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <map>
#include <optional>
#include <thread>

#include "RENDER/CQPainterSurface.h"
#include "UI/CQtPlatform.h"
#include "UI/CSimulationPanels.h"
#include "UI/CUIGraph.h"
#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"

namespace {
class WindowTest : public UiWindowTest {
protected:
    QTemporaryDir dir;

    // A simulation file written by the simulation itself, with some changes.
    QString writeFile(const QString& name, CRunState runState, int atomsOfTypeA, float width = 500, float height = 300)
    {
        ScriptedPlatform quiet;
        auto other = std::make_unique<CSimulation>(quiet);
        other->initWithDefaults();
        other->setNumber(0, atomsOfTypeA);
        StateEdit(*other)->clock.runState = runState;
        StateEdit(*other)->display.windowWidth = width;
        StateEdit(*other)->display.windowHeight = height;
        StateEdit(*other)->display.graphDisplayFlag = 1;
        StateEdit(*other)->display.displayTextSize = 2;
        const QString path = dir.filePath(name);
        other->setSavePath(path.toStdString());
        EXPECT_TRUE(other->writeOutputFile());
        return path;
    }
};

TEST_F(WindowTest, RunAndStopDriveTheTimer)
{
    EXPECT_FALSE(window->Document.runTimer.isActive());
    settle(30);
    EXPECT_EQ(s->getIterations(), 0u) << "starts stopped";
    window->run();
    EXPECT_EQ(s->getRunState(), CRunState::running);
    EXPECT_EQ(window->Document.runTimerActive, true);
    EXPECT_EQ(window->Document.runTimer.interval(), 1);
    settle(60);
    const unsigned ran = s->getIterations();
    EXPECT_GT(ran, 0u);
    window->stop();
    EXPECT_FALSE(window->Document.runTimer.isActive());
    settle(30);
    EXPECT_EQ(s->getIterations(), ran);
    // A new run takes the interval in force now.
    s->setRunTimerInterval(0.02);
    window->run();
    EXPECT_EQ(window->Document.runTimer.interval(), 20);
    window->stop();
}

// A display far longer than a turn of the event loop: it shows its progress,
// Stop ends it between two steps where they left the atoms, and closing the
// window in the middle of one stops the steps and writes nothing.
TEST_F(WindowTest, ALongDisplayAnswersStopAndClose)
{
    ASSERT_TRUE(window->openSimulationFile(QStringLiteral(QUORVEL_BENCH_DIR "/liquid-400.txt")));
    ASSERT_TRUE(s->setIPD(1000000));
    const unsigned startedAt = s->getIterations();
    window->run();
    QLabel* progress = window->UIDisplay->progressField;
    // The progress shows half a second into the display; a loaded machine
    // (or a sanitizer's) may take a little longer to get there.
    settle(700);
    for (int k = 0; k < 40 && !progress->isVisibleTo(view); k++) settle(100);
    ASSERT_TRUE(s->isDisplayUnderway());
    const unsigned done = s->getStepsDoneInDisplay();
    EXPECT_GT(done, 0u);
    EXPECT_EQ(s->getIterations(), startedAt + done);
    EXPECT_TRUE(progress->isVisibleTo(view));
    EXPECT_TRUE(progress->text().contains(QRegularExpression("^\\d+%, \\d+ of 1000000 steps, .+ left$")))
        << progress->text().toStdString();

    window->stop();
    const unsigned stoppedAt = s->getIterations();
    EXPECT_GE(stoppedAt, done);
    EXPECT_LT(stoppedAt, startedAt + 1000000u) << "the display was cut short";
    EXPECT_FALSE(s->isDisplayUnderway());
    EXPECT_FALSE(progress->isVisibleTo(view));
    settle(30);
    EXPECT_EQ(s->getIterations(), stoppedAt);

    // The next display starts where Stop left the atoms, not at the last one's start.
    window->run();
    settle(100);
    EXPECT_EQ(s->getIterations(), stoppedAt + s->getStepsDoneInDisplay());
    EXPECT_GT(s->getIterations(), stoppedAt);

    // The run left changes to save: Don't Save.
    platform.alertAnswers.push_back(1);
    window->close();
    EXPECT_FALSE(window->Document.runTimer.isActive());
    const unsigned closedAt = s->getIterations();
    settle(60);
    EXPECT_EQ(s->getIterations(), closedAt);
    EXPECT_TRUE(platform.saveRequests.empty());
    EXPECT_EQ(platform.alerts.size(), 1u);
}

// Slices of a step each, as the slowest machine would run them, give the
// file that whole displays give; an edit made between two slices lands
// between the same two steps as in the simulation run whole.
TEST_F(WindowTest, RunInSlicesIsBitIdenticalToWholeDisplaysEditsIncluded)
{
    const QString liquid = QStringLiteral(QUORVEL_BENCH_DIR "/liquid-400.txt");
    ScriptedPlatform quiet;
    CSimulation whole(quiet);
    whole.initWithDefaults();
    whole.setOpenPath(liquid.toStdString());
    bool notSimulation = false;
    ASSERT_EQ(whole.loadInputFile(notSimulation), "");
    ASSERT_TRUE(window->openSimulationFile(liquid));
    const auto saved = [&](CSimulation& sim, const QString& name) {
        sim.setSavePath(dir.filePath(name).toStdString());
        EXPECT_TRUE(sim.writeOutputFile());
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    window->Document.sliceBudgetMs = 0;
    const auto runDisplays = [&](int displays) {
        for (int calls = 0; displays > 0; calls++) {
            ASSERT_LT(calls, 1000);
            window->Document.runTimerMethod();
            EXPECT_EQ(window->Document.sliceSteps, 1u);
            if (!s->isDisplayUnderway()) displays--;
        }
    };
    for (CSimulation* sim : {s, &whole}) ASSERT_TRUE(sim->setIPD(7));
    runDisplays(4);
    for (int display = 0; display < 4; display++) ASSERT_TRUE(whole.runDisplay());
    EXPECT_EQ(saved(*s, "sliced.txt"), saved(whole, "whole.txt"));

    for (int step = 0; step < 3; step++) window->Document.runTimerMethod();
    s->setNumber(1, 60);
    runDisplays(2);
    ASSERT_TRUE(whole.runDisplaySteps(3));
    whole.setNumber(1, 60);
    ASSERT_TRUE(whole.runDisplaySteps(100));
    ASSERT_TRUE(whole.runDisplay());
    EXPECT_EQ(s->getIterations(), 6u * 7u);
    EXPECT_EQ(saved(*s, "sliced-edited.txt"), saved(whole, "whole-edited.txt"));
}

// While a slice's steps run on their worker, the view paints the display
// just done, whole: the picture of the state that display ended in (not one
// of the steps under way, nor of the display after it), with the readouts of
// that state over it.
TEST_F(WindowTest, TheViewDrawsTheDisplayJustDoneWhileTheNextOnesStepsRun)
{
    if (!CDocument::drawsWhileStepping()) GTEST_SKIP() << "QUORVEL_SERIAL_DRAWING is set";
    ASSERT_TRUE(window->openSimulationFile(QStringLiteral(QUORVEL_BENCH_DIR "/liquid-400.txt")));
    ASSERT_TRUE(s->setIPD(40));
    ASSERT_TRUE(s->setTimeUnit(CTimeUnit::steps));
    CDocument& document = window->Document;
    // The scene of the state as it stands, as the view paints it.
    auto pictureOfTheState = [&] {
        CScene scene(s->state());
        QImage picture(view->lastPicture().size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&picture);
        CQPainterSurface surface(painter, view->height());
        scene.drawPicture(surface, view->width(), view->height(), false);
        return picture;
    };
    struct CDisplayEnd {
        unsigned iterations;
        QImage picture;
        QString timeText;
    };
    std::optional<CDisplayEnd> due;  // the display done, not yet drawn
    QObject::connect(&document, &CDocument::displayDone, view, [&] {
        due = CDisplayEnd{s->getIterations(), pictureOfTheState(), QStringLiteral("%1 steps").arg(s->getIterations())};
    });
    int drawn = 0;
    const auto paint = document.sliceDrawing.whileSteps;
    document.sliceDrawing.whileSteps = [&] {
        EXPECT_TRUE(document.stepsRunning());
        // The steps are well under way when the view paints.
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        paint();
        if (!due) return;
        EXPECT_TRUE(view->pictureCurrent());
        EXPECT_EQ(document.shownState().clock.iterations, due->iterations);
        EXPECT_TRUE(view->lastPicture() == due->picture) << "display ending at step " << due->iterations;
        EXPECT_EQ(window->UIDisplay->timeField->text(), due->timeText);
        due.reset();
        drawn++;
    };
    window->run();
    for (int k = 0; k < 400 && drawn < 4; k++) settle(10);
    window->stop();
    EXPECT_GE(drawn, 4);
    EXPECT_FALSE(document.stepsRunning());
    // Not vacuous: the atoms moved in a display, so its picture is not the last one's.
    const QImage before = pictureOfTheState();
    ASSERT_TRUE(s->runDisplay());
    EXPECT_FALSE(pictureOfTheState() == before);
}

TEST_F(WindowTest, NoTickWhileADialogOrPanelIsOpen)
{
    window->run();
    settle(20);
    unsigned atOpen = 0, atClose = 0;
    QDialog dialog(window.get());
    QTimer::singleShot(0, &dialog, [&] { atOpen = s->getIterations(); });
    QTimer::singleShot(120, &dialog, [&] {
        atClose = s->getIterations();
        dialog.accept();
    });
    dialog.exec();
    EXPECT_EQ(atClose, atOpen) << "a Qt modal dialog";

    // A native file panel is no Qt modal widget; the platform's scope covers it.
    unsigned before = s->getIterations();
    {
        CModalScope panel;
        settle(80);
        EXPECT_EQ(s->getIterations(), before) << "a panel outside Qt";
    }
    settle(40);
    EXPECT_GT(s->getIterations(), before) << "ticks again afterwards";
    window->stop();
}

TEST_F(WindowTest, OpeningFollowsTheLoadedFile)
{
    const QString running = writeFile("running.txt", CRunState::running, 7);
    platform.openAnswers = {running.toStdString()};
    window->fileOpenSimulation();
    EXPECT_EQ(s->getNumber(0), 7);
    EXPECT_TRUE(window->Document.runTimer.isActive()) << "a file saved running runs at once";
    EXPECT_EQ(window->Document.runTimerActive, true);
    EXPECT_EQ(window->windowTitle(), "Quorvel - running.txt[*]");
    EXPECT_EQ(view->size(), QSize(500, 300)) << "the stored window size";
    EXPECT_FALSE(window->UIGraph->isHidden());
    EXPECT_EQ(s->getDisplayTextSize(), 2);
    EXPECT_EQ(window->UIDisplay->KEField->x(), 500 - 139);
    EXPECT_EQ(window->UIGraph->geometry().right() + 1, 500 - 5);

    const QString stopped = writeFile("stopped.txt", CRunState::stopped, 3);
    window->openSimulationFile(stopped);
    EXPECT_FALSE(window->Document.runTimer.isActive()) << "a file saved stopped stops the run";
    EXPECT_EQ(window->Document.runTimerActive, false);

    // Cancelling the panel and an unreadable file change nothing.
    platform.openAnswers = {""};
    window->fileOpenSimulation();
    window->openSimulationFile(dir.filePath("missing.txt"));
    EXPECT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(s->getNumber(0), 3);
    EXPECT_EQ(window->windowTitle(), "Quorvel - stopped.txt[*]");
}

TEST_F(WindowTest, SaveRecordsTheWindowSizeAndOpeningRestoresIt)
{
    window->resize(520, 340 + (window->height() - view->height()));
    settle();
    platform.saveAnswers = {""};
    window->fileSaveSimulation();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].title, "Save Simulation 'txt' File As...");
    EXPECT_EQ(platform.saveRequests[0].proposedName, "SIMULATION.txt");
    EXPECT_EQ(s->getWindowWidth(), 520.0f) << "recorded even when cancelled";
    EXPECT_EQ(s->getWindowHeight(), 340.0f);

    const QString path = dir.filePath("saved.txt");
    platform.saveAnswers = {path.toStdString()};
    s->setNumber(0, 9);
    window->fileSaveSimulation();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(window->windowTitle(), "Quorvel - saved.txt[*]");

    window->resize(700, 500);
    s->setNumber(0, 2);
    window->openSimulationFile(path);
    EXPECT_EQ(s->getNumber(0), 9);
    EXPECT_EQ(view->size(), QSize(520, 340));

    // A folder cannot be written as a file: the user is told.
    platform.saveAnswers = {dir.path().toStdString()};
    window->fileSaveSimulation();
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Alert.");
}

// The shell's panels choose the simulation's paths; the simulation only
// reads and writes the paths it is given.
TEST_F(WindowTest, ProposedNamesFollowTheLastConfirmedSave)
{
    ScriptedPlatform panels;
    auto other = std::make_unique<CSimulation>(panels);
    other->initWithDefaults();
    CSimulation& s = *other;
    const std::string chosen = dir.filePath("chosen.txt").toStdString();
    panels.saveAnswers = {"", chosen, ""};
    EXPECT_FALSE(requestSavePath(panels, s));
    EXPECT_TRUE(requestSavePath(panels, s));
    EXPECT_FALSE(requestSavePath(panels, s));
    ASSERT_EQ(panels.saveRequests.size(), 3u);
    EXPECT_EQ(panels.saveRequests[0].proposedName, "SIMULATION.txt");
    EXPECT_EQ(panels.saveRequests[1].proposedName, "SIMULATION.txt");
    EXPECT_EQ(panels.saveRequests[2].proposedName, "chosen.txt");
    EXPECT_EQ(panels.saveRequests[0].title, "Save Simulation 'txt' File As...");
    EXPECT_EQ(panels.saveRequests[0].nameFieldLabel, "File Name: ");
    EXPECT_EQ(s.getSavePath(), chosen);

    panels.openAnswers = {"/some/where/file.txt"};
    EXPECT_TRUE(requestOpenPath(panels, s));
    EXPECT_EQ(s.getOpenPath(), "/some/where/file.txt");
    EXPECT_FALSE(requestOpenPath(panels, s));
}

TEST_F(WindowTest, DropReadsTheFirstTxtPath)
{
    const QString b = writeFile("b.txt", CRunState::stopped, 5), c = writeFile("c.txt", CRunState::stopped, 6);
    window->openDroppedPaths({dir.filePath("a.dat"), b, c});
    EXPECT_EQ(s->getNumber(0), 5);
    EXPECT_TRUE(platform.alerts.empty());

    // ".txt" anywhere in the path counts, through a real drop event.
    const QString bak = dir.filePath("d.txt.bak");
    QFile::copy(c, bak);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(bak)});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(s->getNumber(0), 6);

    window->openDroppedPaths({dir.filePath("a.dat")});
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Operation Incomplete.");
    EXPECT_EQ(platform.alerts[0].message, "The selected file type is incompatible; requires file type of 'txt'.");
    EXPECT_EQ(platform.alerts[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(s->getNumber(0), 6);
}

TEST_F(WindowTest, AspectRatioArithmeticKeepsTheTopEdge)
{
    // 16 : 9 on a frame of 300 x 282 (content 300 x 260).
    const CAspectGeometry g = aspectRatioGeometry(100.0f, 500.0f, 300.0f, 282.0f, 3);
    ASSERT_TRUE(g.resized);
    EXPECT_NEAR(g.width, 444.44f, 0.01f);
    EXPECT_FLOAT_EQ(g.height, 272.0f);
    EXPECT_FLOAT_EQ(g.y + g.height, 782.0f);
    EXPECT_FLOAT_EQ(g.x, 100.0f);
    EXPECT_NEAR(g.minWidth, 444.44f, 0.01f);
    EXPECT_FALSE(aspectRatioGeometry(0, 0, 300, 282, 0).resized);
    EXPECT_FLOAT_EQ(aspectRatioGeometry(0, 0, 300, 282, 4).minWidth, 600.0f);
    // A narrow tall window: the width reaches 250 first, then the height follows.
    const CAspectGeometry square = aspectRatioGeometry(0, 0, 260, 622, 1);
    EXPECT_FLOAT_EQ(square.width, 260.0f);
    EXPECT_FLOAT_EQ(square.height, 282.0f);
}

TEST_F(WindowTest, AspectRatioCommandsResizeTheWindow)
{
    const int chrome = window->height() - view->height();
    window->resize(300, 260 + chrome);
    settle();
    const int top = window->geometry().top(), left = window->geometry().left();
    chooseCommand(*window, "16 : 9");
    settle();
    EXPECT_EQ(view->size(), QSize(444, 250));
    EXPECT_EQ(window->geometry().top(), top);
    EXPECT_EQ(window->geometry().left(), left);
    EXPECT_EQ(s->getAspectRatioIndex(), 3);
    EXPECT_EQ(view->minimumWidth(), 444);

    chooseCommand(*window, "Free");
    settle();
    EXPECT_EQ(view->size(), QSize(444, 250)) << "free keeps the size";
    EXPECT_EQ(view->minimumSize(), QSize(250, 250));
}

TEST_F(WindowTest, EveryShippedExampleOpens)
{
    const QStringList examples = QDir(":/examples").entryList({"*.txt"});
    ASSERT_GE(examples.size(), 4);
    for (const QString& name : examples) {
        ASSERT_TRUE(window->openExample(":/examples/" + name)) << name.toStdString();
        EXPECT_GT(s->state().atoms.totalAtoms, 0);
        EXPECT_EQ(window->windowTitle(), "Quorvel - " + name + "[*]");
    }
    EXPECT_TRUE(platform.alerts.empty());
    platform.saveAnswers = {""};
    window->fileSaveSimulation();
    EXPECT_EQ(platform.saveRequests.back().proposedName, examples.last().toStdString());
}
}  // namespace

namespace {
TEST_F(WindowTest, CyclingTheDisplayedTypeSkipsEmptyTypes)
{
    s->setNumber(0, 3);
    s->setNumber(1, 0);
    s->setNumber(2, 2);
    s->setNumber(3, 0);
    StateEdit(*s)->outputs.displayType = 0;
    window->cycleAtomType();
    EXPECT_EQ(s->getDisplayType(), 2);
    window->cycleAtomType();
    EXPECT_EQ(s->getDisplayType(), 4);
    window->cycleAtomType();
    EXPECT_EQ(s->getDisplayType(), 0);
    for (CRecordKind expected : {CRecordKind::timeConstant, CRecordKind::accumulated, CRecordKind::instant}) {
        window->cycleTCType();
        EXPECT_EQ(s->getRecordType(), expected);
    }
}

TEST_F(WindowTest, MenuItemsFollowTheFlags)
{
    const auto action = [&](const QString& text) { return findCommand(*window, text); };
    EXPECT_TRUE(action("Run")->isEnabled());
    EXPECT_FALSE(action("Stop")->isEnabled());
    action("Run")->trigger();
    EXPECT_FALSE(action("Run")->isEnabled());
    EXPECT_TRUE(action("Stop")->isEnabled());
    action("Stop")->trigger();

    action("Large")->trigger();
    EXPECT_EQ(s->getDisplayTextSize(), 2);
    StateEdit(*s)->display.displayTextSize = 0;  // as a file would change it
    window->validateMenuItems();
    EXPECT_TRUE(action("Small")->isChecked());
    EXPECT_FALSE(action("Large")->isChecked());

    const char axes = s->getAxesShowFlag();
    action("Axes")->trigger();
    EXPECT_EQ(s->getAxesShowFlag(), axes ? 0 : 1);
    EXPECT_EQ(action("Axes")->isChecked(), axes == 0);
    action("Stereo")->trigger();
    EXPECT_TRUE(view->getStereoFlag());
    EXPECT_TRUE(action("Stereo")->isChecked());
}

// Each kind of change is announced once, by the part that changed, and the
// window, its marks and its title follow the announcement, whoever made the
// change; a refused change says nothing.
TEST_F(WindowTest, TheDocumentSaysWhatChangedAndTheWindowFollows)
{
    CDocument& document = window->Document;
    std::map<std::string, int> heard;
    const auto count = [&](const char* name) { return [&heard, name] { heard[name]++; }; };
    QObject::connect(&document, &CDocument::stateReplaced, count("state"));
    QObject::connect(&document, &CDocument::parametersChanged, count("parameters"));
    QObject::connect(&document, &CDocument::atomsChanged, count("atoms"));
    QObject::connect(&document, &CDocument::selectionChanged, count("selection"));
    QObject::connect(&document, &CDocument::displaySettingsChanged, count("display"));
    QObject::connect(&document, &CDocument::runStateChanged, count("run"));
    QObject::connect(&document, &CDocument::displayDone, count("done"));
    const auto heardOnly = [&](const std::map<std::string, int>& expected) {
        EXPECT_EQ(heard, expected);
        heard.clear();
    };

    EXPECT_FALSE(document.recordChange("Refused", [this](QString&) { return s->setTimeStep(-1.0); },
                                       CDocument::parameters));
    heardOnly({});
    chooseCommand(*window, "Select All");
    heardOnly({{"selection", 1}});
    window->selectDelete();
    heardOnly({{"atoms", 1}, {"selection", 1}});
    EXPECT_EQ(s->state().atoms.totalAtoms, 0);

    // A flag changed elsewhere and announced: the menu's mark follows it,
    // and the command turns over the flag the document holds.
    QAction* axes = findCommand(*window, "Axes");
    ASSERT_TRUE(axes);
    const bool shown = s->getAxesShowFlag();
    document.adjust(CDocument::display, [&] { s->setAxesShowFlag(!shown); });
    heardOnly({{"display", 1}});
    EXPECT_EQ(axes->isChecked(), !shown);
    chooseCommand(*window, "Axes");
    heardOnly({{"display", 1}});
    EXPECT_EQ(s->getAxesShowFlag(), shown);
    EXPECT_EQ(axes->isChecked(), shown);
    s->setStateDisplayFlag(false);
    document.announce(CDocument::display);
    EXPECT_TRUE(window->UIDisplay->runFlagField->isHidden()) << "the fields follow the flags announced";
    heard.clear();

    window->undo();
    heardOnly({{"state", 1}});
    EXPECT_GT(s->state().atoms.totalAtoms, 0) << "the deleted atoms are back";

    window->run();
    heardOnly({{"run", 1}});
    while (heard["done"] == 0) document.runTimerMethod();
    heardOnly({{"done", 1}});
    window->stop();
    heardOnly({{"run", 1}});
    EXPECT_TRUE(window->isWindowModified()) << "running moved the state on from the one opened";

    ASSERT_TRUE(window->openExample(":/examples/4-mixture-of-two-sizes.txt"));
    EXPECT_EQ(heard["state"], 1);
    EXPECT_EQ(document.name(), QStringLiteral("4-mixture-of-two-sizes.txt"));
    EXPECT_TRUE(window->windowTitle().contains(document.name()));
    EXPECT_FALSE(window->isWindowModified());
}
}  // namespace
