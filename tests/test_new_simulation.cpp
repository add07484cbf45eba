// SPDX-License-Identifier: GPL-3.0-or-later
// New simulations built from substances: the lattices' geometry, the density
// and temperature asked, random fills that keep atoms apart, and refusals
// that say why and what works instead; the same from quorvel-batch --new.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "SIM/CNewSimulation.h"
#include "SIM/CSimulation.h"
#include "support/BatchProcess.h"
#include "support/ScriptedPlatform.h"

using namespace newSimulation;

namespace {

struct CBuilt {
    ScriptedPlatform platform;
    std::unique_ptr<CSimulation> sim = std::make_unique<CSimulation>(platform);
    std::string refusal;
};

std::unique_ptr<CBuilt> built(const CSpec& spec)
{
    auto b = std::make_unique<CBuilt>();
    b->refusal = build(spec, *b->sim);
    return b;
}

CSpec argon(int count, CArrangement arrangement, double kgPerM3)
{
    CSpec spec;
    spec.types = {substanceType(kSubstances[0], count)};
    spec.arrangement = arrangement;
    spec.measure = CDensityMeasure::massDensity;
    spec.density = kgPerM3;
    return spec;
}

struct CAtom {
    int type;
    CVector at;
};

std::vector<CAtom> atomsOf(const CSimulation& s)
{
    std::vector<CAtom> atoms;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < s.getNumber(t); i++) atoms.push_back({t, s.getLocation(t, i)});
    return atoms;
}

double distance(const CVector& a, const CVector& b)
{
    CVector d;
    d.equalsSub(a, b);
    return d.length();
}

// The first number after `after` in text.
double numberAfter(const std::string& text, const std::string& after)
{
    std::size_t at = text.find(after);
    return at == std::string::npos ? NAN : std::strtod(text.c_str() + at + after.size(), nullptr);
}

}  // namespace

