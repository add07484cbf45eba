// SPDX-License-Identifier: GPL-3.0-or-later
// New simulations built from substances: the lattices' geometry, the density
// and temperature asked, random fills that keep atoms apart, and refusals
// that say why and what works instead; the same from quorvel-batch --new.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <tuple>

#include "SIM/build/CNewSimulation.h"
#include "SIM/model/CSimulation.h"
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
        for (int i = 0; i < s.getNumber(t); i++) atoms.push_back({t, s.state().atoms.loc[t][i]});
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
                    momentum[axis] += s.getMass(t) * s.state().atoms.vel[t][i].v[axis];
                    scale += s.getMass(t) * std::fabs(s.state().atoms.vel[t][i].v[axis]);
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
        EXPECT_EQ(again->sim->state().atoms.loc[1][17].getX(), s.state().atoms.loc[1][17].getX());
        EXPECT_EQ(again->sim->state().atoms.vel[0][3].getZ(), s.state().atoms.vel[0][3].getZ());
    }
}

// Each refusal names its reason, and the nearest value it offers works.
TEST(NewSimulation, RefusalsNameTheReasonAndTheNearestValueWorks)
{
    // Denser than solid argon: the fcc lattice does not fit.
    CSpec dense = argon(256, CArrangement::faceCentredCubic, 2500.0);
    std::string refusal = plan(dense).refusal;
    EXPECT_EQ(refusal.rfind("The density is too high to place 256 atoms on a lattice of 4 x 4 x 4 fcc cells", 0), 0u)
        << refusal;
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
    EXPECT_EQ(refusal.rfind("The density is too high to place 256 atoms at random", 0), 0u) << refusal;
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

    // A lone atom keeps its momentum, which is all its motion.
    CSpec lonely = argon(1, CArrangement::simpleCubic, 100.0);
    lonely.temperature = 10.0;
    auto one = built(lonely);
    ASSERT_EQ(one->refusal, "");
    EXPECT_NEAR(one->sim->getTemperature(CSimulation::kAllAtoms), 10.0, 1e-12 * 10.0);
    CSpec none = argon(0, CArrangement::simpleCubic, 100.0);
    EXPECT_NE(plan(none).refusal.find("no atoms"), std::string::npos);
    // Not a finite number above 0, in the measure's own name: "inf" and
    // "nan" parse as numbers.
    for (double bad : {0.0, -1.0, HUGE_VAL, std::nan("")}) {
        CSpec odd = argon(10, CArrangement::faceCentredCubic, bad);
        EXPECT_EQ(plan(odd).refusal, "The mass density must be a finite number above 0 kg/m3.");
        odd.measure = CDensityMeasure::packingFraction;
        EXPECT_EQ(plan(odd).refusal, "The packing fraction must be a finite number above 0.");
        odd.measure = CDensityMeasure::boxWidth;
        EXPECT_EQ(plan(odd).refusal, "The box width must be a finite number above 0 m.");
    }
}

// Every count of every arrangement builds at its default density (and the
// default temperature and seed): a lattice takes the cube of cells that holds
// the count, filled plane by plane from the floor, and keeps a full cube's
// packing fraction; a random fill takes one it can place.
TEST(NewSimulation, EveryCountBuildsAtTheDefaultDensity)
{
    std::vector<std::vector<CTypeSpec>> mixtures;
    for (int n = 1; n <= 30; n++) mixtures.push_back({substanceType(kSubstances[0], n)});
    mixtures.push_back({substanceType(kSubstances[1], 100)});
    mixtures.push_back({substanceType(kSubstances[3], 7), substanceType(kSubstances[1], 393)});
    mixtures.push_back({customType(400), substanceType(kSubstances[2], 150)});
    // The narrowest box there is, and atoms of the widest diameter among small ones.
    CTypeSpec tiny = customType(1), wide = customType(3);
    tiny.diameter = 1e-11;
    wide.diameter = 1e-7;
    mixtures.push_back({tiny});
    mixtures.push_back({wide, customType(300)});
    mixtures.push_back({substanceType(kSubstances[0], 400), substanceType(kSubstances[1], 400),
                        substanceType(kSubstances[2], 400), substanceType(kSubstances[3], 400)});
    for (CArrangement arrangement : {CArrangement::random, CArrangement::faceCentredCubic,
                                     CArrangement::bodyCentredCubic, CArrangement::simpleCubic})
        for (const auto& types : mixtures) {
            CSpec spec;
            spec.types = types;
            spec.arrangement = arrangement;
            spec.density = defaultPackingFraction(spec);
            int atoms = 0;
            for (const CTypeSpec& type : types) atoms += type.count;
            SCOPED_TRACE(std::string(arrangementWord(arrangement)) + ", " + std::to_string(atoms) + " atoms, " +
                         std::to_string(types.size()) + " types");
            auto b = built(spec);
            ASSERT_EQ(b->refusal, "");
            const CSimulation& s = *b->sim;
            EXPECT_EQ(static_cast<int>(atomsOf(s).size()), atoms);
            EXPECT_NEAR(s.getTemperature(CSimulation::kAllAtoms), kDefaultTemperature, 1e-9 * kDefaultTemperature);
            const CPlan p = plan(spec);
            if (arrangement == CArrangement::random) {
                EXPECT_LE(spec.density, kDefaultPackingFraction);
                continue;
            }
            if (p.sites == atoms && p.cellsPerEdge > 1 && types.size() == 1) {
                EXPECT_EQ(spec.density, kDefaultPackingFraction);
            }
            // Planes of sites from the floor up: every one below the topmost
            // filled one is full.
            std::vector<double> heights;
            for (const CAtom& atom : atomsOf(s)) heights.push_back(atom.at.getZ());
            std::sort(heights.begin(), heights.end());
            const int perPlane = p.sites / (p.cellsPerEdge * (p.atomsPerCell == 1 ? 1 : 2));
            for (std::size_t k = 0; k + perPlane < heights.size(); k += perPlane) {
                EXPECT_NEAR(heights[k], heights[k + perPlane - 1], 1e-6 * p.latticeConstant) << k;
                EXPECT_GT(heights[k + perPlane], heights[k] + 0.4 * p.latticeConstant) << k;
            }
        }
}

