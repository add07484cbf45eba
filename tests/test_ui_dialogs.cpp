// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter dialogs: their fields filled from the simulation in the shown
// formats, OK applying through the setters, refusals keeping the dialog open
// with what was already applied, Cancel, and fields the engine cannot take.
#include <QButtonGroup>
#include <QLocale>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <cmath>
#include <tuple>

#include "BASE/CTextNumbers.h"
#include "DIALOG/CAddAtomDialog.h"
#include "DIALOG/CAtomNumbersDialog.h"
#include "DIALOG/CAtomPropertiesDialog.h"
#include "DIALOG/CBoxDialog.h"
#include "DIALOG/CChangeKEDialog.h"
#include "DIALOG/CColorButton.h"
#include "DIALOG/CDisplaysDialog.h"
#include "DIALOG/CEditAtomDialog.h"
#include "DIALOG/CEnergyDialog.h"
#include "DIALOG/CFloorDialog.h"
#include "DIALOG/CNewSimulationDialog.h"
#include "DIALOG/CPotentialsDialog.h"
#include "DIALOG/CTimingDialog.h"
#include "DIALOG/CViewDialog.h"
#include "UI/CQtPlatform.h"
#include "UI/CUIGraph.h"
#include "support/ui/UiWindowFixture.h"
#include "support/StateEdit.h"
#include "test_ui_dialogs_random.h"

