// SPDX-License-Identifier: GPL-3.0-or-later
// The Controls panel: a value set while the run goes on lands between two
// steps and the run goes on; a refused value is said in the panel and changes
// nothing; a drag is one step; the panel follows undo and a file opened; a
// periodic box takes the walls' controls away, in the panel and the dialogs;
// heating and cooling are the person's work in the ledger; presentation
// draws the readouts larger and gives them back as they were.
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QUndoStack>

#include "DIALOG/CBoxDialog.h"
#include "DIALOG/CFloorDialog.h"
#include "DIALOG/CPotentialsDialog.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulationState.h"
#include "UI/CControlsPanel.h"
#include "UI/CUIGraph.h"
#include "UI/CUndoHistory.h"
#include "support/ui/UiWindowFixture.h"

namespace {
class ControlsTest : public UiWindowTest {
protected:
    // A first start: nothing remembered of the panel.
    void SetUp() override
    {
        QSettings().remove(QStringLiteral("controls/shown"));
        UiWindowTest::SetUp();
    }
    void TearDown() override
    {
        UiWindowTest::TearDown();
        QSettings().setValue(QStringLiteral("controls/shown"), false);
    }

    CControlsPanel& panel() { return *window->ControlsPanel; }

    // The panel's control a screen reader calls name.
    template <class Control>
    Control* control(const QString& name)
    {
        for (Control* c : panel().findChildren<Control*>())
            if (c->accessibleName() == name) return c;
        ADD_FAILURE() << "the panel has no control " << name.toStdString();
        return nullptr;
    }

    // Types text into a field and leaves it, as a person does with Tab.
    void type(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->setText(text);
        field->setModified(true);
        emit field->editingFinished();
        settle();
    }

    void runUntilSteps(unsigned steps)
    {
        window->run();
        for (int k = 0; k < 200 && s->getIterations() < steps; k++) settle(10);
        ASSERT_GE(s->getIterations(), steps);
    }

    void press(QPushButton* button, QEvent::Type type)
    {
        const QPointF at(button->width() / 2.0, button->height() / 2.0);
        QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }

    QUndoStack& history() { return *window->Document.UndoStack; }
};
}  // namespace

TEST_F(ControlsTest, AValueSetWhileRunningLandsBetweenStepsAndTheRunGoesOn)
{
    ASSERT_TRUE(window->ControlsDock->isVisible()) << "shown at the first start";
    // Every control is reached with Tab and named for a screen reader; the heat bath comes first.
    for (QWidget* w : panel().findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&panel()) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
    }
    panel().focusFirstControl();
    EXPECT_EQ(QApplication::focusWidget(), control<QCheckBox>("Floor heat bath"));
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QSlider>("Temperature"));

    runUntilSteps(3 * s->getIPD());
    QLineEdit* temperature = control<QLineEdit>("Temperature in K");
    type(temperature, "321.5");
    EXPECT_EQ(s->state().forces.floorTemp, 321.5);
    EXPECT_EQ(history().count(), 1);
    EXPECT_TRUE(window->Document.undoMenuText().startsWith("U&ndo Floor Temperature"));
    const unsigned stepsThen = s->getIterations();
    const bool bath = s->state().forces.floorTempUsed;
    control<QCheckBox>("Floor heat bath")->click();
    EXPECT_NE(bool(s->state().forces.floorTempUsed), bath);
    // The slider, the arrow keys, the steps per display: each a step, the run never stopped.
    QSlider* stepsSlider = control<QSlider>("Steps per display");
    stepsSlider->setFocus();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(stepsSlider, &right);
    EXPECT_EQ(history().count(), 3);
    settle(100);
    EXPECT_EQ(s->getRunState(), CRunState::running);
    EXPECT_TRUE(window->Document.runTimerActive);
    EXPECT_GT(s->getIterations(), stepsThen) << "the run goes on";
    EXPECT_TRUE(platform.alerts.empty());
}

