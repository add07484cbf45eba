// SPDX-License-Identifier: GPL-3.0-or-later
// File > Record Trajectory writes a frame at the start and after every K
// displays while the overlay says so, stops on request and when a frame
// fails; File > Open reads a structure and refuses a bad one with nothing lost.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <string>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
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
            do window->runTimerMethod();
            while (s->isDisplayUnderway());
        }
        s->setRunState(CRunState::stopped);
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

TEST_F(TrajectoryMenuTest, OpenReadsAStructureAndRefusesABadOneWithNothingLost)
{
    const std::string good = folder + "/argon.xyz", bad = folder + "/bad.xyz";
    ASSERT_EQ(writeFileAtomically(good, "2\nLattice=\"20 0 0 0 20 0 0 0 20\"\nAr 5 5 5\nAr 10 10 10\n"), "");
    ASSERT_EQ(writeFileAtomically(bad, "2\nLattice=\"20 0 0 0 20 0 0 0 20\"\nAr 5 5 5\nAr 10 10 30\n"), "");
    platform.openAnswers.push_back(good);
    command("Open...")->trigger();
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