namespace {
class DialogTest : public RandomKeepingWindowTest {
protected:
    // Shows the dialog filled as run would, without a nested event loop.
    template <typename D>
    D& open(D* dialog)
    {
        dialog->fill();
        dialog->show();
        return *dialog;
    }
    bool lastAlertMentions(const std::string& text) const
    {
        return !platform.alerts.empty() && platform.alerts.back().message.find(text) != std::string::npos;
    }
};

TEST_F(DialogTest, AddAtomKeepsTheTypeResetsTheNumbersAndRefusesBadText)
{
    CAddAtomDialog& d = open(window->AddAtomDialog);
    EXPECT_EQ(d.typePopupButton->currentIndex(), 0);
    EXPECT_EQ(d.xField->text(), "0.00e+00");
    d.typePopupButton->setCurrentIndex(2);
    d.xField->setText("1e-10");
    d.vzField->setText("-250.5");
    d.yField->setText("abc");
    d.accept();
    EXPECT_TRUE(d.isVisible()) << "refused text keeps the dialog open";
    EXPECT_TRUE(lastAlertMentions("y: \"abc\" is not a number"));
    EXPECT_EQ(d.yField->text(), "abc") << "the user's text stays";
    EXPECT_EQ(s->getNumber(2), 0);

    d.yField->setText(" 2.5e-10 ");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(s->getNumber(2), 1);
    EXPECT_DOUBLE_EQ(s->state().atoms.loc[2][0].v[0], 1e-10);
    EXPECT_DOUBLE_EQ(s->state().atoms.loc[2][0].v[1], 2.5e-10);
    EXPECT_DOUBLE_EQ(s->state().atoms.vel[2][0].v[2], -250.5);
    EXPECT_TRUE(std::isfinite(s->getTEnergy(4)));

    open(window->AddAtomDialog);
    EXPECT_EQ(d.typePopupButton->currentIndex(), 2) << "the type chosen last";
    EXPECT_EQ(d.xField->text(), "0.00e+00");
    EXPECT_EQ(d.vzField->text(), "0.00e+00");
}

TEST_F(DialogTest, AddAtomToAFullTypeIsRefusedAndTheDialogStaysOpen)
{
    StateEdit(*s)->atoms.number[1] = CSimulation::kMaxPerType;  // slots exist; only the count matters here
    StateEdit(*s)->atoms.totalAtoms += CSimulation::kMaxPerType;
    CAddAtomDialog& d = open(window->AddAtomDialog);
    d.typePopupButton->setCurrentIndex(1);
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(s->getNumber(1), CSimulation::kMaxPerType);
    ASSERT_EQ(platform.alerts.size(), 1u);
}

TEST_F(DialogTest, AtomNumbersApplyEveryCountEvenAfterARefusal)
{
    CAtomNumbersDialog& d = open(window->AtomNumbersDialog);
    EXPECT_EQ(d.numberField[0]->text(), "4");
    EXPECT_EQ(d.numberField[3]->text(), "0");
    // Over the limit for A, and the offer to cap it is declined.
    platform.alertAnswers = {1};
    d.numberField[0]->setText("401");
    d.numberField[1]->setText("3");
    d.numberField[3]->setText("2");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(s->getNumber(0), 4);
    EXPECT_EQ(s->getNumber(1), 3);
    EXPECT_EQ(s->getNumber(3), 2);
    EXPECT_EQ(d.numberField[0]->text(), "401");

    d.numberField[0]->setText("5");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(s->state().atoms.totalAtoms, 10);
}

// More atoms than a 1 nm box holds: the cap is asked first, then what did
// not fit; Revert takes back the atoms added, Accept keeps them.
TEST_F(DialogTest, AtomNumbersThatFindNoRoomAreTakenBackOrKept)
{
    CAtomNumbersDialog& d = open(window->AtomNumbersDialog);
    platform.alertAnswers = {0, 1};  // cap at the maximum, then Revert
    d.numberField[2]->setText("401");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    ASSERT_EQ(platform.alerts.size(), 2u);
    EXPECT_EQ(platform.alerts[0].title, "Alert.");
    EXPECT_EQ(platform.alerts[0].buttons, (std::vector<std::string>{"Accept", "Cancel"}));
    EXPECT_EQ(platform.alerts[1].title, "Operation Incomplete.");
    EXPECT_EQ(platform.alerts[1].buttons, (std::vector<std::string>{"Accept", "Revert"}));
    EXPECT_EQ(s->getNumber(2), 0);
    EXPECT_EQ(s->state().atoms.totalAtoms, 4);

    platform.alerts.clear();
    platform.alertAnswers = {0};  // Accept what fitted
    d.numberField[2]->setText("200");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Operation Incomplete.");
    EXPECT_GT(s->getNumber(2), 0);
    EXPECT_LT(s->getNumber(2), 200);
    EXPECT_EQ(s->state().atoms.totalAtoms, 4 + s->getNumber(2));
}

TEST_F(DialogTest, AtomNumbersRefuseNegativeAndFractionalCountsBeforeApplyingAny)
{
    CAtomNumbersDialog& d = open(window->AtomNumbersDialog);
    d.numberField[1]->setText("2");
    d.numberField[2]->setText("-1");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("type C must be between 0"));
    EXPECT_EQ(s->getNumber(1), 0);
    d.numberField[2]->setText("1.5");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("is not a whole number"));
    EXPECT_EQ(s->state().atoms.totalAtoms, 4);
}

TEST_F(DialogTest, AtomPropertiesStayOpenAfterARefusedDiameterWithTheRestApplied)
{
    CAtomPropertiesDialog& d = open(window->AtomPropertiesDialog);
    EXPECT_EQ(d.diamField[0]->text(), "3.00e-10");
    EXPECT_EQ(d.massField[0]->text(), "5.00e-26");
    const float red = s->getRed(0), green = s->getGreen(0);
    d.nameField[1]->setText("Neon");
    d.diamField[0]->setText("2e-9");  // wider than the box
    d.massField[1]->setText("3.3e-26");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("can not be greater than the width of the box"));
    EXPECT_DOUBLE_EQ(s->getDiam(0), 3e-10);
    EXPECT_EQ(s->getName(1), "Neon");
    EXPECT_DOUBLE_EQ(s->getMass(1), 3.3e-26);
    EXPECT_EQ(s->getRed(0), red) << "an unchanged colour is written back exactly";
    EXPECT_EQ(s->getGreen(0), green);

    d.colorField[2]->setComponents(0.25f, 0.5f, 0.75f);
    d.diamField[0]->setText("2.00e-10");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_DOUBLE_EQ(s->getDiam(0), 2e-10);
    EXPECT_EQ(s->getBlue(2), 0.75f);
}

