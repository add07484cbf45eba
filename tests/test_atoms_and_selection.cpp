// SPDX-License-Identifier: GPL-3.0-or-later
// Adding atoms, kinetic energy, selection by click and rectangle, dragging,
// clumping, deleting and refitting.
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "DIALOG/COutcomeAlert.h"
#include "RENDER/CScene.h"
#include "support/SimulationFixture.h"

class Atoms : public SimulationTest {
protected:
    void SetUp() override
    {
        SimulationTest::SetUp();
        removeAllAtoms();
    }
    bool sameBits(const CVector& a, const CVector& b) { return std::memcmp(a.v, b.v, sizeof a.v) == 0; }
    CScene scene{s.state()};
};

TEST_F(Atoms, NewAtomsTouchingIsNotOverlapping)
{
    s.setHalfWidth(1e-9);
    for (int k = 0; k < 50; k++) ASSERT_TRUE(s.addOneAtom(k % 4));
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) {
            EXPECT_EQ(s.state().atoms.vel[t][i].norm(), 0.0);
            for (int u = 0; u < 4; u++)
                for (int j = 0; j < s.state().atoms.number[u]; j++) {
                    if (t == u && i == j) continue;
                    CVector gap;
                    gap.equalsSub(s.state().atoms.loc[t][i], s.state().atoms.loc[u][j]);
                    EXPECT_GE(gap.length(), 3e-10);
                }
        }
}

TEST_F(Atoms, AFullBoxRefusesAnotherAtomAndChangesNothing)
{
    place(0, 0, 0, 0);
    s.setDiam(1, 7e-10);  // no free place for an atom this large next to the first
    EXPECT_FALSE(s.addOneAtom(1));
    EXPECT_EQ(s.state().atoms.number[1], 0);
    EXPECT_EQ(s.state().atoms.totalAtoms, 1);
}

TEST_F(Atoms, NewAtomsStayBelowALoweredPiston)
{
    s.setPistonUsed(1);
    StateEdit(s)->box.pistonZ = 0;
    for (int k = 0; k < 4; k++) ASSERT_TRUE(s.addOneAtom(0));
    for (int i = 0; i < 4; i++) EXPECT_LE(s.state().atoms.loc[0][i].getZ() + 1.5e-10, 1e-24);
}

TEST_F(Atoms, AddingAtAPlaceIsRefusedForAFullType)
{
    for (int i = 0; i < 400; i++) place(2, 0, 0, 0);
    EXPECT_FALSE(showOutcome(platform, s.addOneAtomAtLocationWithVelocity(2, 1e-10, 0, 0, 1, 2, 3)));
    EXPECT_EQ(s.state().atoms.number[2], 400);
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].title, "Alert.");
    EXPECT_TRUE(s.addOneAtomAtLocationWithVelocity(1, 1e-10, 0, 0, 1, 2, 3));
    EXPECT_EQ(s.state().atoms.vel[1][0].getY(), 2.0);
    EXPECT_EQ(s.state().atoms.totalAtoms, 401);
}

TEST_F(Atoms, KineticEnergyIsSharedEquallyAndClampedAtZero)
{
    place(0, -2e-10, 0, 0, 100, 0, 0);
    place(1, 2e-10, 0, 0);
    s.initSimulationEnergies();
    double share = 1e-21;
    s.changeKEnergy(2 * share);
    EXPECT_NEAR(s.state().atoms.aKEnergy[0][0], 0.5 * 5e-26 * 1e4 + share, 1e-33);
    EXPECT_NEAR(s.state().atoms.aKEnergy[1][0], share, 1e-33);
    EXPECT_GT(s.state().atoms.vel[1][0].norm(), 0.0);  // was at rest: a random direction
    EXPECT_GT(s.state().atoms.vel[0][0].getX(), 0.0);  // keeps its direction
    EXPECT_FALSE(s.changeKEnergy(-1.0));  // outside the range: changes nothing
    EXPECT_GT(s.state().atoms.vel[0][0].norm(), 0.0);
    EXPECT_TRUE(s.changeKEnergy(-1e-13));
    EXPECT_EQ(s.state().atoms.vel[0][0].norm(), 0.0);
    EXPECT_EQ(s.state().atoms.vel[1][0].norm(), 0.0);
}

