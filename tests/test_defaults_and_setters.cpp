// SPDX-License-Identifier: GPL-3.0-or-later
// The default simulation and the parameter setters with their refusals.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "DIALOG/COutcomeAlert.h"
#include "SIM/model/CParameters.h"
#include "support/SimulationFixture.h"

using Defaults = SimulationTest;
using Setters = SimulationTest;

TEST_F(Defaults, StartWithFourTypeAAtomsInsideTheBoxAndEverythingOff)
{
    EXPECT_EQ(s.state().atoms.totalAtoms, 4);
    EXPECT_EQ(s.state().atoms.number[0], 4);
    EXPECT_EQ(s.state().atoms.number[1] + s.state().atoms.number[2] + s.state().atoms.number[3], 0);
    for (int i = 0; i < 4; i++)
        for (int axis = 0; axis < 3; axis++) EXPECT_LE(std::fabs(s.state().atoms.loc[0][i].getIndex(axis)), 3.5e-10);
    EXPECT_FALSE(s.state().forces.potentialUsed);
    EXPECT_FALSE(s.state().forces.floorPotentialUsed);
    EXPECT_FALSE(s.state().forces.floorTempUsed);
    EXPECT_FALSE(s.state().box.pistonUsed);
    EXPECT_TRUE(s.state().conservation.conserve);
    EXPECT_EQ(s.state().outputs.displayType, 4);
    EXPECT_EQ(s.state().display.xmax, 200.0);
    EXPECT_EQ(s.state().display.ymax, 0.3);
    EXPECT_EQ(s.state().clock.timeStep, 1e-14);
    EXPECT_EQ(s.state().box.halfWidth, 5e-10);
    EXPECT_EQ(s.state().box.pistonZ, 5e-10);
    EXPECT_EQ(s.state().box.pistonA, -4e-6);  // set while the box was still 1 m wide
    EXPECT_EQ(s.state().outputs.newPart, 1.0);
    EXPECT_EQ(s.state().outputs.oldPart, 0.0);
    EXPECT_EQ(s.state().atoms.firstSelectedType, -1);
    EXPECT_EQ(s.getEyeR(), 2.5e-9);
    EXPECT_EQ(s.getEyePlaneR(), 1e-10);
    EXPECT_EQ(s.getScale(), 5e12);
    EXPECT_FALSE(s.state().display.axesShowFlag || s.state().display.energyDiffDisplayFlag || s.state().display.graphDisplayFlag);
    EXPECT_TRUE(s.state().display.stateDisplayFlag && s.state().display.numericDisplayFlag);
    EXPECT_TRUE(platform.alerts.empty());
}

TEST_F(Defaults, ColoursAndWellDepths)
{
    EXPECT_EQ(s.state().types.red[1], 0.0f);
    EXPECT_EQ(s.state().types.blue[1], 1.0f);
    EXPECT_EQ(s.state().types.green[2], 1.0f);
    EXPECT_EQ(s.state().types.red[3], 1.0f);
    EXPECT_EQ(s.state().types.green[3], 1.0f);
    EXPECT_EQ(s.state().types.blue[3], 0.0f);
    for (int i = 0; i < 4; i++)
        for (int j = i; j < 4; j++) EXPECT_EQ(s.state().forces.LJeps[i][j], (i == j && i > 0) ? 0.0 : 1e-21) << i << j;
    EXPECT_EQ(s.state().forces.LJeps[1][0], 0.0);
}

TEST_F(Defaults, RepeatTheSameAtomsOnEveryStartInTheSameProcessState)
{
    // random() is never seeded, so a fresh process always starts alike; here
    // we only check that a restart from the same seed repeats the placement.
    srandom(1);
    s.initWithDefaults();
    CVector first = s.state().atoms.loc[0][0];
    srandom(1);
    s.initWithDefaults();
    EXPECT_EQ(first.getX(), s.state().atoms.loc[0][0].getX());
}