// Every atom of a full lattice away from its surface has the lattice's
// neighbours: twelve at a/sqrt(2) in fcc, eight at a sqrt(3)/2 in bcc, six
// at a in sc; none nearer. The box holds the mass density asked and every
// atom keeps half a diameter from the walls.
TEST(NewSimulation, LatticesHaveTheirNeighboursAndTheBoxItsDensity)
{
    struct {
        CArrangement arrangement;
        int atoms, neighbours;
        double density;
    } cases[] = {{CArrangement::faceCentredCubic, 256, 12, 1700.0},  // solid argon: the lattice is drawn together
                 {CArrangement::faceCentredCubic, 256, 12, 800.0},
                 {CArrangement::bodyCentredCubic, 250, 8, 1000.0},
                 {CArrangement::simpleCubic, 216, 6, 800.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(arrangementWord(c.arrangement) + std::string(" at ") + std::to_string(c.density));
        CSpec spec = argon(c.atoms, c.arrangement, c.density);
        CPlan p = plan(spec);
        ASSERT_EQ(p.refusal, "");
        auto b = built(spec);
        ASSERT_EQ(b->refusal, "");
        const CSimulation& s = *b->sim;
        EXPECT_TRUE(b->platform.alerts.empty());
        ASSERT_EQ(s.getNumber(0), c.atoms);
        double width = 2.0 * s.getHalfWidth();
        EXPECT_NEAR(c.atoms * s.getMass(0) / (width * width * width), c.density, 1e-9 * c.density);
        EXPECT_EQ(s.getName(0), "Argon");
        EXPECT_DOUBLE_EQ(s.getLJeps(0, 0), 119.8 * 1.380657e-23);

        std::vector<CAtom> atoms = atomsOf(s);
        double a = p.latticeConstant, nearest = p.nearestDistance, radius = s.getDiam(0) / 2.0;
        double extent = 0.0;
        for (const CAtom& atom : atoms)
            for (int axis = 0; axis < 3; axis++) {
                extent = std::max(extent, std::fabs(atom.at.v[axis]));
                EXPECT_LE(std::fabs(atom.at.v[axis]), s.getHalfWidth() - radius * (1 - 1e-12));
            }
        int inside = 0;
        for (const CAtom& atom : atoms) {
            bool deep = true;
            for (int axis = 0; axis < 3; axis++) deep = deep && std::fabs(atom.at.v[axis]) < extent - a * 0.99;
            if (!deep) continue;
            inside++;
            int neighbours = 0;
            for (const CAtom& other : atoms) {
                if (&other == &atom) continue;
                double r = distance(atom.at, other.at);
                EXPECT_GT(r, nearest * (1 - 1e-9));
                if (r < nearest * (1 + 1e-9)) neighbours++;
            }
            EXPECT_EQ(neighbours, c.neighbours);
        }
        EXPECT_GT(inside, 0);
        EXPECT_GE(nearest, s.getDiam(0));
    }
}

// Maxwell-Boltzmann velocities with the total momentum taken away, scaled
// to the temperature asked, as the model measures it, for a lattice and for
// a random fill of a mixture; the random fill keeps every pair apart by the
// pair's mean diameter, and the cross term is the geometric mean.
TEST(NewSimulation, TemperatureIsExactMomentumZeroAndRandomAtomsApart)
{
    for (CArrangement arrangement : {CArrangement::faceCentredCubic, CArrangement::random}) {
        SCOPED_TRACE(arrangementWord(arrangement));
        CSpec spec;
        spec.types = {substanceType(kSubstances[2], 120), substanceType(kSubstances[0], 280)};
        spec.arrangement = arrangement;
        spec.measure = CDensityMeasure::packingFraction;
        spec.density = 0.22;
        spec.temperature = 87.5;
        spec.seed = 7;
        auto b = built(spec);
        ASSERT_EQ(b->refusal, "");
        const CSimulation& s = *b->sim;
        EXPECT_NEAR(s.getTemperature(CSimulation::kAllAtoms), 87.5, 1e-12 * 87.5);
        double momentum[3] = {0, 0, 0}, scale = 0.0;
        for (int t = 0; t < 2; t++)
            for (int i = 0; i < s.getNumber(t); i++)
                for (int axis = 0; axis < 3; axis++) {
                    momentum[axis] += s.getMass(t) * s.getVelocity(t, i).v[axis];
                    scale += s.getMass(t) * std::fabs(s.getVelocity(t, i).v[axis]);
                }
        for (double p : momentum) EXPECT_LT(std::fabs(p), 1e-13 * scale);
        EXPECT_DOUBLE_EQ(s.getLJeps(0, 1), std::sqrt(171.0 * 119.8) * 1.380657e-23);

        std::vector<CAtom> atoms = atomsOf(s);
        ASSERT_EQ(atoms.size(), 400u);
        double closestShare = INFINITY;
        for (std::size_t k = 0; k < atoms.size(); k++)
            for (std::size_t l = k + 1; l < atoms.size(); l++) {
                double contact = (s.getDiam(atoms[k].type) + s.getDiam(atoms[l].type)) / 2.0;
                closestShare = std::min(closestShare, distance(atoms[k].at, atoms[l].at) / contact);
            }
        EXPECT_GE(closestShare, 1.0);
        // The same seed builds the same state.
        auto again = built(spec);
        EXPECT_EQ(again->sim->getLocation(1, 17).getX(), s.getLocation(1, 17).getX());
        EXPECT_EQ(again->sim->getVelocity(0, 3).getZ(), s.getVelocity(0, 3).getZ());
    }
}

// Each refusal names its reason, and the nearest value it offers works.
TEST(NewSimulation, RefusalsNameTheReasonAndTheNearestValueWorks)
{
    // Denser than solid argon: the fcc lattice does not fit.
    CSpec dense = argon(256, CArrangement::faceCentredCubic, 2500.0);
    std::string refusal = plan(dense).refusal;
    EXPECT_NE(refusal.find("does not fit"), std::string::npos) << refusal;
    double atMost = numberAfter(refusal, "mass density of at most ");
    ASSERT_TRUE(std::isfinite(atMost)) << refusal;
    EXPECT_LT(atMost, 2500.0);
    dense.density = atMost;
    EXPECT_EQ(built(dense)->refusal, "");
    dense.density = atMost * 1.01;
    EXPECT_NE(plan(dense).refusal, "");
    // The same in the box width's terms.
    dense.measure = CDensityMeasure::boxWidth;
    dense.density = 1e-9;
    refusal = plan(dense).refusal;
    double atLeast = numberAfter(refusal, "a box at least ");
    ASSERT_TRUE(std::isfinite(atLeast)) << refusal;
    dense.density = atLeast;
    EXPECT_EQ(built(dense)->refusal, "");

    // A random fill above the limit offers a lattice.
    CSpec crowded = argon(256, CArrangement::random, 0.0);
    crowded.measure = CDensityMeasure::packingFraction;
    crowded.density = 0.45;
    refusal = plan(crowded).refusal;
    EXPECT_NE(refusal.find("too dense to place"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("fcc holds this density"), std::string::npos) << refusal;
    crowded.density = numberAfter(refusal, "packing fraction of at most ");
    EXPECT_LT(crowded.density, kRandomFillLimit);
    EXPECT_EQ(built(crowded)->refusal, "");

    std::vector<CTypeSpec> types;
    std::string error;
    EXPECT_FALSE(parseTypes("Ar:401", types, error));
    EXPECT_NE(error.find("at most 400 atoms"), std::string::npos) << error;
    EXPECT_FALSE(parseTypes("Ar:1,Ne:1,Kr:1,Xe:1,A:1", types, error));
    EXPECT_NE(error.find("at most 4 types"), std::string::npos) << error;
    EXPECT_FALSE(parseTypes("Fe:10", types, error));
    EXPECT_NE(error.find("unknown type \"Fe\""), std::string::npos) << error;
    EXPECT_FALSE(parseTypes("Ar256", types, error));
    EXPECT_TRUE(parseTypes("ar:2,A:3", types, error));
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[1].count, 3);

    CSpec lonely = argon(1, CArrangement::simpleCubic, 100.0);
    lonely.temperature = 10.0;
    EXPECT_NE(plan(lonely).refusal.find("only be 0 K"), std::string::npos);
    CSpec none = argon(0, CArrangement::simpleCubic, 100.0);
    EXPECT_NE(plan(none).refusal.find("no atoms"), std::string::npos);
}

// --new builds the state for the run and the outputs; a state that cannot
// be built exits with status 2 and one line naming the problem.
TEST(NewSimulation, BatchRunnerBuildsAndRefuses)
{
    ASSERT_EQ(runBatch("--new Ar:256 --lattice fcc --density 1500 --temperature 40 --seed 3 --ticks 1 --output " +
                       scratch("argon.txt")),
              0)
        << readText(scratch("stderr.txt"));
    std::string file = readText(scratch("argon.txt"));
    EXPECT_NE(file.find("\nANUM 0 256\n"), std::string::npos);
    EXPECT_NE(file.find("\nANAM 0 Argon\n"), std::string::npos);
    EXPECT_NE(file.find("\nTITR 100\n"), std::string::npos);
    for (const char* bad : {"--new Ar:500", "--new Ar:1,Ne:1,Kr:1,Xe:1,A:1", "--new Fe:3", "--new Ar:256 --density 5000",
                            "--new Ar:256 --box-width 1e-9"}) {
        EXPECT_EQ(runBatch(std::string(bad) + " --output " + scratch("never.txt")), 2) << bad;
        std::string error = readText(scratch("stderr.txt"));
        EXPECT_EQ(error.rfind("quorvel-batch: ", 0), 0u) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    }
    EXPECT_EQ(runBatch("--new Ar:10 " + scratch("argon.txt")), 2);
    EXPECT_EQ(runBatch("--density 100"), 2);
}