TEST_F(Atoms, ClickPicksTheAtomUnderThePointerAndTogglesIt)
{
    place(0, 0, -1e-10, 0);  // drawn left of the centre
    place(1, 0, 1e-10, 0);   // drawn right of it
    scene.project();
    EXPECT_FALSE(scene.atomAt(500, 500));
    int ax = static_cast<int>(std::lround(scene.depthEntry(0).centre.x));
    int bx = static_cast<int>(std::lround(scene.depthEntry(1).centre.x));
    const std::optional<CAtomRef> a = scene.atomAt(ax, 0);
    ASSERT_TRUE(a);
    EXPECT_EQ(*a, scene.depthEntry(0).atom);
    EXPECT_TRUE(scene.atomCovers(*a, ax, 0));
    EXPECT_FALSE(scene.atomCovers(*a, bx, 0));
    s.toggleSelection(*a);
    EXPECT_EQ(s.state().atoms.sel[a->type][a->index], 1);
    EXPECT_EQ(s.state().atoms.sel[0][0] + s.state().atoms.sel[1][0], 1);
    s.toggleSelection(*a);
    EXPECT_EQ(s.state().atoms.sel[0][0] + s.state().atoms.sel[1][0], 0);
}

TEST_F(Atoms, ClickNearTheCornerOfTheBoundingSquareHits)
{
    place(0, 0, 0, 0);
    scene.project();
    ASSERT_EQ(scene.depthEntry(0).diameter, 60);
    EXPECT_TRUE(scene.atomAt(-29, -29));
    EXPECT_TRUE(scene.atomAt(-30, -30));  // left and bottom edges in
    EXPECT_FALSE(scene.atomAt(30, 0));    // right edge out
}

TEST_F(Atoms, TheNearestAtomWinsAClickAndEqualDistancesKeepTypeOrder)
{
    place(1, -1e-10, 0, 0);
    place(0, 1e-10, 0, 0);  // nearer the eye on +x
    scene.project();
    EXPECT_EQ(scene.depthEntry(1).atom.type, 0);
    ASSERT_TRUE(scene.atomAt(0, 0));
    EXPECT_EQ(scene.atomAt(0, 0)->type, 0);

    removeAllAtoms();
    place(2, 0, 1e-10, 0);
    place(1, 0, -1e-10, 0);  // same distance from the eye
    scene.project();
    EXPECT_EQ(scene.depthEntry(0).atom.type, 1);
    EXPECT_EQ(scene.depthEntry(1).atom.type, 2);
}

TEST_F(Atoms, RectanglesSelectStrictlyInsideInEitherDirection)
{
    place(0, 0, 0, 0);
    place(0, 0, 1e-10, 1e-10);
    scene.project();
    float x = scene.depthEntry(1).centre.x, y = scene.depthEntry(1).centre.y;
    s.selectAtoms(scene.atomsInRect(x + 5, y + 5, -10, -10));
    EXPECT_EQ(s.countSelected(), 1);
    s.selectAll(0);
    s.selectAtoms(scene.atomsInRect(x, y - 5, 10, 10));  // left edge exactly through the centre
    EXPECT_EQ(s.countSelected(), 0);
    s.selectAtoms(scene.atomsInRect(-100, -100, 200, 200));
    EXPECT_EQ(s.countSelected(), 2);
    s.selectAtoms(scene.atomsInRect(-100, -100, 0, 200));
    s.selectType(3);
    EXPECT_EQ(s.countSelected(), 0);

    // Atoms picked on an earlier picture and deleted since leave their freed
    // slots unmarked, so an atom added there later starts unselected.
    const std::vector<CAtomRef> both = scene.atomsInRect(-100, -100, 200, 200);
    removeAllAtoms();
    place(0, 0, 0, 0);
    s.selectAtoms(both);
    EXPECT_EQ(s.state().atoms.sel[0][0], 1);
    EXPECT_EQ(s.state().atoms.sel[0][1], 0);
    s.toggleSelection({0, 1});
    s.toggleSelection({7, 0});
    EXPECT_EQ(s.state().atoms.sel[0][1], 0);
}