TEST_F(Setters, NumberUnchangedDoesNotResetAverages)
{
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    EXPECT_TRUE(s.setNumber(0, 4));
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
}

// The question comes before anything changes: Cancel is not asking again;
// Accept is asking again with the answer.
TEST_F(Setters, NumberAboveTheMaximumAsksAndCapsOrCancels)
{
    s.setHalfWidth(5e-9);
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    const CVector first = s.state().atoms.loc[0][0];
    COutcome asked = s.setNumber(1, 500);
    EXPECT_FALSE(asked);
    EXPECT_TRUE(asked.isQuestion());
    EXPECT_FALSE(asked.workKept());
    EXPECT_EQ(asked.title(), "Alert.");
    EXPECT_EQ(asked.message(),
              "Can not exceed the maximum allowable number of atoms for each type which is 400?. "
              "Reset number to this maximum?");
    EXPECT_EQ(asked.choices(), (std::vector<std::string>{"Accept", "Cancel"}));
    EXPECT_EQ(s.state().atoms.number[1], 0);
    EXPECT_EQ(s.state().atoms.totalAtoms, 4);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
    EXPECT_EQ(std::memcmp(first.v, s.state().atoms.loc[0][0].v, sizeof first.v), 0);
    EXPECT_FALSE(s.takeBackPartialWork());  // nothing was done to take back
    platform.alertAnswers = {1};  // Cancel, as the dialog asks it
    EXPECT_EQ(askOutcome(platform, asked), 1);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].buttons, asked.choices());

    ASSERT_TRUE(s.setNumber(1, 10));
    EXPECT_TRUE(s.setNumber(1, 500, true));  // Accept
    EXPECT_EQ(s.state().atoms.number[1], 400);
    EXPECT_EQ(s.state().atoms.totalAtoms, 404);
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    EXPECT_TRUE(s.setNumber(1, 401, true));  // already full: nothing added, averages reset
    EXPECT_EQ(s.state().atoms.number[1], 400);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 0.0);
}

// The question comes after the work, which is kept: Revert takes back what
// was added, and nothing else had changed; Accept keeps it.
TEST_F(Setters, NumberThatCannotBePlacedOffersAcceptOrRevert)
{
    s.setName(2, "Cee");
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    const double userBefore = s.state().ledger.user;
    const unsigned revisionBefore = s.getStateRevision();
    COutcome asked = s.setNumber(2, 200);  // far more than fit in a 1 nm box
    EXPECT_FALSE(asked);
    EXPECT_TRUE(asked.isQuestion());
    EXPECT_TRUE(asked.workKept());
    EXPECT_EQ(asked.title(), "Operation Incomplete.");
    EXPECT_EQ(asked.choices(), (std::vector<std::string>{"Accept", "Revert"}));
    EXPECT_NE(asked.message().find("Unable to add all of the requested atoms for type: Cee. "), std::string::npos);
    const int added = s.state().atoms.number[2];
    EXPECT_GT(added, 0);
    EXPECT_LT(added, 200);
    EXPECT_NE(asked.message().find(std::to_string(added) + " atoms were added."), std::string::npos);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 0.0);  // kept, and measured afresh

    EXPECT_TRUE(s.takeBackPartialWork());  // Revert
    EXPECT_EQ(s.state().atoms.number[2], 0);
    EXPECT_EQ(s.state().atoms.totalAtoms, 4);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
    EXPECT_EQ(s.state().ledger.user, userBefore);
    EXPECT_GT(s.getStateRevision(), revisionBefore);  // the measurements that follow atoms start again
    EXPECT_FALSE(s.takeBackPartialWork());         // once

    COutcome again = s.setNumber(2, 200);  // Accept what fitted
    EXPECT_TRUE(again.workKept());
    EXPECT_GT(s.state().atoms.number[2], 0);
    EXPECT_LT(s.state().atoms.number[2], 200);
    EXPECT_EQ(s.state().atoms.totalAtoms, 4 + s.state().atoms.number[2]);
    s.setMass(2, 1e-26);
    EXPECT_FALSE(s.takeBackPartialWork());  // the state has moved on since
    EXPECT_EQ(s.state().atoms.totalAtoms, 4 + s.state().atoms.number[2]);
}

