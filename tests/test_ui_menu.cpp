// SPDX-License-Identifier: GPL-3.0-or-later
// The whole menu: every command enabled by the validation table in both run
// states with exactly one of Run and Stop, the dialog commands running their
// dialog modally, and the standard view.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <numbers>

#include "DIALOG/CAddAtomDialog.h"
#include "DIALOG/CAtomNumbersDialog.h"
#include "DIALOG/CAtomPropertiesDialog.h"
#include "DIALOG/CBoxDialog.h"
#include "DIALOG/CChangeKEDialog.h"
#include "DIALOG/CDisplaysDialog.h"
#include "DIALOG/CEditAtomDialog.h"
#include "DIALOG/CEnergyDialog.h"
#include "DIALOG/CFloorDialog.h"
#include "DIALOG/CPotentialsDialog.h"
#include "DIALOG/CTimingDialog.h"
#include "DIALOG/CViewDialog.h"
#include "UI/CQtPlatform.h"
#include "support/ui/UiWindowFixture.h"
#include "test_ui_dialogs_random.h"

namespace {
class MenuTest : public RandomKeepingWindowTest {
protected:
    // Every command of every menu and submenu, after the menus were opened.
    std::vector<QAction*> commands()
    {
        std::vector<QAction*> all;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            emit menu->aboutToShow();
            for (QAction* a : menu->actions()) {
                if (a->menu()) walk(a->menu());
                else if (!a->isSeparator()) all.push_back(a);
            }
        };
        for (QAction* top : window->menuBar()->actions())
            if (top->menu()) walk(top->menu());
        return all;
    }
    QAction* command(const QString& text)
    {
        for (QAction* a : commands())
            if (a->text().remove('&') == text) return a;
        ADD_FAILURE() << "no command " << text.toStdString();
        return nullptr;
    }
};

TEST_F(MenuTest, EveryCommandIsEnabledButOneOfRunAndStopInEitherState)
{
    for (int running : {0, 1}) {
        if (running) window->run();
        else window->stop();
        int runOrStop = 0;
        for (QAction* a : commands()) {
            const QString text = a->text().remove('&');
            if (text == "Run" || text == "Stop") {
                const bool expected = (text == "Run") != (running == 1);
                EXPECT_EQ(a->isEnabled(), expected) << text.toStdString() << " running " << running;
                runOrStop += a->isEnabled();
            } else if (!text.contains("Abort") &&  // the movie's abort follows the recording
                       text != "No Recent Files" && text != "Clear Menu" &&  // and Open Recent its list
                       text != "Undo" && text != "Redo") {  // and Undo and Redo the history
                EXPECT_TRUE(a->isEnabled()) << text.toStdString() << " running " << running;
            }
        }
        EXPECT_EQ(runOrStop, 1);
    }
    window->stop();
}

TEST_F(MenuTest, EveryCommandHasAnAccessLetter)
{
    for (QAction* a : commands())
        if (a->isEnabled()) EXPECT_TRUE(a->text().contains('&')) << a->text().toStdString();
}

TEST_F(MenuTest, CheckMarksFollowTheFlagsWhenAMenuOpens)
{
    s->setAxesShowFlag(0);
    s->setBoxShowShadowFlag(0);
    s->setDisplayTextSize(2);
    EXPECT_FALSE(command("Axes")->isChecked());
    EXPECT_FALSE(command("Shadows")->isChecked());
    EXPECT_TRUE(command("Box")->isChecked());
    EXPECT_TRUE(command("Large")->isChecked());
    EXPECT_FALSE(command("Small")->isChecked());
    command("Axes")->trigger();
    EXPECT_EQ(s->getAxesShowFlag(), 1);
    EXPECT_TRUE(command("Axes")->isChecked());
}

TEST_F(MenuTest, DialogCommandsRunTheirDialogModallyWithoutStoppingTheRun)
{
    window->run();
    const struct {
        const char* command;
        QDialog* dialog;
    } table[] = {
        {"Add Atom...", window->AddAtomDialog},
        {"Edit Selected Atoms...", window->EditAtomDialog},
        {"Number of Atoms...", window->AtomNumbersDialog},
        {"Atom Properties...", window->AtomPropertiesDialog},
        {"Potentials...", window->PotentialsDialog},
        {"Box and Piston...", window->BoxDialog},
        {"Floor...", window->FloorDialog},
        {"Energy Conservation...", window->EnergyDialog},
        {"Change Kinetic Energy...", window->ChangeKEDialog},
        {"Timing...", window->TimingDialog},
        {"Displays...", window->DisplaysDialog},
        {"View Distances...", window->ViewDialog},
    };
    for (const auto& row : table) {
        QAction* action = command(row.command);
        ASSERT_NE(action, nullptr);
        QDialog* shown = nullptr;
        unsigned during = 0;
        QTimer::singleShot(0, [&] {
            shown = QApplication::activeModalWidget() ? qobject_cast<QDialog*>(QApplication::activeModalWidget())
                                                      : nullptr;
            during = s->getIterations();
            settle(20);  // the run timer fires, but must not advance the simulation
            EXPECT_EQ(s->getIterations(), during) << row.command;
            EXPECT_TRUE(isModalSessionActive());
            if (shown) shown->reject();
        });
        action->trigger();
        EXPECT_EQ(static_cast<void*>(shown), static_cast<void*>(row.dialog)) << row.command;
        EXPECT_EQ(s->getRunState(), CRunState::running);
    }
    window->stop();
}

TEST_F(MenuTest, StandardViewLooksAtTheBoxFromItsSide)
{
    s->setAngles(1.0, 0.3);
    command("Standard View")->trigger();
    const double h = s->getHalfWidth();
    EXPECT_DOUBLE_EQ(s->state().display.View.getPhi(), 0.0);
    EXPECT_DOUBLE_EQ(s->state().display.View.getTheta(), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(s->getEyeR(), 5.0 * h);
    EXPECT_DOUBLE_EQ(s->getEyePlaneR(), h);
    EXPECT_DOUBLE_EQ(s->getScale(), 500.0 / h);
}

}  // namespace