TEST_F(Atoms, DraggingMovesInTheScreenPlaneAndClampsToTheWalls)
{
    place(0, 0, 0, 0);
    place(1, 0, 0, -3.5e-10);  // clamped too, though not selected
    StateEdit(s)->atoms.loc[1][0].setZ(-4e-10);
    StateEdit(s)->atoms.sel[0][0] = 1;
    s.moveSelectedBy(0, -10);  // ten points up
    EXPECT_NEAR(s.state().atoms.loc[0][0].getZ(), 5e-11, 1e-22);
    EXPECT_EQ(s.state().atoms.firstSelectedType, -1);
    EXPECT_DOUBLE_EQ(s.state().atoms.loc[1][0].getZ(), -3.5e-10);
    s.moveSelectedBy(-100, 0);  // far to the left: beyond the -y wall
    EXPECT_NEAR(s.state().atoms.loc[0][0].getY(), -(5e-10 - 1.5e-10), 1e-22);
    s.setPistonUsed(1);
    StateEdit(s)->box.pistonZ = 3e-10;
    s.moveSelectedBy(0, -100);
    EXPECT_LE(s.state().atoms.loc[0][0].getZ(), 1.5e-10 + 1e-22);
}

TEST_F(Atoms, ClumpingPullsTheSelectionTogether)
{
    s.setHalfWidth(2e-9);
    place(0, -1.5e-9, 0, 0);
    place(0, 1.5e-9, 0, 0);
    place(1, 0, 1.5e-9, 0);
    s.selectAll(1);
    s.shiftSelectedAtomsToClump();
    for (int a = 0; a < 3; a++)
        for (int b = a + 1; b < 3; b++) {
            const CVector& p = a < 2 ? s.state().atoms.loc[0][a] : s.state().atoms.loc[1][0];
            const CVector& q = b < 2 ? s.state().atoms.loc[0][b] : s.state().atoms.loc[1][0];
            CVector gap;
            gap.equalsSub(p, q);
            EXPECT_LT(gap.length(), 5e-10);  // from 2.1 nm and more apart
        }
}

// Many atoms clumped cannot all reach their contact distance: rather than
// leave them inside one another, the clump is taken back and the person told.
TEST_F(Atoms, AClumpTheRefitCannotPartIsTakenBackWithAnAlert)
{
    s.setHalfWidth(3e-9);
    for (int i = 0; i < 80; i++) place(0, -2.5e-9 + (i % 5) * 1.2e-9, -2.5e-9 + (i / 5 % 4) * 1.6e-9, -2.5e-9 + (i / 20) * 1.6e-9);
    s.selectAll(1);
    const double before = s.state().atoms.loc[0][17].getX();
    const bool clumped = showOutcome(platform, s.shiftSelectedAtomsToClump());
    double closest = INFINITY;
    for (int i = 0; i < 80; i++)
        for (int j = i + 1; j < 80; j++) {
            CVector gap;
            gap.equalsSub(s.state().atoms.loc[0][i], s.state().atoms.loc[0][j]);
            closest = std::min(closest, gap.length());
        }
    EXPECT_GE(closest, 0.561231024155 * 2 * 3e-10 * (1 - 1e-9));
    if (!clumped) {
        EXPECT_EQ(s.state().atoms.loc[0][17].getX(), before);
        ASSERT_EQ(platform.alerts.size(), 1u);
        EXPECT_EQ(platform.alerts[0].title, "Operation Incomplete.");
    }
}

// After an edit the readouts show the atoms as they are now, not zeros
// until the next step.
TEST_F(Atoms, ReadoutsMatchTheAtomsAfterADeleteOrADrag)
{
    place(0, -2e-10, 0, 0, 300, 0, 0);
    place(0, 2e-10, 0, 0, 0, 400, 0);
    place(1, 0, 3e-10, 0, 0, 0, 500);
    s.initSimulationEnergies();
    StateEdit(s)->atoms.sel[1][0] = 1;
    s.deleteSelected();
    EXPECT_DOUBLE_EQ(s.getTCKEnergy(4), 0.5 * s.state().types.mass[0] * (300.0 * 300.0 + 400.0 * 400.0));
    EXPECT_DOUBLE_EQ(s.getTCVrms(4), std::sqrt((300.0 * 300.0 + 400.0 * 400.0) / 2));
    EXPECT_GT(s.getTCTemperature(4), 0.0);
    EXPECT_GT(s.getTCVolume(), 0.0);
    StateEdit(s)->atoms.sel[0][0] = 1;
    s.moveSelectedBy(0, -5);
    EXPECT_DOUBLE_EQ(s.getTCKEnergy(0), 0.5 * s.state().types.mass[0] * (300.0 * 300.0 + 400.0 * 400.0));
}