TEST_F(DialogTest, AtomPropertiesRefuseAMassOfZeroAndNamesThatCannotBeSaved)
{
    CAtomPropertiesDialog& d = open(window->AtomPropertiesDialog);
    d.diamField[3]->setText("1e-10");
    d.massField[2]->setText("0");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("Mass of type C must be between 1e-30 and 1e-20 kg."));
    EXPECT_DOUBLE_EQ(s->getDiam(3), 3e-10) << "nothing applied";
    d.massField[2]->setText("5e-26");
    d.nameField[0]->setText(QString::fromUtf8("Argón"));
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("Name of type A"));
    // A name too long for the status display is refused whole, never cut.
    const QString longName(CSimulation::kMaxNameLength + 5, QLatin1Char('x'));
    d.nameField[0]->setText(longName);
    EXPECT_EQ(d.nameField[0]->text(), longName);
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("at most 40 characters"));
}

TEST_F(DialogTest, EditWithoutSelectionShowsNotApplicable)
{
    s->selectAll(0);
    CEditAtomDialog& d = open(window->EditAtomDialog);
    EXPECT_EQ(d.selectedField->text(), "NO SELECTION");
    EXPECT_EQ(d.locationField->text(), "location");
    EXPECT_EQ(d.vyField->text(), "NA");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(platform.alerts.empty());
}

TEST_F(DialogTest, EditTwoAtomsMovesTheCentreOfMassAndLeavesNAVelocitiesAlone)
{
    s->selectAll(0);
    {
        StateEdit edit(*s);
        edit->atoms.sel[0][0] = edit->atoms.sel[0][1] = 1;
    }
    const CVector v0 = s->state().atoms.vel[0][0], v1 = s->state().atoms.vel[0][1];
    const double gap = s->state().atoms.loc[0][1].v[0] - s->state().atoms.loc[0][0].v[0];
    CEditAtomDialog& d = open(window->EditAtomDialog);
    EXPECT_EQ(d.selectedField->text(), "2 ATOMS SELECTED");
    EXPECT_EQ(d.locationField->text(), "center of mass");
    EXPECT_EQ(d.vxField->text(), "NA");
    d.xField->setText("1.0e-10");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_NEAR(0.5 * (s->state().atoms.loc[0][0].v[0] + s->state().atoms.loc[0][1].v[0]), 1e-10, 1e-22);
    EXPECT_NEAR(s->state().atoms.loc[0][1].v[0] - s->state().atoms.loc[0][0].v[0], gap, 1e-22);
    EXPECT_EQ(s->state().atoms.vel[0][0].v[2], v0.v[2]);
    EXPECT_EQ(s->state().atoms.vel[0][1].v[0], v1.v[0]);

    open(window->EditAtomDialog);
    d.vzField->setText("0");
    d.accept();
    EXPECT_EQ(s->state().atoms.vel[0][0].v[2], 0.0);
    EXPECT_EQ(s->state().atoms.vel[0][1].v[2], 0.0);
    EXPECT_EQ(s->state().atoms.vel[0][0].v[0], v0.v[0]);
}

