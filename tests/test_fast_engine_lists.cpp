// SPDX-License-Identifier: GPL-3.0-or-later
// The fast engine's neighbour lists against brute force, and the energy
// pairing's shortcut against its full rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "SIM/engine/CFastEngine.h"
#include "SIM/engine/CFastEngine_energy.h"
#include "SIM/model/CSimulation.h"
#include "support/EngineStates.h"
#include "support/ScriptedPlatform.h"
#include "support/StateEdit.h"

// ---------------------------------------------------------------- lists

namespace {
// The build's thread counts the list tests take in turn.
constexpr int kBuildThreads[] = {1, 2, 3, 8};

// Every pair within the reach plus (nearly all of) the skin must be listed, in
// its first atom's row: an atom may move half the skin before the lists are
// built again. Pairs far beyond the reach plus the skin must not be; rows
// ascend without repeats. In a periodic box distances are by the minimum
// image; without contacts the contact list is empty.
void expectListsHoldEveryActingPair(const CSimulation& s, const CFastEngine& engine, const std::string& what)
{
    const double h = s.state().box.halfWidth, w = 2 * h;
    auto separation = [&](const CVector& a, const CVector& b) {
        CVector d = CVector().equalsSub(a, b);
        if (s.isPeriodic())
            for (double& c : d.v) c = c > h ? c - w : c < -h ? c + w : c;
        return d;
    };
    for (int t = 0; t < 4; t++)
        for (int i = 0; i < s.state().atoms.number[t]; i++) {
            int k = t * 400 + i;
            std::vector<int> pairs = engine.pairRowSlots(k), contacts = engine.contactRowSlots(k);
            for (const std::vector<int>* row : {&pairs, &contacts})
                for (size_t p = 0; p < row->size(); p++) {
                    ASSERT_GT((*row)[p], k) << what;
                    if (p > 0) {
                        ASSERT_LT((*row)[p - 1], (*row)[p]) << what;
                    }
                }
            if (!s.state().forces.potentialUsed && !s.state().conservation.conserve) {
                ASSERT_TRUE(pairs.empty()) << what << ": nothing needs the pair list";
            }
            auto listed = [](const std::vector<int>& row, int l) { return std::binary_search(row.begin(), row.end(), l); };
            for (int u = t; u < 4; u++)
                for (int j = (u == t ? i + 1 : 0); j < s.state().atoms.number[u]; j++) {
                    int l = u * 400 + j;
                    double r2 = separation(s.state().atoms.loc[t][i], s.state().atoms.loc[u][j]).norm();
                    double r = std::sqrt(r2);
                    double m = (s.state().types.diam[t] + s.state().types.diam[u]) / 2;
                    bool charged = s.state().forces.charge[t] != 0 && s.state().forces.charge[u] != 0;
                    // The force pass's reach, or without potentials the energy pairing's.
                    double reach = s.state().forces.potentialUsed ? 3 * m : 2 * m;
                    bool pairActs = (s.state().forces.potentialUsed || s.state().conservation.conserve) &&
                                    (charged || r <= reach + 0.99 * engine.skin());
                    if (pairActs) {
                        ASSERT_TRUE(listed(pairs, l)) << what << ": pair " << k << "-" << l << " r " << r;
                    }
                    if (r <= m + 0.99 * engine.skin() && s.getContactsUsed()) {
                        ASSERT_TRUE(listed(contacts, l)) << what << ": contact " << k << "-" << l;
                    }
                    // The skin is a margin, not the whole box.
                    if (!charged && r > reach + 1.01 * engine.skin()) {
                        ASSERT_FALSE(listed(pairs, l)) << what;
                    }
                    if (r > m + 1.01 * engine.skin() || !s.getContactsUsed()) {
                        ASSERT_FALSE(listed(contacts, l)) << what;
                    }
                }
        }
}

}  // namespace