// A periodic new simulation fills the whole box: a full lattice tiles it,
// so that every atom, at a face too, has its lattice's neighbours through
// the faces (the nearest images); a random fill keeps the nearest images
// apart and reaches the faces. There are no walls, so no floor or piston,
// and the box must be wider than twice the cut-off.
TEST(NewSimulation, APeriodicBoxIsFilledWholeWithNoWalls)
{
    auto nearestImage = [](const CVector& a, const CVector& b, double w) {
        double r2 = 0.0;
        for (int axis = 0; axis < 3; axis++) {
            double d = a.v[axis] - b.v[axis];
            d -= w * std::round(d / w);
            r2 += d * d;
        }
        return std::sqrt(r2);
    };
    for (auto [arrangement, atomsWanted, neighbours] :
         {std::tuple{CArrangement::faceCentredCubic, 256, 12}, std::tuple{CArrangement::simpleCubic, 343, 6}}) {
        CSpec spec = argon(atomsWanted, arrangement, 1350.0);
        spec.periodic = true;
        spec.contacts = false;
        const CPlan p = plan(spec);
        ASSERT_EQ(p.refusal, "");
        auto b = built(spec);
        ASSERT_EQ(b->refusal, "");
        const CSimulation& s = *b->sim;
        EXPECT_TRUE(s.isPeriodic());
        EXPECT_FALSE(s.getContactsUsed());
        const double w = 2.0 * s.getHalfWidth();
        EXPECT_DOUBLE_EQ(p.latticeConstant, w / p.cellsPerEdge);
        const std::vector<CAtom> atoms = atomsOf(s);
        for (const CAtom& atom : atoms) {
            int near = 0;
            for (const CAtom& other : atoms) {
                if (&other == &atom) continue;
                const double r = nearestImage(atom.at, other.at, w);
                EXPECT_GT(r, p.nearestDistance * (1 - 1e-9));
                if (r < p.nearestDistance * (1 + 1e-9)) near++;
            }
            ASSERT_EQ(near, neighbours);
        }
    }
    CSpec random = argon(200, CArrangement::random, 0.0);
    random.measure = CDensityMeasure::packingFraction;
    random.density = 0.3;
    random.periodic = true;
    auto b = built(random);
    ASSERT_EQ(b->refusal, "");
    const double w = 2.0 * b->sim->getHalfWidth(), d = b->sim->getDiam(0);
    double reach = 0.0;
    const std::vector<CAtom> atoms = atomsOf(*b->sim);
    for (std::size_t k = 0; k < atoms.size(); k++) {
        for (int axis = 0; axis < 3; axis++) reach = std::max(reach, std::fabs(atoms[k].at.v[axis]));
        for (std::size_t j = k + 1; j < atoms.size(); j++) ASSERT_GE(nearestImage(atoms[k].at, atoms[j].at, w), d);
    }
    EXPECT_GT(reach, w / 2.0 - d / 2.0);  // nearer a face than a wall would let it be
    EXPECT_TRUE(b->sim->getContactsUsed());

    CSpec piston = argon(256, CArrangement::faceCentredCubic, 1350.0);
    piston.periodic = true;
    piston.piston = true;
    EXPECT_NE(plan(piston).refusal.find("A periodic box has no walls, floor or piston"), std::string::npos);
    CSpec few = argon(32, CArrangement::faceCentredCubic, 1350.0);
    few.periodic = true;
    const std::string refusal = plan(few).refusal;
    EXPECT_NE(refusal.find("In a periodic box the cut-off of the forces ("), std::string::npos) << refusal;
    few.density = numberAfter(refusal, "a mass density of at most ");
    EXPECT_EQ(plan(few).refusal, "") << few.density;
    EXPECT_EQ(built(few)->refusal, "");
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
    // The periodic box and the contacts: built, saved, and set through --set.
    ASSERT_EQ(runBatch("--new Ar:256 --density 1300 --periodic --no-contacts --output " + scratch("bulk.txt")), 0)
        << readText(scratch("stderr.txt"));
    file = readText(scratch("bulk.txt"));
    EXPECT_NE(file.find("\nQBND 1\nQCNT 0\n"), std::string::npos);
    for (const char* bad : {"--periodic", "--no-contacts", "--new Ar:256 --density 1300 --periodic --floor-bath 90",
                            "--set boundaries=periodic", "--set boundaries=open"})
        EXPECT_EQ(runBatch(std::string(bad) + " --output " + scratch("never.txt")), 2) << bad;
    EXPECT_NE(readText(scratch("stderr.txt")).find("is none of closed, periodic"), std::string::npos);
    ASSERT_EQ(runBatch("--set box-width=4e-9 --set boundaries=periodic --set contacts=off --output " +
                       scratch("set.txt")),
              0)
        << readText(scratch("stderr.txt"));
    EXPECT_NE(readText(scratch("set.txt")).find("\nQBND 1\nQCNT 0\n"), std::string::npos);
    ASSERT_EQ(runBatch(scratch("set.txt") + " --set boundaries=closed --set contacts=on --output " + scratch("closed.txt")),
              0);
    EXPECT_EQ(readText(scratch("closed.txt")).find("\nQ" "BND"), std::string::npos);

    // The defaults build whatever the count and arrangement.
    for (const char* fine : {"--new Ar:100 --lattice random", "--new Ar:2", "--new Ar:5", "--new Ar:14",
                             "--new Ar:10 --lattice sc", "--new Ar:10 --lattice bcc", "--new Ar:1",
                             "--new Kr:400,Ne:400,Xe:400,A:400 --lattice random"})
        EXPECT_EQ(runBatch(std::string(fine) + " --output " + scratch("fine.txt")), 0)
            << fine << ": " << readText(scratch("stderr.txt"));
    // Each refusal offers a value in the terms of an option that exists
    // (the last of an option given twice counts), and that value builds.
    struct {
        const char* arguments;
        const char* offer;  // the words before the number offered
        const char* option;
    } offers[] = {{"--new Ar:256 --lattice random --packing-fraction 0.45", "a packing fraction of at most ",
                   "--packing-fraction"},
                  {"--new Ar:5 --density 2000", "a mass density of at most ", "--density"},
                  {"--new Ar:64 --density 1400 --periodic", "a mass density of at most ", "--density"},
                  {"--new Ar:256 --lattice bcc --box-width 1e-9", "a box at least ", "--box-width"}};
    for (const auto& o : offers) {
        EXPECT_EQ(runBatch(o.arguments), 2) << o.arguments;
        const std::string error = readText(scratch("stderr.txt"));
        const std::size_t at = error.find(o.offer);
        ASSERT_NE(at, std::string::npos) << error;
        const std::size_t from = at + std::strlen(o.offer);
        const std::string number = error.substr(from, error.find_first_of(" \n", from) - from);
        const std::string again = std::string(o.arguments) + " " + o.option + " " + number;
        EXPECT_EQ(runBatch(again), 0) << again << ": " << readText(scratch("stderr.txt"));
    }
    // A bad option's line, then where the rest is, not the whole usage.
    for (const char* bad : {"--new Ar:5 --density x", "--new Ar:5 --seed -1", "--new Ar:5 --lattice hcp",
                            "--new Ar:5 --density 1 --packing-fraction 0.1", "--frobnicate"}) {
        EXPECT_EQ(runBatch(bad), 2) << bad;
        const std::string error = readText(scratch("stderr.txt"));
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 2) << error;
        EXPECT_NE(error.find("\nTry 'quorvel-batch --help' for more information.\n"), std::string::npos) << error;
    }
}