TEST_F(ControlsTest, ARefusedValueIsSaidInThePanelAndChangesNothing)
{
    const CSimulationState before = s->state();
    QLineEdit* temperature = control<QLineEdit>("Temperature in K");
    type(temperature, "-5");
    EXPECT_NE(panel().message().toStdString().find("Floor temperature"), std::string::npos)
        << panel().message().toStdString();
    EXPECT_EQ(temperature->text(), "-5") << "what was typed stays, to be put right";
    type(control<QLineEdit>("Pressure in Pa"), "lots");
    EXPECT_NE(panel().message().toStdString().find("not a number"), std::string::npos);
    EXPECT_TRUE(sameState(before, s->state()));
    EXPECT_EQ(history().count(), 0);
    EXPECT_TRUE(platform.alerts.empty()) << "never an alert";

    // The large-step question is asked in the panel; its answer sets the step.
    for (int k = 0; k < 20 && !parameters::timeStepQuestion(*s, 1e-10).isQuestion(); k++) s->changeKEnergy(1e-18);
    const CSimulationState hot = s->state();
    type(control<QLineEdit>("Time step in s"), "1e-10");
    EXPECT_NE(panel().message().toStdString().find("too large"), std::string::npos);
    EXPECT_TRUE(sameState(hot, s->state()));
    QPushButton* accept = nullptr;
    for (QPushButton* b : panel().findChildren<QPushButton*>())
        if (b->text() == "Accept") accept = b;
    ASSERT_NE(accept, nullptr);
    accept->click();
    EXPECT_EQ(s->getTimeStep(), 1e-10);
    EXPECT_TRUE(panel().message().isEmpty());
    EXPECT_TRUE(platform.alerts.empty());
}

TEST_F(ControlsTest, ADragIsOneStepAndThePanelFollowsUndoAndOpen)
{
    const double temperature = s->state().forces.floorTemp;
    QSlider* slider = control<QSlider>("Temperature");
    slider->setSliderDown(true);
    for (int position : {100, 400, 700, 650}) slider->setValue(position);
    slider->setSliderDown(false);
    settle();
    EXPECT_EQ(history().count(), 1) << "a drag is one step";
    EXPECT_NE(s->state().forces.floorTemp, temperature);
    const double dragged = s->state().forces.floorTemp;
    EXPECT_EQ(control<QLineEdit>("Temperature in K")->text(), QString::number(dragged, 'g', 6));

    // A second drag is a step of its own.
    slider->setSliderDown(true);
    slider->setValue(300);
    slider->setSliderDown(false);
    EXPECT_EQ(history().count(), 2);
    window->undo();
    EXPECT_EQ(s->state().forces.floorTemp, dragged);
    window->undo();
    EXPECT_EQ(s->state().forces.floorTemp, temperature);
    EXPECT_EQ(control<QLineEdit>("Temperature in K")->text(), QString::number(temperature, 'g', 6));

    // The well depth's factor is of the value taken from the document, for the type displayed.
    QComboBox* displayed = control<QComboBox>("Displayed type");
    displayed->setCurrentIndex(0);
    emit displayed->activated(0);
    EXPECT_EQ(s->getDisplayType(), 0);
    const double depth = s->state().forces.LJeps[0][0];
    QSlider* factor = control<QSlider>("Well depth factor");
    factor->setSliderDown(true);
    factor->setValue(CSliderScale::kSliderSteps * 2 / 3);  // × 2
    factor->setValue(CSliderScale::kSliderSteps / 2);      // × 1.5
    factor->setSliderDown(false);
    EXPECT_DOUBLE_EQ(s->state().forces.LJeps[0][0], 1.5 * depth);

    ASSERT_TRUE(window->openExample(":/examples/6-argon-crystal-melting-on-a-warm-floor.txt"));
    settle();
    EXPECT_EQ(control<QLineEdit>("Temperature in K")->text(), "150");
    const CSliderScale temperatureScale{1.0, 2000.0, true, true};
    EXPECT_EQ(control<QSlider>("Temperature")->value(), temperatureScale.position(150.0));
    EXPECT_TRUE(control<QCheckBox>("Floor heat bath")->isChecked());
    window->undo();
    EXPECT_EQ(control<QLineEdit>("Temperature in K")->text(), QString::number(temperature, 'g', 6));
}