// The row's shortcut (a partner of the other sign absorbed with one
// comparison) against the full pairing rule, on changes that cancel exactly,
// differ by many orders of magnitude, or are infinite or NaN: the same bits
// for both changes, and "spent" exactly where the full rule leaves the row
// nothing that a later pair could change.
TEST(FastEngineEnergyPairing, AbsorbingAPartnerOfTheOtherSignGivesTheFullRulesBits)
{
    const double inf = HUGE_VAL, nan = std::nan("");
    const double magnitudes[] = {5e-324, 1e-300, 0.25, 1.0, 1.0 + 1e-15, 3.0, 1e300, 1.7976931348623157e308, inf};
    int pairs = 0;
    for (double rowSize : magnitudes)
        for (double partnerSize : magnitudes)
            for (bool positive : {true, false}) {
                double a0 = positive ? rowSize : -rowSize, b0 = positive ? -partnerSize : partnerSize;
                double a = a0, b = b0, fullA = a0, fullB = b0;
                bool spent = positive ? fastenergy::absorbOtherSign<true>(a, b) : fastenergy::absorbOtherSign<false>(a, b);
                fastenergy::pairEnergyChanges(fullA, fullB);
                SCOPED_TRACE(testing::Message() << a0 << " with " << b0);
                EXPECT_TRUE(sameBits(a, fullA));
                EXPECT_TRUE(sameBits(b, fullB));
                bool rowInert = fullA == 0.0 || std::isnan(fullA);
                EXPECT_EQ(spent, rowInert);
                // What the full rule does with the row once it is inert: nothing.
                double nextA = fullA, nextB = positive ? -1.0 : 1.0;
                fastenergy::pairEnergyChanges(nextA, nextB);
                if (rowInert) {
                    EXPECT_TRUE(sameBits(nextA, fullA) && nextB == (positive ? -1.0 : 1.0));
                }
                pairs++;
            }
    EXPECT_EQ(pairs, 162);
    // A NaN partner cannot be picked (it has no sign); a NaN row is not paired at all.
    double a = 1.0, b = nan;
    fastenergy::pairEnergyChanges(a, b);
    EXPECT_EQ(a, 1.0);
}

TEST(FastEngineLists, HoldEveryPairThatCanActOnRandomConfigurations)
{
    for (int trial = 0; trial < (sanitized() ? 4 : 16); trial++) {
        ScriptedPlatform platform;
        auto sim = std::make_unique<CSimulation>(platform);
        CSimulation& s = sim->initWithDefaults();
        scatter(s, 40 + 90 * (trial % 4), 100 + trial);
        StateEdit(s)->forces.potentialUsed = trial % 3 != 2;
        StateEdit(s)->conservation.conserve = trial % 5 != 4;
        if (trial % 2) {
            StateEdit(s)->forces.charge[1] = 1e-20;
            StateEdit(s)->forces.charge[3] = -2e-20;
        }
        // The portable scan or the vector scan (single precision) where there
        // is one; one part of the build or two, three or eight.
        CFastEngine& engine = s.getFastEngine();
        engine.useAvx2 = trial % 4 < 2 && CFastEngine::avx2Available();
        engine.atomsPerThread = 0;
        engine.cores = 8;
        ASSERT_TRUE(engine.rebuildOn(kBuildThreads[(trial + trial / 4) % 4]));
        expectListsHoldEveryActingPair(s, engine, "trial " + std::to_string(trial));
        if (HasFatalFailure()) return;
    }
}