TEST_F(Atoms, DeletingKeepsTheRestInOrder)
{
    for (int i = 0; i < 4; i++) place(0, i * 1e-10, 0, 0);
    {
        StateEdit edit(s);
        edit->atoms.sel[0][1] = edit->atoms.sel[0][2] = 1;
    }
    s.deleteSelected();
    EXPECT_EQ(s.state().atoms.number[0], 2);
    EXPECT_EQ(s.state().atoms.totalAtoms, 2);
    EXPECT_EQ(s.state().atoms.loc[0][0].getX(), 0.0);
    EXPECT_EQ(s.state().atoms.loc[0][1].getX(), 3e-10);
}

TEST_F(Atoms, CentroidAndEditing)
{
    place(0, 1e-10, 0, 0);
    place(1, 3e-10, 0, 0);
    s.setMass(1, 1.5e-25);
    s.calculateCentroid();
    EXPECT_EQ(s.state().atoms.centroid.getX(), 0.0);  // nothing selected
    s.selectAll(1);
    s.calculateCentroid();
    EXPECT_NEAR(s.state().atoms.centroid.getX(), 2.5e-10, 1e-22);
    s.saveCentroid();
    EXPECT_EQ(s.getSelectedCentroid(0), s.state().atoms.centroid.getX());
    s.saveSelectedLocations();
    s.setSelectedCentroid(0, 0, 1e-10);
    EXPECT_NEAR(s.state().atoms.loc[0][0].getX(), -1.5e-10, 1e-22);
    EXPECT_NEAR(s.state().atoms.loc[1][0].getZ(), 1e-10, 1e-22);
    s.setSelectedCentroidVelocity(1, 7.0);
    EXPECT_EQ(s.state().atoms.vel[0][0].getY(), 7.0);
    EXPECT_EQ(s.state().atoms.vel[1][0].getX(), 0.0);
    s.revertSelectedLocations();
    EXPECT_EQ(s.state().atoms.loc[0][0].getX(), 1e-10);
    EXPECT_EQ(s.countSelected(), 2);
    EXPECT_EQ(s.state().atoms.firstSelectedType, 1);
    s.setSelectedVelocity(5, 3.0);  // any other axis means z
    EXPECT_EQ(s.getSelectedVelocity(2), 3.0);
}

TEST_F(Atoms, RefitWithoutPassesOrPairsChangesNothing)
{
    place(0, 9e-10, 0, 0);  // outside the walls, but alone
    s.setPistonUsed(1);
    StateEdit(s)->box.pistonZ = 1e-10;
    EXPECT_FALSE(s.shiftAtomsToFit(0));
    EXPECT_TRUE(s.shiftAtomsToFit(100));
    EXPECT_EQ(s.state().atoms.loc[0][0].getX(), 9e-10);
    EXPECT_EQ(s.state().box.pistonZ, 1e-10);
}

TEST_F(Atoms, RefitOfAFittingPairKeepsPositionsButRaisesThePiston)
{
    place(0, -2e-10, 0, 0);
    place(0, 2e-10, 0, 0);
    s.setPistonUsed(1);
    StateEdit(s)->box.pistonZ = 1e-10;
    CVector a = s.state().atoms.loc[0][0];
    EXPECT_TRUE(s.shiftAtomsToFit(100));
    EXPECT_TRUE(sameBits(a, s.state().atoms.loc[0][0]));
    EXPECT_EQ(s.state().box.pistonZ, s.state().box.halfWidth);
}

TEST_F(Atoms, RefitSeparatesOverlapsAndPushesAtomsInsideTheWalls)
{
    place(0, -2e-10, 0, 1e-10);
    place(0, -1e-10, 0, 1.5e-10);
    place(1, 3.6e-10, 0, 0);  // beyond the +x limit of 3.5e-10, its partner below it
    place(1, 3.6e-10, -3.4e-10, 0);
    EXPECT_TRUE(s.shiftAtomsToFit(100));
    for (int t = 0; t < 2; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++)
            for (int axis = 0; axis < 3; axis++) EXPECT_LE(std::fabs(s.state().atoms.loc[t][i].getIndex(axis)), 3.5e-10 + 1e-22);
    CVector gap;
    gap.equalsSub(s.state().atoms.loc[0][0], s.state().atoms.loc[0][1]);
    EXPECT_GE(gap.length(), 0.561231024155 * 6e-10 * (1 - 1e-9));
}