TEST_F(DialogTest, EditCancelPutsTheAtomBackButKeepsVelocitiesFromTabOut)
{
    s->selectAll(0);
    StateEdit(*s)->atoms.sel[0][2] = 1;
    const CVector where = s->state().atoms.loc[0][2];
    CEditAtomDialog& d = open(window->EditAtomDialog);
    EXPECT_EQ(d.selectedField->text(), "1 ATOM SELECTED");
    EXPECT_EQ(d.xField->text(), QString::fromStdString(formatC("%.2e", where.v[0])));
    d.xField->setText("-2e-10");
    d.vyField->setText("123");
    d.tabOut();
    EXPECT_DOUBLE_EQ(s->state().atoms.loc[0][2].v[0], -2e-10) << "applied at once";
    EXPECT_DOUBLE_EQ(s->state().atoms.vel[0][2].v[1], 123.0);
    d.reject();  // Escape
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(s->state().atoms.loc[0][2].v[0], where.v[0]);
    EXPECT_EQ(s->state().atoms.loc[0][2].v[2], where.v[2]);
    EXPECT_DOUBLE_EQ(s->state().atoms.vel[0][2].v[1], 123.0);
    EXPECT_NEAR(s->state().atoms.aKEnergy[0][2], 0.5 * s->getMass(0) * s->state().atoms.vel[0][2].norm(), 1e-30)
        << "the kept velocity is booked";
}

TEST_F(DialogTest, EditRefusesBadTextWithoutMovingAnything)
{
    s->selectAll(0);
    StateEdit(*s)->atoms.sel[0][0] = 1;
    const CVector where = s->state().atoms.loc[0][0];
    CEditAtomDialog& d = open(window->EditAtomDialog);
    d.xField->setText("0");
    d.zField->setText("1,5e-10");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("z: \"1,5e-10\" is not a number"));
    d.zField->setText("inf");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("z must be a finite number."));
    EXPECT_EQ(s->state().atoms.loc[0][0].v[0], where.v[0]);
    d.cancel();
}

// Until a density is typed, every count and arrangement gets one it can
// build, and the fields show it; "inf" typed is no finite density.
TEST_F(DialogTest, NewSimulationBuildsEveryCountAtItsDefaultDensity)
{
    CNewSimulationDialog& d = open(window->NewSimulationDialog);
    QSpinBox* countA = d.findChildren<QSpinBox*>().first();
    QComboBox* arrangement = d.findChildren<QComboBox*>().at(CSimulation::kTypes);
    QLineEdit* packing = nullptr;
    for (QLabel* label : d.findChildren<QLabel*>())
        if (label->text() == "&Packing fraction:") packing = qobject_cast<QLineEdit*>(label->buddy());
    ASSERT_NE(packing, nullptr);
    EXPECT_EQ(packing->text(), "0.3") << "256 atoms fill a 4 x 4 x 4 fcc lattice";
    for (int a = 0; a < arrangement->count(); a++)
        for (int n : {1, 2, 5, 10, 100, 400}) {
            arrangement->setCurrentIndex(a);
            countA->setValue(n);
            SCOPED_TRACE(arrangement->currentText().toStdString() + ", " + std::to_string(n));
            newSimulation::CSpec spec;
            QString problem;
            ASSERT_TRUE(d.readSpec(spec, problem)) << problem.toStdString();
            EXPECT_FALSE(d.previewText().startsWith("Cannot")) << d.previewText().toStdString();
            CSimulation scratch(platform);
            EXPECT_EQ(newSimulation::build(spec, scratch), "");
            EXPECT_EQ(packing->text(), CParameterDialog::realText(spec.density, "%.4g"));
        }
    packing->setText("inf");
    emit packing->textEdited(packing->text());
    EXPECT_EQ(d.previewText(), "Cannot be built: The packing fraction must be a finite number above 0.");
    d.cancel();
}

TEST_F(DialogTest, PotentialsFillApplyAndLeaveAnUnchangedSimulationAlone)
{
    CPotentialsDialog& d = open(window->PotentialsDialog);
    EXPECT_FALSE(d.use->isChecked());
    EXPECT_EQ(d.LJ[0][1]->text(), "1.00e-21");
    EXPECT_EQ(d.charge[2]->text(), "0.00e+00");
    StateEdit(*s)->outputs.TCKEnergy[4] = 42.0;  // an average under way
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(s->state().outputs.TCKEnergy[4], 42.0) << "no setter saw a change";

    open(window->PotentialsDialog);
    d.use->setChecked(true);
    d.LJ[1][3]->setText("2.5e-21");
    d.charge[3]->setText("-1.6e-19");
    d.accept();
    EXPECT_EQ(s->getPotentialUsed(), 1);
    EXPECT_DOUBLE_EQ(s->getLJeps(1, 3), 2.5e-21);
    EXPECT_DOUBLE_EQ(s->getLJeps(3, 1), 0.0) << "only the upper triangle is written";
    EXPECT_DOUBLE_EQ(s->getCharge(3), -1.6e-19);
}