// In a periodic box the heat bath's and the piston's controls are not
// available, with the note that says why; heating still is. Undo brings the
// closed box, and the controls, back.
TEST_F(ControlsTest, APeriodicBoxTakesTheBathAndPistonAwayWithANote)
{
    auto note = [&] {
        for (QLabel* label : panel().findChildren<QLabel*>())
            if (label->text() == "A periodic box has no walls, floor or piston.") return label;
        return static_cast<QLabel*>(nullptr);
    };
    ASSERT_NE(note(), nullptr);
    EXPECT_FALSE(note()->isVisibleTo(&panel()));
    EXPECT_TRUE(control<QCheckBox>("Floor heat bath")->isEnabled());
    ASSERT_TRUE(window->openExample(":/examples/8-periodic-argon-liquid.txt"));
    settle();
    ASSERT_TRUE(s->isPeriodic());
    EXPECT_FALSE(s->getContactsUsed());
    EXPECT_TRUE(note()->isVisibleTo(&panel()));
    for (QWidget* w : {static_cast<QWidget*>(control<QCheckBox>("Floor heat bath")),
                       static_cast<QWidget*>(control<QSlider>("Temperature")),
                       static_cast<QWidget*>(control<QCheckBox>("Piston")),
                       static_cast<QWidget*>(control<QLineEdit>("Pressure in Pa"))})
        EXPECT_FALSE(w->isEnabled()) << w->accessibleName().toStdString();
    EXPECT_TRUE(control<QPushButton>("Heat: hold to add kinetic energy")->isEnabled());
    panel().focusFirstControl();
    EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>("Heat: hold to add kinetic energy"));
    window->undo();
    settle();
    EXPECT_FALSE(s->isPeriodic());
    EXPECT_FALSE(note()->isVisibleTo(&panel()));
    EXPECT_TRUE(control<QCheckBox>("Piston")->isEnabled());
}

// The same in the dialogs: the kind of box is chosen in Box and Piston, and
// the periodic box's refusals keep each dialog open with the reason.
TEST_F(ControlsTest, ThePeriodicBoxIsChosenInTheBoxDialogAndTakesTheWallsControlsAway)
{
    auto open = [](auto* dialog) -> auto& {
        dialog->fill();
        dialog->show();
        return *dialog;
    };
    auto lastAlertMentions = [&](const std::string& text) {
        return !platform.alerts.empty() && platform.alerts.back().message.find(text) != std::string::npos;
    };
    CBoxDialog& d = open(window->BoxDialog);
    EXPECT_EQ(d.kindOfBox->currentText(), "Closed box");
    EXPECT_TRUE(d.pistonGroup->isEnabled());
    EXPECT_FALSE(d.periodicNote->isVisibleTo(&d));
    d.kindOfBox->setCurrentIndex(1);
    EXPECT_FALSE(d.pistonGroup->isEnabled());
    EXPECT_TRUE(d.periodicNote->isVisibleTo(&d));
    EXPECT_EQ(d.periodicNote->text(), "A periodic box has no walls, floor or piston.");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("must be less than half the box's width"));
    EXPECT_FALSE(s->isPeriodic());
    d.boxWidthField->setText("4e-9");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(s->isPeriodic());
    EXPECT_DOUBLE_EQ(s->getHalfWidth(), 2e-9);

    CFloorDialog& floor = open(window->FloorDialog);
    EXPECT_FALSE(floor.floorTempUsed->isEnabled());
    EXPECT_FALSE(floor.LJ[0]->isEnabled());
    EXPECT_TRUE(floor.periodicNote->isVisibleTo(&floor));
    floor.cancel();

    CPotentialsDialog& potentials = open(window->PotentialsDialog);
    EXPECT_TRUE(potentials.contacts->isChecked());
    potentials.contacts->setChecked(false);
    potentials.charge[0]->setText("1e-19");
    potentials.accept();
    EXPECT_TRUE(lastAlertMentions("Ewald summation"));
    EXPECT_TRUE(potentials.isVisible());
    potentials.charge[0]->setText("0");
    potentials.accept();
    EXPECT_FALSE(potentials.isVisible());
    EXPECT_FALSE(s->getContactsUsed());

    CBoxDialog& again = open(window->BoxDialog);
    EXPECT_EQ(again.kindOfBox->currentIndex(), 1);
    again.kindOfBox->setCurrentIndex(0);
    again.boxWidthField->setText("1e-9");  // closed first, so the narrower box is the closed box's
    again.accept();
    EXPECT_FALSE(s->isPeriodic());
    EXPECT_DOUBLE_EQ(s->getHalfWidth(), 5e-10);
}