TEST_F(Setters, LoweringACountKeepsTheLowestSlots)
{
    CVector second = s.state().atoms.loc[0][1];
    EXPECT_TRUE(s.setNumber(0, 2));
    EXPECT_EQ(s.state().atoms.totalAtoms, 2);
    EXPECT_EQ(s.state().atoms.loc[0][1].getX(), second.getX());
}

// A refusal answers the alert that says why and changes nothing; the model
// shows nothing itself.
TEST_F(Setters, NegativeCountsAndNonPositiveMassesAreRefused)
{
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    COutcome negative = s.setNumber(0, -1);
    EXPECT_FALSE(negative);
    EXPECT_TRUE(negative.isRefused());
    EXPECT_EQ(negative.title(), "Alert.");
    EXPECT_EQ(negative.message(), "The number of atoms can not be negative.");
    EXPECT_EQ(negative.choices(), (std::vector<std::string>{"OK"}));
    EXPECT_TRUE(platform.alerts.empty());
    EXPECT_EQ(s.state().atoms.number[0], 4);
    EXPECT_EQ(s.state().atoms.totalAtoms, 4);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
    EXPECT_FALSE(showOutcome(platform, negative));
    EXPECT_FALSE(showOutcome(platform, s.setMass(0, 0.0)));
    EXPECT_FALSE(showOutcome(platform, s.setMass(0, -1e-26)));
    EXPECT_EQ(s.state().types.mass[0], 5e-26);
    EXPECT_EQ(s.state().types.invm[0], 1.0 / 5e-26);
    EXPECT_FALSE(showOutcome(platform, s.setPistonMass(0.0)));
    EXPECT_EQ(s.state().box.pistonM, 1.0);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
    EXPECT_EQ(platform.alerts.size(), 4u);
    for (const auto& alert : platform.alerts) EXPECT_EQ(alert.title, "Alert.");
    EXPECT_EQ(platform.alerts[0].message, negative.message());
    EXPECT_TRUE(showOutcome(platform, s.setMass(0, 1e-26)));
    EXPECT_EQ(s.state().types.invm[0], 1.0 / 1e-26);
    EXPECT_EQ(platform.alerts.size(), 4u);  // an applied change says nothing
}

TEST_F(Setters, DiameterAboveTheBoxWidthIsRefused)
{
    EXPECT_FALSE(showOutcome(platform, s.setDiam(0, 1.1e-9)));
    EXPECT_EQ(s.state().types.diam[0], 3e-10);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].message, "Atom diameter can not be greater than the width of the box which is 1.00e-09 m.");
}

TEST_F(Setters, DiameterThatCannotBeRefittedIsRestoredWithTheAtoms)
{
    s.setName(0, "Big");
    CVector before[4];
    for (int i = 0; i < 4; i++) before[i] = s.state().atoms.loc[0][i];
    EXPECT_FALSE(showOutcome(platform, s.setDiam(0, 1e-9)));  // four atoms of the box's width cannot fit
    EXPECT_EQ(s.state().types.diam[0], 3e-10);
    for (int i = 0; i < 4; i++) EXPECT_EQ(std::memcmp(before[i].v, s.state().atoms.loc[0][i].v, sizeof before[i].v), 0);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].message, "Unable to increase the diameter for atoms of type: Big");
}

TEST_F(Setters, SmallerDiameterNeverRefits)
{
    StateEdit(s)->atoms.loc[0][0].setXYZ(9e-10, 0, 0);  // well outside the walls
    EXPECT_TRUE(s.setDiam(0, 2e-10));
    EXPECT_EQ(s.state().atoms.loc[0][0].getX(), 9e-10);
}