TEST_F(DialogTest, ChangeKineticEnergyRemembersTheAmount)
{
    auto kinetic = [this] {
        double k = 0.0;
        for (int i = 0; i < s->getNumber(0); i++) k += s->state().atoms.aKEnergy[0][i];
        return k;
    };
    CChangeKEDialog& d = open(window->ChangeKEDialog);
    EXPECT_EQ(d.changeKEField->text(), "0.00e+00");
    const double before = kinetic();
    d.changeKEField->setText("4e-21");
    d.accept();
    EXPECT_NEAR(kinetic(), before + 4e-21, 1e-33);
    open(window->ChangeKEDialog);
    EXPECT_EQ(d.changeKEField->text(), "4.00e-21");
    d.cancel();
    EXPECT_NEAR(kinetic(), before + 4e-21, 1e-33);

    // Overflowing amounts are refused; an amount that makes the step too
    // coarse for the new speeds is warned of, and applied only when accepted.
    open(window->ChangeKEDialog);
    d.changeKEField->setText("1e308");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("Change of the kinetic energy must be between -1e-13 and 1e-13 J."));
    d.changeKEField->setText("1e-15");
    platform.alertAnswers = {1};
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("The time step is too large for these speeds: at most "));
    EXPECT_NEAR(kinetic(), before + 4e-21, 1e-33);
    platform.alertAnswers = {0};
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_NEAR(kinetic(), before + 4e-21 + 1e-15, 1e-24);
}

// Values that blank the view, run labels together or stall a run are refused
// with their ranges; a time step too coarse for the speeds is only warned of.
TEST_F(DialogTest, DisplaysTimingAndViewRefuseValuesOutsideTheirRanges)
{
    CDisplaysDialog& d = open(window->DisplaysDialog);
    const std::pair<QLineEdit*, const char*> displays[] = {
        {d.tcField, "Time constant must be between 1 and 1e9 steps."},
        {d.histogramWidthField, "Histogram width must be between 100 and 4000."},
        {d.xmaxField, "Largest speed must be between 1 and 1e8 m/s."}};
    for (const auto& [field, message] : displays) {
        const QString was = field->text();
        field->setText(field == d.histogramWidthField ? "0" : "1e308");
        d.accept();
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(lastAlertMentions(message)) << message;
        field->setText(was);
    }
    d.cancel();

    ASSERT_TRUE(s->changeKEnergy(1e-20));  // the atoms move at some 300 m/s
    CTimingDialog& t = open(window->TimingDialog);
    t.ipdField->setText("0");
    t.accept();
    EXPECT_TRUE(lastAlertMentions("Steps per display must be between 1 and 1000000."));
    t.ipdField->setText("100");
    t.timeStepField->setText("1e-10");
    platform.alertAnswers = {1};
    t.accept();
    EXPECT_TRUE(t.isVisible());
    EXPECT_TRUE(lastAlertMentions("The time step is too large for these speeds"));
    EXPECT_DOUBLE_EQ(s->getTimeStep(), 1e-14);
    platform.alertAnswers = {0};
    t.accept();
    EXPECT_FALSE(t.isVisible());
    EXPECT_DOUBLE_EQ(s->getTimeStep(), 1e-10);

    CViewDialog& v = open(window->ViewDialog);
    v.eyeDistanceField->setText("1e308");
    v.accept();
    EXPECT_TRUE(lastAlertMentions("Eye distance must be between 1e-11 and 0.001 m."));
    v.eyeDistanceField->setText(QString::fromStdString(formatC("%.2e", s->getEyeR())));
    v.projectionScaleField->setText("1e308");
    v.accept();
    EXPECT_TRUE(lastAlertMentions("Scale must be between 1000 and 1e16 points per metre."));
    v.cancel();
}

