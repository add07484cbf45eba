// SPDX-License-Identifier: GPL-3.0-or-later
// File > Record Trajectory writes a frame at the start and after every K
// displays while the overlay says so, stops on request and when a frame
// fails, and ends with a note when the simulation is no longer the one
// recorded; File > Open reads a structure, in the window as it was, and
// refuses a bad one with nothing lost.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "DIALOG/CTrajectoryDialog.h"
#include "support/ui/UiWindowFixture.h"

namespace {

class TrajectoryMenuTest : public UiWindowTest {
protected:
    std::string folder;
    void SetUp() override
    {
        UiWindowTest::SetUp();
        char pattern[] = "/tmp/quorvel-ui-trajectory-XXXXXX";
        folder = mkdtemp(pattern);
    }
    QAction* command(const QString& text)
    {
        for (QAction* a : window->findChildren<QAction*>())
            if (a->text().remove('&') == text) return a;
        return nullptr;
    }
    void recordWith(int format, const QString& every)
    {
        QTimer::singleShot(0, [this, format, every] {
            CTrajectoryDialog* d = window->TrajectoryDialog;
            if (QApplication::activeModalWidget() != d) {
                ADD_FAILURE() << "the trajectory dialog is not up";
                return;
            }
            d->formatBox->setCurrentIndex(format);
            d->everyField->setText(every);
            d->accept();
        });
        command("Record Trajectory...")->trigger();
    }
    void runDisplays(int count)
    {
        s->setRunState(CRunState::running);
        for (int k = 0; k < count; k++) {
            do window->Document.runTimerMethod();
            while (s->isDisplayUnderway());
        }
        s->setRunState(CRunState::stopped);
    }
    bool trajectoryOverlayShown() const
    {
        for (QLabel* label : window->UIView->findChildren<QLabel*>())
            if (label->text().startsWith("REC trajectory")) return label->isVisible();
        return false;
    }
    static int occurrences(const std::string& text, const std::string& what)
    {
        int n = 0;
        for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) n++;
        return n;
    }
};

TEST_F(TrajectoryMenuTest, RecordsFramesWhileTheOverlaySaysSoAndStopsOnRequest)
{
    const std::string dump = folder + "/run.lammpstrj";
    platform.saveAnswers.push_back(dump);
    recordWith(1, "2");
    ASSERT_TRUE(window->trajectoryWriter->isOpen());
    EXPECT_EQ(platform.saveRequests.back().requiredFileType, "lammpstrj");
    QLabel* overlay = nullptr;
    for (QLabel* label : window->UIView->findChildren<QLabel*>())
        if (label->text().startsWith("REC trajectory")) overlay = label;
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isVisible());
    runDisplays(4);
    EXPECT_EQ(overlay->text(), QStringLiteral("REC trajectory run.lammpstrj: 3 frames"));
    command("Abort Trajectory")->trigger();
    EXPECT_FALSE(overlay->isVisible());
    runDisplays(2);
    std::string text;
    ASSERT_EQ(readWholeFile(dump, text), "");
    EXPECT_EQ(occurrences(text, "ITEM: TIMESTEP"), 3);

    // A frame that cannot be written stops the recording with an alert.
    platform.saveAnswers.push_back("/dev/full");
    recordWith(0, "1");
    EXPECT_FALSE(window->trajectoryWriter->isOpen());
    ASSERT_FALSE(platform.alerts.empty());
    EXPECT_NE(platform.alerts.back().message.find("No space left"), std::string::npos);
}