TEST_F(Setters, EyeDistanceKeepsTheBoxBeyondTheProjectionPlane)
{
    double minimum = 1.73205080757 * s.state().box.halfWidth + s.getEyePlaneR();
    EXPECT_TRUE(s.setEyeR(minimum));
    EXPECT_FALSE(showOutcome(platform, s.setEyeR(minimum * 0.999)));
    EXPECT_EQ(s.getEyeR(), minimum);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].message, "Box too close to the projection plane.\nMinimum eye distance is 9.66e-10 m.\n");
}

TEST_F(Setters, ViewSetterGoesOnAfterARefusedEyeDistance)
{
    showOutcome(platform, s.setView(1.0, 1.0, 1e-10, 2e-10, 1e12));
    EXPECT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(s.state().display.View.getPhi(), 1.0);
    EXPECT_EQ(s.getEyeR(), 2.5e-9);
    EXPECT_EQ(s.getEyePlaneR(), 2e-10);
    EXPECT_EQ(s.getScale(), 1e12);
}

TEST_F(Setters, ChangedValueRuleResetsOnlyOnChange)
{
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    s.setLJeps(1, 0, 1e-21);  // stored, never read by the engine, but resets
    EXPECT_EQ(s.state().forces.LJeps[1][0], 1e-21);
    EXPECT_EQ(s.state().forces.LJeps[0][1], 1e-21);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 0.0);
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    s.setCharge(0, 0.0);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
}

TEST_F(Setters, AveragingSetters)
{
    StateEdit(s)->outputs.record = 7;
    s.setRecordType(CRecordKind::accumulated);
    EXPECT_EQ(s.state().outputs.record, 7u);
    s.setRecordType(CRecordKind::timeConstant);
    EXPECT_EQ(s.state().outputs.record, 0u);
    StateEdit(s)->outputs.record = 7;
    s.setGraphXmax(200.0);
    EXPECT_EQ(s.state().outputs.record, 7u);
    s.setGraphXmax(100.0);
    EXPECT_EQ(s.state().outputs.record, 0u);
    StateEdit(s)->conservation.tdE = 1.0;
    StateEdit(s)->conservation.tdEPercent = 1.0;
    StateEdit(s)->outputs.TCKEnergy[4] = 5.0;
    s.setConserve(0);
    EXPECT_EQ(s.state().conservation.tdE, 0.0);
    EXPECT_EQ(s.state().conservation.tdEPercent, 0.0);
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], 5.0);
}

TEST_F(Setters, BoxGrowsFreelyAndShrinksOnlyWhenTheAtomsFit)
{
    s.setPistonUsed(1);
    EXPECT_TRUE(s.setHalfWidth(1e-9));
    EXPECT_EQ(s.state().box.pistonZ, 5e-10);  // the piston keeps its height when the box grows
    EXPECT_TRUE(s.setHalfWidth(8e-10));
    EXPECT_EQ(s.state().box.pistonZ, 8e-10);
    StateEdit(s)->box.pistonZ = 6e-10;
    EXPECT_FALSE(showOutcome(platform, s.setHalfWidth(2e-10)));
    EXPECT_EQ(s.state().box.halfWidth, 8e-10);
    EXPECT_EQ(s.state().box.pistonZ, 6e-10);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].message, "Can not fit the atoms into the smaller box.");
    EXPECT_EQ(platform.alerts[0].title, "Operation Incomplete.");
}

TEST_F(Setters, PistonSettings)
{
    StateEdit(s)->box.pistonZ = 1e-10;
    s.setPistonUsed(0);  // unchanged: keeps its height
    EXPECT_EQ(s.state().box.pistonZ, 1e-10);
    StateEdit(s)->box.pistonV = 3.0;
    s.setPistonUsed(1);
    EXPECT_EQ(s.state().box.pistonZ, s.state().box.halfWidth);
    EXPECT_EQ(s.state().box.pistonV, 0.0);
    s.setAppliedPressure(1e-6);
    EXPECT_DOUBLE_EQ(s.state().box.pistonA, -1e-24);
    EXPECT_TRUE(s.setPistonMass(2.0));
    EXPECT_DOUBLE_EQ(s.state().box.pistonA, -0.5e-24);
}