TEST_F(DialogTest, BoxTooSmallStaysOpenWithThePistonAlreadySet)
{
    CBoxDialog& d = open(window->BoxDialog);
    EXPECT_EQ(d.boxWidthField->text(), "1.00e-09");
    d.boxWidthField->setText("3e-10");  // one atom's width: four cannot fit
    d.appliedPressureBox->setChecked(true);
    d.appliedPressureField->setText("2e5");
    d.pistonMassField->setText("4e-25");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("Can not fit the atoms into the smaller box."));
    EXPECT_DOUBLE_EQ(s->getHalfWidth(), 5e-10);
    EXPECT_EQ(s->getPistonUsed(), 1);
    EXPECT_DOUBLE_EQ(s->getAppliedPressure(), 2e5);
    EXPECT_DOUBLE_EQ(s->getPistonMass(), 4e-25);
    EXPECT_DOUBLE_EQ(s->state().box.pistonA, -4.0 * 5e-10 * 5e-10 * 2e5 / 4e-25) << "worked out for the box in force";

    d.pistonMassField->setText("-1");
    d.boxWidthField->setText("2e-9");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("Piston mass must be between 1e-30 and 100 kg."));
    EXPECT_DOUBLE_EQ(s->getHalfWidth(), 5e-10) << "nothing applied";
    d.pistonMassField->setText("4e-25");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_DOUBLE_EQ(s->getHalfWidth(), 1e-9);
}

// The kind of box: a periodic box the atoms cannot have is refused with its
// reason and the dialog stays open; chosen, it takes the piston's controls
// away with the note that says why, as the Floor dialog does its own; the
// contacts are the Potentials dialog's.
TEST_F(DialogTest, DisplaysSetTheAveragingAndTheHistogramWhichThenMoves)
{
    CDisplaysDialog& d = open(window->DisplaysDialog);
    EXPECT_TRUE(d.timingRow[0]->isChecked());
    EXPECT_EQ(d.tcField->text(), "1.00e+04");
    EXPECT_EQ(d.ymaxField->text(), QString::fromStdString(formatC("%.2f", s->getGraphYmax())));
    EXPECT_EQ(d.histogramWidthField->text(), "200");
    d.timingRow[1]->setChecked(true);
    d.ymaxField->setText("0");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("Height of the histogram scale must be between 0.01 and 10000 atoms per bin."));
    EXPECT_EQ(s->getRecordType(), CRecordKind::instant);
    d.ymaxField->setText("2.5");
    d.histogramWidthField->setText("150");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(s->getRecordType(), CRecordKind::timeConstant);
    EXPECT_DOUBLE_EQ(s->getGraphYmax(), 2.5);
    EXPECT_EQ(s->getHistogramWidth(), 150);

    // Through the menu command, the graph takes its new size.
    QTimer::singleShot(0, [this] {
        window->DisplaysDialog->histogramHeightField->setText("90");
        window->DisplaysDialog->accept();
    });
    chooseCommand(*window, "Displays...");
    EXPECT_EQ(window->UIGraph->width(), 150);
    EXPECT_EQ(window->UIGraph->height(), 90);
}

TEST_F(DialogTest, EnergyAndFloorApplyTheirSwitchesAndValues)
{
    CEnergyDialog& e = open(window->EnergyDialog);
    EXPECT_TRUE(e.enforceCOE->isChecked());
    e.enforceCOE->setChecked(false);
    e.accept();
    EXPECT_EQ(s->getConserve(), 0);

    CFloorDialog& f = open(window->FloorDialog);
    f.floorTempUsed->setChecked(true);
    f.floorTempField->setText("-5");
    f.accept();
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(lastAlertMentions("Floor temperature must be between 0 and 100000 K."));
    f.floorTempField->setText("300");
    f.floorPotentialUsed->setChecked(true);
    f.LJ[2]->setText("3e-21");
    f.accept();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(s->getFloorTempUsed(), 1);
    EXPECT_DOUBLE_EQ(s->getFloorTemp(), 300.0);
    EXPECT_EQ(s->getFloorPotentialUsed(), 1);
    EXPECT_DOUBLE_EQ(s->getLJepsFloor(2), 3e-21);
}