TEST_F(Atoms, CoincidentAtomsAreParted)
{
    place(0, 1e-10, 1e-10, 0);
    place(0, 1e-10, 1e-10, 0);
    EXPECT_TRUE(s.shiftAtomsToFit(100));
    CVector gap;
    gap.equalsSub(s.state().atoms.loc[0][0], s.state().atoms.loc[0][1]);
    EXPECT_GE(gap.length(), 0.561231024155 * 6e-10 * (1 - 1e-9));
    for (int i = 0; i < 2; i++) EXPECT_TRUE(std::isfinite(s.state().atoms.loc[0][i].norm()));
}

TEST_F(Atoms, AFailedRefitLeavesEveryBitInPlace)
{
    for (int i = 0; i < 30; i++) place(i % 4, (i % 5) * 1e-10 - 2e-10, (i / 5) * 1e-10 - 2.5e-10, 0);
    CVector before[4][400];
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) before[t][i] = s.state().atoms.loc[t][i];
    EXPECT_FALSE(s.shiftAtomsToFit(100));
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) EXPECT_TRUE(sameBits(before[t][i], s.state().atoms.loc[t][i]));
}

// A box far too small for the atoms' volume is refused at once, with the
// answer, the positions and the piston the full refit would leave.
TEST_F(Atoms, ABoxTooSmallForTheAtomsVolumeIsRefusedAsTheFullRefitWould)
{
    s.setHalfWidth(2e-9);
    StateEdit(s)->box.pistonUsed = 1;
    for (int i = 0; i < 300; i++) place(i % 4, ((i % 7) - 3) * 4e-10, (((i / 7) % 7) - 3) * 4e-10, ((i / 49) - 3) * 4e-10);
    CVector before[4][400];
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) before[t][i] = s.state().atoms.loc[t][i];

    EXPECT_FALSE(showOutcome(platform, s.setHalfWidth(0.5e-9)));
    EXPECT_EQ(s.state().box.halfWidth, 2e-9);
    ASSERT_FALSE(platform.alerts.empty());
    EXPECT_EQ(platform.alerts.back().message, "Can not fit the atoms into the smaller box.");

    StateEdit(s)->box.halfWidth = 0.5e-9;
    double pistonAfterFullRefit;
    {
        CSimulation other(platform);
        other.initWithDefaults();
        StateEdit(other)->box.halfWidth = s.state().box.halfWidth;
        StateEdit(other)->box.pistonUsed = 1;
        StateEdit(other)->box.pistonZ = 0.0;
        StateEdit(other)->atoms.totalAtoms = s.state().atoms.totalAtoms;
        for (int t = 0; t < 4; t++) {
            StateEdit(other)->types.diam[t] = s.state().types.diam[t];
            StateEdit(other)->atoms.number[t] = s.state().atoms.number[t];
            for (int i = 0; i < s.state().atoms.number[t]; i++) StateEdit(other)->atoms.loc[t][i] = s.state().atoms.loc[t][i];
        }
        EXPECT_FALSE(other.shiftAtomsToFitAllPairs(3));
        pistonAfterFullRefit = other.state().box.pistonZ;
    }
    StateEdit(s)->box.pistonZ = 0.0;
    EXPECT_FALSE(s.shiftAtomsToFit(100));
    EXPECT_EQ(s.state().box.pistonZ, pistonAfterFullRefit);
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) EXPECT_TRUE(sameBits(before[t][i], s.state().atoms.loc[t][i]));
}

TEST_F(Atoms, AddingWithRoomMadeByTheRefit)
{
    place(0, 0, 0, 0);
    EXPECT_TRUE(s.addOneAtomAtLocationWithShift(1, 0.5e-10, 0, 0));
    EXPECT_EQ(s.state().atoms.number[1], 1);
    for (int k = 0; k < 40; k++) showOutcome(platform, s.addOneAtomAtLocationWithShift(k % 4, 0, 0, 0));
    EXPECT_FALSE(platform.alerts.empty());
    EXPECT_EQ(platform.alerts.back().message, "Unable to add the requested atom.");
    EXPECT_EQ(s.state().atoms.totalAtoms, s.state().atoms.number[0] + s.state().atoms.number[1] + s.state().atoms.number[2] + s.state().atoms.number[3]);
}