// In a periodic box every change that would leave a state it cannot hold is
// refused with the periodic box's reason and changes nothing: a charge on a
// type with atoms, atoms added to a charged type, a diameter or a narrower
// box that brings the longest cut-off (3 mean diameters) to half the width.
// In the closed box the same changes are taken as they always were.
TEST_F(Setters, APeriodicBoxRefusesWhatItCannotHold)
{
    EXPECT_TRUE(s.setCharge(1, 1.6e-19));  // type B has no atoms: the closed box takes anything
    ASSERT_TRUE(s.setHalfWidth(8e-10));
    const COutcome tooSmall = s.setBoundaries(CBoundaries::periodic);
    ASSERT_TRUE(tooSmall.isRefused());  // a cut-off of 0.9 nm in a box 1.6 nm wide
    EXPECT_NE(tooSmall.message().find("cut-off of the forces (0.9 nm)"), std::string::npos) << tooSmall.message();
    EXPECT_EQ(s.getBoundaries(), CBoundaries::closed);
    ASSERT_TRUE(s.setHalfWidth(2e-9));
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic));
    ASSERT_TRUE(s.isPeriodic());

    const CSimulationState before = s.state();
    auto unchanged = [&](const char* what) {
        EXPECT_TRUE(std::equal(before.forces.charge, before.forces.charge + 4, s.state().forces.charge)) << what;
        EXPECT_EQ(s.state().atoms.number[1], before.atoms.number[1]) << what;
        EXPECT_EQ(s.state().types.diam[0], before.types.diam[0]) << what;
        EXPECT_EQ(s.state().box.halfWidth, before.box.halfWidth) << what;
    };
    const COutcome charge = s.setCharge(0, 1.6e-19);
    EXPECT_TRUE(charge.isRefused());
    EXPECT_NE(charge.message().find("Ewald"), std::string::npos);
    unchanged("charge");
    EXPECT_TRUE(s.setNumber(1, 2).isRefused());  // B is charged
    EXPECT_TRUE(s.addOneAtomAtLocationWithVelocity(1, 0, 0, 0, 0, 0, 0).isRefused());
    EXPECT_TRUE(s.addOneAtomAtLocationWithShift(1, 0, 0, 0).isRefused());
    unchanged("atoms added to a charged type");
    const COutcome wide = s.setDiam(0, 7e-10);  // a cut-off of 2.1 nm
    EXPECT_TRUE(wide.isRefused());
    EXPECT_NE(wide.message().find("periodic box"), std::string::npos);
    unchanged("diameter");
    EXPECT_TRUE(s.setHalfWidth(9e-10).isRefused());
    unchanged("narrower box");
    EXPECT_EQ(parameters::set(s, [] {
                  parameters::CParameterRef ref;
                  parameters::find("charge.A", ref);
                  return ref;
              }(), "1e-19").message(),
              charge.message());
    // What the periodic box can hold is taken there too.
    EXPECT_TRUE(s.setCharge(1, 0.0));
    EXPECT_TRUE(s.setNumber(1, 2));
    EXPECT_TRUE(s.setDiam(0, 4e-10));
    EXPECT_TRUE(s.setHalfWidth(1.5e-9));
    EXPECT_TRUE(s.setCharge(2, 1e-19));  // C has no atoms

    // Back in the closed box the charge is taken, and a periodic box is then refused.
    ASSERT_TRUE(s.setBoundaries(CBoundaries::closed));
    EXPECT_TRUE(s.setCharge(0, 1.6e-19));
    EXPECT_TRUE(s.setBoundaries(CBoundaries::periodic).isRefused());
    s.setContactsUsed(false);
    EXPECT_FALSE(s.getContactsUsed());
    parameters::CParameterRef boundaries, contacts;
    ASSERT_EQ(parameters::find("boundaries", boundaries), "");
    ASSERT_EQ(parameters::find("contacts", contacts), "");
    EXPECT_EQ(parameters::valueText(s, boundaries), "closed");
    EXPECT_EQ(parameters::valueText(s, contacts), "off");
    EXPECT_NE(parameters::set(s, boundaries, "periodic").message().find("Ewald"), std::string::npos);
    EXPECT_TRUE(parameters::set(s, contacts, "1"));
    EXPECT_TRUE(s.getContactsUsed());
    EXPECT_TRUE(s.setCharge(0, 0.0));
    EXPECT_TRUE(parameters::set(s, boundaries, "PERIODIC"));
    EXPECT_EQ(parameters::valueText(s, boundaries), "periodic");
}