// Corners of the cell grid: every atom in one cell (rows of hundreds of
// partners), and atoms exactly on the borders of many possible grids.
TEST(FastEngineLists, HoldEveryPairInOneCellAndOnCellBorders)
{
    for (int corner = 0; corner < 8; corner++) {
        ScriptedPlatform platform;
        auto sim = std::make_unique<CSimulation>(platform);
        CSimulation& s = sim->initWithDefaults();
        scatter(s, 0, 30 + corner);
        StateEdit(s)->forces.potentialUsed = corner % 2;
        StateEdit(s)->conservation.conserve = 1;
        if (corner % 4 >= 2) {
            StateEdit edit(s);
            edit->forces.charge[2] = edit->forces.charge[0] = 1e-20;
        }
        if (corner < 4) {
            s.setHalfWidth(0.6e-9);
            std::mt19937_64 rng(corner);
            std::uniform_real_distribution<double> where(-0.6e-9, 0.6e-9);
            for (int n = 0; n < 320; n++) s.addOneAtomAtLocationWithVelocity(n % 4, where(rng), where(rng), where(rng), 0, 0, 0);
        } else {
            double hw = s.state().box.halfWidth;
            for (int a = 0; a <= 24; a++)
                for (int b = 0; b <= 24; b += 2)
                    for (int c = 0; c <= 24; c += 3)
                        s.addOneAtomAtLocationWithVelocity((a + b + c) % 4, -hw + a * hw / 12, -hw + b * hw / 12,
                                                           -hw + c * hw / 12, 0, 0, 0);
        }
        CFastEngine& engine = s.getFastEngine();
        engine.atomsPerThread = 0;
        engine.cores = 8;
        if (corner % 8 >= 6) engine.useAvx2 = false;
        ASSERT_TRUE(engine.rebuildOn(kBuildThreads[corner % 4]));
        expectListsHoldEveryActingPair(s, engine, "corner " + std::to_string(corner));
        if (HasFatalFailure()) return;
    }
}

// Periodic boxes of two, three and more cells along each axis, atoms on
// the faces, edges and corners and a little outside (as a contact leaves
// them), with contacts on and off: every pair within reach by the minimum
// image is listed once, with either scan and one to eight parts of the build.
TEST(FastEngineLists, HoldEveryPairByTheMinimumImageInAPeriodicBox)
{
    const double halfWidths[] = {1.5e-9, 2.2e-9, 3.1e-9, 4.4e-9};
    for (int trial = 0; trial < (sanitized() ? 4 : 16); trial++) {
        ScriptedPlatform platform;
        auto sim = std::make_unique<CSimulation>(platform);
        CSimulation& s = sim->initWithDefaults();
        const double hw = halfWidths[trial % 4];
        scatter(s, 0, 200 + trial);
        s.setHalfWidth(hw);
        std::mt19937_64 rng(trial);
        std::uniform_real_distribution<double> where(-hw, hw);
        int perType = 30 + 60 * (trial % 4);
        for (int n = 0; n < 4 * perType; n++)
            s.addOneAtomAtLocationWithVelocity(n % 4, where(rng), where(rng), where(rng), 0, 0, 0);
        // Faces, edges and corners, and just beyond them.
        const double at[] = {-hw, -hw * (1 - 1e-3), hw * (1 - 1e-3), hw * (1 - 1e-16), hw * (1 + 1e-3), -hw * (1 + 1e-3)};
        for (int a = 0; a < 6; a++)
            for (int b = 0; b < 6; b += 2)
                s.addOneAtomAtLocationWithVelocity((a + b) % 4, at[a], at[b], at[(a + b) % 6], 0, 0, 0);
        StateEdit(s)->forces.potentialUsed = trial % 3 != 2;
        StateEdit(s)->conservation.conserve = trial % 5 != 4;
        ASSERT_TRUE(static_cast<bool>(s.setBoundaries(CBoundaries::periodic))) << hw;
        s.setContactsUsed(trial % 2 == 0);
        CFastEngine& engine = s.getFastEngine();
        engine.useAvx2 = trial % 4 < 2 && CFastEngine::avx2Available();
        engine.atomsPerThread = 0;
        engine.cores = 8;
        ASSERT_TRUE(engine.rebuildOn(kBuildThreads[(trial + trial / 4) % 4]));
        expectListsHoldEveryActingPair(s, engine, "periodic trial " + std::to_string(trial));
        if (HasFatalFailure()) return;
    }
}

TEST(FastEngineLists, RefuseStatesThatCannotBeListed)
{
    ScriptedPlatform platform;
    auto sim = std::make_unique<CSimulation>(platform);
    CSimulation& s = sim->initWithDefaults();
    scatter(s, 10, 9);
    StateEdit(s)->atoms.loc[2][3].setY(std::nan(""));
    EXPECT_FALSE(s.getFastEngine().rebuild());
}