// One file, one simulation: opening another, a change of the atom count and
// a redo to before the last frame each end the recording with a note and
// write nothing more; a change undone after the last frame goes on.
TEST_F(TrajectoryMenuTest, ARecordingHoldsOneSimulationAndEndsWithANote)
{
    const std::string xyz = folder + "/run.xyz";
    // The atoms of each frame; the steps must rise from frame to frame.
    auto frameAtoms = [&] {
        std::string text;
        EXPECT_EQ(readWholeFile(xyz, text), "");
        std::vector<int> counts;
        long step = -1;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            counts.push_back(std::stoi(line));
            std::getline(in, line);
            const long next = std::stol(line.substr(line.find("Step=") + 5));
            EXPECT_GT(next, step) << "frame " << counts.size();
            step = next;
            for (int k = 0; k < counts.back(); k++) std::getline(in, line);
        }
        return counts;
    };
    auto record = [&] {
        platform.saveAnswers.push_back(xyz);
        recordWith(0, "1");
        EXPECT_TRUE(window->trajectoryWriter->isOpen());
    };
    auto lastNote = [&] {
        settle();
        return platform.alerts.empty() ? std::string() : platform.alerts.back().message;
    };
    const int atoms = s->getNumber(0);
    record();
    runDisplays(2);
    window->openExample(":/examples/1-hard-sphere-gas-reaching-Maxwell.txt");
    EXPECT_FALSE(window->trajectoryWriter->isOpen());
    EXPECT_EQ(lastNote(), "Recording the trajectory ended: the simulation is not the one being recorded; "
                          "3 frames were written to \"run.xyz\".");
    EXPECT_EQ(platform.alerts.back().title, "Note.");
    EXPECT_FALSE(trajectoryOverlayShown());
    runDisplays(2);
    EXPECT_EQ(frameAtoms(), std::vector<int>(3, atoms));

    // A display that took no step writes nothing; deleting atoms ends the
    // recording at once, and the empty box left cannot be recorded.
    record();
    EXPECT_EQ(window->trajectoryWriter->afterDisplay(s->state()), "");
    EXPECT_EQ(window->trajectoryWriter->framesWritten(), 1u);
    s->selectAll(1);
    window->selectDelete();
    EXPECT_NE(lastNote().find("the simulation has 0 atoms now, the one recorded 400; 1 frame was written"),
              std::string::npos)
        << lastNote();
    EXPECT_FALSE(window->trajectoryWriter->isOpen());
    platform.saveAnswers.push_back(folder + "/empty.xyz");
    recordWith(0, "1");
    EXPECT_FALSE(window->trajectoryWriter->isOpen());
    EXPECT_NE(lastNote().find("the simulation has no atoms to record"), std::string::npos);

    // A change and its undo after the last frame go on; a redo to a step
    // before it ends the recording.
    window->undo();
    record();
    runDisplays(1);
    const double timeStep = s->getTimeStep();
    ASSERT_TRUE(window->Document.recordChange("Time Step", [&](QString&) { return s->setTimeStep(timeStep / 2.0); }, CDocument::parameters));
    const unsigned changed = s->getIterations();
    window->undo();
    const size_t alerts = platform.alerts.size();
    runDisplays(1);
    EXPECT_TRUE(window->trajectoryWriter->isOpen());
    EXPECT_EQ(platform.alerts.size(), alerts);
    const unsigned last = s->getIterations();
    window->redo();
    EXPECT_NE(lastNote().find("the simulation is back at step " + stepCountText(changed) +
                              ", before the last frame's step " + stepCountText(last) + "; 3 frames"),
              std::string::npos)
        << lastNote();
    runDisplays(1);
    EXPECT_EQ(frameAtoms(), std::vector<int>(3, 400));
}

TEST_F(TrajectoryMenuTest, OpenReadsAStructureAndRefusesABadOneWithNothingLost)
{
    const std::string good = folder + "/argon.xyz", bad = folder + "/bad.xyz";
    ASSERT_EQ(writeFileAtomically(good, "2\nLattice=\"20 0 0 0 20 0 0 0 20\"\nAr 5 5 5\nAr 10 10 10\n"), "");
    ASSERT_EQ(writeFileAtomically(bad, "2\nLattice=\"20 0 0 0 20 0 0 0 20\"\nAr 5 5 5\nAr 10 10 30\n"), "");
    // The structure comes into the window as it is: size, histogram and all.
    s->setGraphDisplayFlag(true);
    const QSize size = window->size();
    platform.openAnswers.push_back(good);
    command("Open...")->trigger();
    EXPECT_EQ(window->size(), size);
    EXPECT_TRUE(s->getGraphDisplayFlag());
    EXPECT_EQ(s->getNumber(0), 2);
    EXPECT_EQ(s->getName(0), "Argon");
    EXPECT_TRUE(platform.alerts.empty());
    EXPECT_NE(window->windowTitle().indexOf("argon.xyz"), -1);

    platform.openAnswers.push_back(bad);
    command("Open...")->trigger();
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_NE(platform.alerts[0].message.find("line 4: the atom at (10, 10, 30) Angstrom is outside the box"),
              std::string::npos);
    EXPECT_EQ(s->getNumber(0), 2);
    EXPECT_DOUBLE_EQ(s->getHalfWidth(), 10e-10);
}

}  // namespace
