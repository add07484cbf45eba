// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson panel in the window: Help > Lessons lists the lessons shipped,
// opening one with unsaved changes asks first, each action link does what it
// says through the document (one step to undo), and a checkpoint keeps Next
// closed until the simulation shows it.
#include <QPushButton>
#include <QTextBrowser>
#include <QDockWidget>
#include <QUrl>

#include "LESSON/CLesson.h"
#include "UI/CLessonPanel.h"
#include "UI/CPlotChart.h"
#include "UI/CPlotsWindow.h"
#include "support/ui/UiWindowFixture.h"

namespace {
const QString kMelting = QStringLiteral(QUORVEL_LESSONS_DIR "/3-melting-argon/lesson.md");
}

TEST_F(UiWindowTest, LessonLinksChangeWhatTheySayAndCheckpointsHoldNext)
{
    CLessonPanel& panel = *window->LessonPanel;
    panel.setLesson(lesson::parseLesson(QStringLiteral("# Actions\n"
                                                       "[Open](quorvel:open?file=crystal.txt)\n"
                                                       "[Warm](quorvel:set?floor-temperature=300&floor-bath=on)\n"
                                                       "[Cold](quorvel:set?floor-temperature=-1)\n"
                                                       "[A](quorvel:select?type=A) [Ledger](quorvel:plots?tab=energy-ledger)\n"
                                                       "[Run](quorvel:run) [Stop](quorvel:stop) [Controls](quorvel:controls)\n"),
                                        QStringLiteral(QUORVEL_LESSONS_DIR "/3-melting-argon")));
    EXPECT_FALSE(panel.ProblemsField->isHidden());
    EXPECT_TRUE(panel.ProblemsField->text().contains(QLatin1String("Line 4:"))) << "the refused value";

    panel.followLink(QUrl(QStringLiteral("quorvel:open?file=crystal.txt")));
    EXPECT_EQ(s->getNumber(0), 256);
    EXPECT_EQ(window->Document.name(), QStringLiteral("crystal.txt"));
    // set: the parameters' values, one step of the history.
    panel.followLink(QUrl(QStringLiteral("quorvel:set?floor-temperature=300&floor-bath=on")));
    EXPECT_EQ(s->getFloorTemp(), 300.0);
    window->Document.undo();
    EXPECT_EQ(s->getFloorTemp(), 150.0);
    // A link with a problem does nothing, and the panel says why.
    panel.followLink(QUrl(QStringLiteral("quorvel:set?floor-temperature=-1")));
    EXPECT_EQ(s->getFloorTemp(), 150.0);
    EXPECT_FALSE(panel.NoteField->isHidden());

    panel.followLink(QUrl(QStringLiteral("quorvel:select?type=A")));
    EXPECT_EQ(s->countSelected(), 256);
    panel.followLink(QUrl(QStringLiteral("quorvel:plots?tab=energy-ledger")));
    EXPECT_TRUE(window->PlotsWindow->isVisible());
    EXPECT_EQ(window->PlotsWindow->currentChart()->title(), QStringLiteral("Energy Ledger"));
    panel.followLink(QUrl(QStringLiteral("quorvel:run")));
    EXPECT_EQ(s->getRunState(), CRunState::running);
    panel.followLink(QUrl(QStringLiteral("quorvel:stop")));
    EXPECT_EQ(s->getRunState(), CRunState::stopped);
    // Asked for twice, the Controls panel is shown, not hidden again.
    auto* controls = window->findChild<QDockWidget*>(QStringLiteral("controlsDock"));
    ASSERT_NE(controls, nullptr);
    for (int twice = 0; twice < 2; twice++) panel.followLink(QUrl(QStringLiteral("quorvel:controls")));
    EXPECT_TRUE(controls->isVisible());

    // Help > Lessons holds the lessons shipped, from the resources.
    QAction* shipped = findCommand(*window, QStringLiteral("3 Melting argon"));
    ASSERT_NE(shipped, nullptr);
    platform.alertAnswers = {1};  // Don't Save
    shipped->trigger();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.PageCount->text(), QStringLiteral("Page 1 of 6"));
    EXPECT_TRUE(panel.ProblemsField->isHidden());
    EXPECT_TRUE(panel.lesson().folder.startsWith(QLatin1String(":/lessons")));
    panel.followLink(QUrl(QStringLiteral("quorvel:open?file=crystal.txt")));
    EXPECT_EQ(s->getIterations(), 0u) << "opened afresh from the resources";

    // Page 2 waits for 80 K: Next says so and opens only once it holds.
    panel.NextButton->click();
    ASSERT_EQ(panel.page(), 1);
    EXPECT_FALSE(panel.nextOpen());
    EXPECT_FALSE(panel.NextButton->isEnabled());
    EXPECT_EQ(panel.NextButton->text(), QStringLiteral("Waiting for temperature > 80 K"));
    panel.NextButton->click();
    EXPECT_EQ(panel.page(), 1);
    while (s->getTCTemperature(s->getDisplayType()) <= 80.0 && s->getIterations() < 20000) {
        s->runDisplay();
        window->Document.displayDone();
    }
    EXPECT_TRUE(panel.nextOpen());
    EXPECT_TRUE(panel.NextButton->isEnabled());
    panel.NextButton->click();
    EXPECT_EQ(panel.page(), 2);
    panel.BackButton->click();
    EXPECT_TRUE(panel.nextOpen()) << "a checkpoint reached stays reached";
}

TEST_F(UiWindowTest, OpeningALessonWithUnsavedChangesAsksFirst)
{
    window->Document.recordChange(QStringLiteral("Set"), [&](QString&) { return bool(s->setFloorTemp(200)); },
                                  CDocument::parameters);
    ASSERT_TRUE(window->Document.hasUnsavedChanges());
    platform.alertAnswers = {2};  // Cancel
    EXPECT_FALSE(window->openLesson(kMelting));
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Save changes?");
    EXPECT_TRUE(window->LessonPanel->lesson().pages.empty());
    platform.alertAnswers = {1};  // Don't Save
    EXPECT_TRUE(window->openLesson(kMelting));
    EXPECT_EQ(window->LessonPanel->lesson().pages.size(), 6u);
}