TEST_F(ControlsTest, HeatAndCoolAreThePersonsWorkInTheLedger)
{
    ASSERT_TRUE(window->openExample(":/examples/1-hard-sphere-gas-reaching-Maxwell.txt"));
    history().clear();
    const double userBefore = s->getLedgerBalance().user;
    double kinetic = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < s->getNumber(t); i++) kinetic += s->state().atoms.aKEnergy[t][i];
    QPushButton* heat = control<QPushButton>("Heat: hold to add kinetic energy");
    press(heat, QEvent::MouseButtonPress);
    settle(3 * CControlsPanel::kHoldTickMs + 50);
    press(heat, QEvent::MouseButtonRelease);
    const double added = s->getLedgerBalance().user - userBefore;
    EXPECT_GT(added, 0.0);
    // A few per cent a second, for the time held.
    EXPECT_LT(added, CControlsPanel::kHoldRate * kinetic * 2.0);
    EXPECT_EQ(history().count(), 1) << "a hold is one step";
    EXPECT_EQ(window->Document.undoMenuText(), "U&ndo Heat");

    QPushButton* cool = control<QPushButton>("Cool: hold to remove kinetic energy");
    const double userHeated = s->getLedgerBalance().user;
    press(cool, QEvent::MouseButtonPress);
    settle(3 * CControlsPanel::kHoldTickMs + 50);
    press(cool, QEvent::MouseButtonRelease);
    EXPECT_LT(s->getLedgerBalance().user, userHeated);
    EXPECT_EQ(history().count(), 2);
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < s->getNumber(t); i++) EXPECT_GE(s->state().atoms.aKEnergy[t][i], 0.0);
}

TEST_F(ControlsTest, PresentationDrawsTheReadoutsLargerAndLeavesThemAsTheyWere)
{
    CUIDisplay& display = *window->UIDisplay;
    const QRect temperature = display.TempField->geometry();
    const int font = display.TempField->font().pixelSize();
    const QSize graph = window->UIGraph->size();
    chooseCommand(*window, "Presentation");
    settle(50);
    EXPECT_TRUE(window->isPresenting());
    EXPECT_FALSE(window->ControlsDock->isVisible());
    EXPECT_GE(display.TempField->font().pixelSize(), 2 * font);
    EXPECT_GE(window->UIGraph->width(), 2 * graph.width());
    chooseCommand(*window, "Leave Presentation");
    settle(50);
    EXPECT_FALSE(window->isPresenting());
    EXPECT_TRUE(window->ControlsDock->isVisible());
    EXPECT_EQ(display.TempField->font().pixelSize(), font);
    EXPECT_EQ(window->UIGraph->size(), graph);
    EXPECT_EQ(display.TempField->geometry().size(), temperature.size());
}