TEST_F(DialogTest, TimingChangesTakeEffectAtOnceWhileRunning)
{
    CTimingDialog& d = open(window->TimingDialog);
    EXPECT_EQ(d.ipdField->text(), QString::number(s->getIPD()));
    EXPECT_EQ(d.realTimeBetweenDisplaysField->text(), "0.0010");
    d.timeStepField->setText("0");
    d.accept();
    EXPECT_TRUE(lastAlertMentions("Time step must be between 1e-18 and 1e-9 s."));
    d.timeStepField->setText("1e-14");
    d.ipdField->setText("-3");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(lastAlertMentions("Steps per display must be between 1 and 1000000."));
    d.cancel();

    window->run();
    QTimer::singleShot(0, [this] {
        EXPECT_TRUE(isModalSessionActive());
        CTimingDialog& t = *window->TimingDialog;
        t.ipdField->setText("50");
        t.timeStepField->setText("2e-15");
        t.realTimeBetweenDisplaysField->setText("0.0200");
        t.timeUnitButton->setCurrentIndex(0);
        t.accept();
    });
    chooseCommand(*window, "Timing...");
    EXPECT_EQ(s->getIPD(), 50u);
    EXPECT_DOUBLE_EQ(s->getTimeStep(), 2e-15);
    EXPECT_EQ(s->getTimeUnit(), CTimeUnit::seconds);
    EXPECT_TRUE(window->Document.runTimer.isActive());
    EXPECT_EQ(window->Document.runTimer.interval(), 20);
    window->stop();
}

TEST_F(DialogTest, ViewRefusalKeepsTheNewScaleInUse)
{
    CViewDialog& d = open(window->ViewDialog);
    EXPECT_EQ(d.boxWidthField->text(), "1.00e-09 m");
    EXPECT_EQ(d.eyeDistanceField->text(), QString::fromStdString(formatC("%.2e", s->getEyeR())));
    const double eye = s->getEyeR();
    d.projectionScaleField->setText("7e11");
    d.eyeDistanceField->setText("1e-10");
    d.accept();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(platform.alerts.back().title, "Operation Incomplete.");
    EXPECT_DOUBLE_EQ(s->getScale(), 7e11);
    EXPECT_EQ(s->getEyeR(), eye);
    d.eyeDistanceField->setText("5e-9");
    d.accept();
    EXPECT_FALSE(d.isVisible());
    EXPECT_DOUBLE_EQ(s->getEyeR(), 5e-9);
}
}  // namespace

namespace {
TEST_F(DialogTest, FieldsReadTheLanguagesDecimalCommaAndAlwaysTheCForm)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    for (const QLocale& typing : {QLocale::c(), german}) {
        CParameterDialog::setTypingLocale(typing);
        const bool comma = typing == german;
        for (const auto& [text, readable, value] : {std::tuple{"2,5e-15", comma, 2.5e-15},
                                                    std::tuple{"3.5e-15", true, 3.5e-15},
                                                    std::tuple{"1.000,5e-15", false, 0.0}}) {
            const double before = s->getTimeStep();
            CTimingDialog& t = open(window->TimingDialog);
            t.timeStepField->setText(text);
            t.accept();
            EXPECT_EQ(t.isVisible(), !readable) << text;
            EXPECT_DOUBLE_EQ(s->getTimeStep(), readable ? value : before) << text;
            if (t.isVisible()) t.cancel();
        }
    }
    CParameterDialog::setTypingLocale(QLocale::c());
}
}  // namespace