// The names lessons, scripts and the batch runner set parameters by: each
// reads back exactly what it set, and a value outside its rule changes
// nothing and says the rule.
TEST_F(Setters, EveryNamedParameterRoundTripsAndRefusesOutsideItsRule)
{
    for (const parameters::CParameter& p : parameters::table()) {
        parameters::CParameterRef ref;
        std::string name = p.name;
        if (p.scope == parameters::CScope::type) name += ".c";
        if (p.scope == parameters::CScope::pair) name += ".DB";
        ASSERT_EQ(parameters::find(name, ref), "") << name;
        const std::string before = parameters::valueText(s, ref);
        EXPECT_TRUE(parameters::set(s, ref, before)) << name;
        EXPECT_EQ(parameters::valueText(s, ref), before) << name;
        if (p.range && p.kind != parameters::CValueKind::text) {
            const std::string tooLarge = valueRules::shortNumber(p.range->high * 2 + 1);
            const COutcome refused = parameters::set(s, ref, tooLarge);
            EXPECT_TRUE(refused.isRefused()) << name;
            EXPECT_NE(refused.message().find("between"), std::string::npos) << name << ": " << refused.message();
            EXPECT_EQ(parameters::valueText(s, ref), before) << name;
        }
        if (p.kind != parameters::CValueKind::text) EXPECT_TRUE(parameters::set(s, ref, "x1").isRefused()) << name;
    }
    parameters::CParameterRef pair, mass;
    ASSERT_EQ(parameters::find("well-depth.BA", pair), "");
    EXPECT_EQ(pair.name(), "well-depth.AB");
    ASSERT_TRUE(parameters::set(s, pair, "2.5e-21"));
    EXPECT_EQ(s.state().forces.LJeps[0][1], 2.5e-21);
    ASSERT_EQ(parameters::find("mass.B", mass), "");
    EXPECT_TRUE(parameters::set(s, mass, "6.63e-26"));
    EXPECT_EQ(s.state().types.mass[1], 6.63e-26);
    EXPECT_EQ(parameters::find("mass", mass), "mass needs a type of A to D, as in mass.A.");
    EXPECT_NE(parameters::find("mass.E", mass), "");
    EXPECT_NE(parameters::find("piston.A", mass), "");
    EXPECT_EQ(parameters::find("heat", mass), "There is no parameter \"heat\".");

    // A step too long for the atoms' speeds is a question, set only when accepted.
    parameters::CParameterRef step;
    ASSERT_EQ(parameters::find("time-step", step), "");
    ASSERT_TRUE(s.changeKEnergy(1e-19));
    const COutcome question = parameters::set(s, step, "1e-11");
    ASSERT_TRUE(question.isQuestion());
    EXPECT_EQ(s.state().clock.timeStep, 1e-14);
    EXPECT_EQ(question.choices().front(), "Accept");
    EXPECT_TRUE(parameters::set(s, step, "1e-11", true));
    EXPECT_EQ(s.state().clock.timeStep, 1e-11);
}
