// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile values at every entrance of the simulation: the file reader takes
// only what the setters accept, and neither lets in a value that breaks the
// engine, the picture or the graph.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <fstream>
#include <random>
#include <sstream>
#include <unistd.h>

#include "DIALOG/COutcomeAlert.h"
#include "RENDER/CScene.h"
#include "SIM/io/CFileTags.h"
#include "SIM/model/CValueRules.h"
#include "support/RecordingSurface.h"
#include "support/SimulationFixture.h"

namespace {

std::string temporaryPath(const std::string& name)
{
    static std::string dir = [] {
        char pattern[] = "/tmp/quorvel-hostile-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir + "/" + name;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Fields before the values: the tag, then the indices its lines carry.
size_t indexFields(const std::string& tag)
{
    switch (fileTagOf(tag)->shape) {
    case CTagShape::Plain: return 1;
    case CTagShape::Type:
    case CTagShape::Slot: return 2;
    default: return 3;
    }
}

// Every rule the loaded state must satisfy, whatever the file held.
void expectStateWithinTheRules(const CSimulation& s, const std::string& context)
{
    SCOPED_TRACE(context);
    for (int t = 0; t < CSimulation::kTypes; t++) {
        EXPECT_TRUE(s.state().atoms.number[t] >= 0 && s.state().atoms.number[t] <= CSimulation::kMaxPerType);
        EXPECT_TRUE(valueRules::isDiameter(s.state().types.diam[t]));
        EXPECT_TRUE(valueRules::isMass(s.state().types.mass[t]));
    }
    EXPECT_TRUE(valueRules::isFloorTemperature(s.state().forces.floorTemp));
    EXPECT_TRUE(valueRules::isTimeStep(s.state().clock.timeStep));
    EXPECT_TRUE(valueRules::isStepsPerDisplay(s.state().clock.iterationsPerDisplay));
    EXPECT_TRUE(valueRules::choice(s.state().outputs.displayType, CSimulation::kSlots));
    EXPECT_TRUE(valueRules::isTimeConstant(s.state().outputs.displayTC));
    EXPECT_TRUE(valueRules::isViewScale(s.getScale()));
    EXPECT_TRUE(valueRules::isViewDistance(s.getEyePlaneR()));
    EXPECT_TRUE(valueRules::isViewDistance(s.getEyeR()));
    EXPECT_TRUE(valueRules::isBoxHalfWidth(s.state().box.halfWidth));
    EXPECT_TRUE(valueRules::isHistogramScale(s.state().display.ymax) && valueRules::isHistogramSpeed(s.state().display.xmax));
    EXPECT_TRUE(valueRules::isTimerInterval(s.state().clock.runTimerInterval));
    EXPECT_TRUE(valueRules::isPistonMass(s.state().box.pistonM));
    EXPECT_TRUE(valueRules::isAppliedPressure(s.state().box.appliedPressure));
    EXPECT_TRUE(valueRules::isHistogramWidth(s.state().display.histogramWidth) && valueRules::isHistogramHeight(s.state().display.histogramHeight));
    for (int t = 0; t < CSimulation::kTypes; t++) {
        EXPECT_TRUE(valueRules::isCharge(s.state().forces.charge[t]) && valueRules::isWellDepth(s.state().forces.LJepsFloor[t]));
        for (int u = t; u < CSimulation::kTypes; u++) EXPECT_TRUE(valueRules::isWellDepth(s.state().forces.LJeps[t][u]));
    }
}

}  // namespace

class HostileInput : public SimulationTest {
protected:
    // A sane simulation that uses every part of the engine: pair and floor
    // potentials, the heat bath, the piston and time-constant averages.
    void makeSane()
    {
        s.initWithDefaults();
        platform.alerts.clear();
        s.setNumber(1, 6);
        s.setPotentialUsed(1);
        s.setFloorTempUsed(1);
        s.setFloorTemp(300.0);
        s.setFloorPotentialUsed(1);
        s.setLJepsFloor(0, 1e-21);
        s.setCharge(1, 1.6e-19);
        s.setPistonUsed(1);
        s.setRecordType(CRecordKind::timeConstant);
        s.setDisplayTimeConstant(20.0);
        s.setIPD(5);
        s.setGraphDisplayFlag(1);
    }
    bool load(const std::string& text)
    {
        std::string path = temporaryPath("load.txt");
        std::ofstream(path, std::ios::binary) << text;
        s.setOpenPath(path);
        return showOutcome(platform, s.readInputFile());
    }
    std::string saved()
    {
        s.setSavePath(temporaryPath("saved.txt"));
        EXPECT_TRUE(showOutcome(platform, s.writeOutputFile()));
        std::ifstream in(s.getSavePath(), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        return buffer.str();
    }
    // What a window does per display: the steps, the picture, the graph's bins.
    double displays(int count)
    {
        double seen = 0.0;
        for (int k = 0; k < count; k++) {
            s.runDisplay();
            RecordingSurface surface;
            CScene(s.state()).drawPicture(surface, 400, 250, false);
            for (int b = 0; b < CSimulation::kBins; b++) seen += s.getHistogram(s.getDisplayType(), b);
        }
        return seen;
    }
    // Every atom finite and its centre within the box.
    bool atomsInTheBox() const
    {
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.state().atoms.number[t]; i++)
                for (int axis = 0; axis < 3; axis++)
                    if (!(std::fabs(s.state().atoms.loc[t][i].v[axis]) <= s.state().box.halfWidth)) return false;
        return finiteAtoms();
    }
    bool finiteAtoms() const
    {
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.state().atoms.number[t]; i++)
                for (int axis = 0; axis < 3; axis++)
                    if (!std::isfinite(s.state().atoms.loc[t][i].v[axis]) || !std::isfinite(s.state().atoms.vel[t][i].v[axis])) return false;
        return true;
    }
};

// Every numeric tag, each of its value fields replaced by each hostile value,
// loaded over a sane simulation and run for 20 displays.
TEST_F(HostileInput, EveryNumericTagWithEveryHostileValueLoadsWithinTheRulesAndRuns)
{
    const char* hostile[] = {"0", "-1", "-3e-10", "1e308", "-1e308", "nan", "inf", "-inf", "4294967295", "100000000"};
    makeSane();
    const std::vector<std::string> sane = splitLines(saved());
    std::vector<std::string> tags;
    for (const std::string& line : sane) {
        std::string tag = line.substr(0, 4);
        if (tag != "VERS" && tag != "ANAM" && std::find(tags.begin(), tags.end(), tag) == tags.end()) tags.push_back(tag);
    }
    ASSERT_EQ(tags.size(), 95u);  // the format's 64 and Quorvel's own 31
    for (const std::string& tag : tags)
        for (const char* value : hostile) {
            std::string text;
            for (const std::string& line : sane) {
                if (line.compare(0, 4, tag) != 0) {
                    text += line + "\n";
                    continue;
                }
                std::vector<std::string> fields;
                std::stringstream in(line);
                for (std::string f; std::getline(in, f, ' ');) fields.push_back(f);
                for (size_t k = indexFields(tag); k < fields.size(); k++) fields[k] = value;
                std::string changed = fields[0];
                for (size_t k = 1; k < fields.size(); k++) changed += " " + fields[k];
                text += changed + "\n";
            }
            makeSane();
            ASSERT_TRUE(load(text));
            const std::string context = tag + " " + value;
            expectStateWithinTheRules(s, context);
            EXPECT_TRUE(atomsInTheBox()) << context;
            displays(20);
            EXPECT_TRUE(atomsInTheBox()) << context;
        }
}

// Values that overflow the step or mean nothing physically, each refused by
// its setter and by the file alike, leaving the state as it was.
TEST_F(HostileInput, ValuesOutsideTheirRangesAreRefusedBySetterAndFileAlike)
{
    struct Case {
        const char* line;
        std::function<bool(CSimulation&)> set;
        std::function<double(const CSimulation&)> get;
    } cases[] = {
        {"AMAS 0 1e308", [](CSimulation& m) { return static_cast<bool>(m.setMass(0, 1e308)); },
         [](const CSimulation& m) { return double(m.state().types.mass[0]); }},
        {"ADIA 0 1e-3", [](CSimulation& m) { return static_cast<bool>(m.setDiam(0, 1e-3)); },
         [](const CSimulation& m) { return double(m.state().types.diam[0]); }},
        {"UFTM 1e308", [](CSimulation& m) { return m.setFloorTemp(1e308); },
         [](const CSimulation& m) { return double(m.state().forces.floorTemp); }},
        {"TTST 1e308", [](CSimulation& m) { return m.setTimeStep(1e308); },
         [](const CSimulation& m) { return double(m.state().clock.timeStep); }},
        {"ULJE 0 0 -1", [](CSimulation& m) { return m.setLJeps(0, 0, -1); },
         [](const CSimulation& m) { return double(m.state().forces.LJeps[0][0]); }},
        {"ULJF 0 -1e-21", [](CSimulation& m) { return m.setLJepsFloor(0, -1e-21); },
         [](const CSimulation& m) { return double(m.state().forces.LJepsFloor[0]); }},
        {"UCHR 0 1", [](CSimulation& m) { return bool(m.setCharge(0, 1)); },
         [](const CSimulation& m) { return double(m.state().forces.charge[0]); }},
        {"DDTC 1e308", [](CSimulation& m) { return m.setDisplayTimeConstant(1e308); },
         [](const CSimulation& m) { return double(m.state().outputs.displayTC); }},
        {"DXMX 1e308", [](CSimulation& m) { return m.setGraphXmax(1e308); },
         [](const CSimulation& m) { return double(m.state().display.xmax); }},
        {"DHWD 0", [](CSimulation& m) { return m.setHistogramWidth(0); },
         [](const CSimulation& m) { return double(m.state().display.histogramWidth); }},
        {"TIPD 0", [](CSimulation& m) { return m.setIPD(0); },
         [](const CSimulation& m) { return double(m.state().clock.iterationsPerDisplay); }},
        {"VEYE 1e308", [](CSimulation& m) { return static_cast<bool>(m.setEyeR(1e308)); },
         [](const CSimulation& m) { return double(m.getEyeR()); }},
        {"VSCA 1e308", [](CSimulation& m) { return m.setScale(1e308); },
         [](const CSimulation& m) { return double(m.getScale()); }},
        {"PMAS 1e308", [](CSimulation& m) { return static_cast<bool>(m.setPistonMass(1e308)); },
         [](const CSimulation& m) { return double(m.state().box.pistonM); }},
        {"BHWD 1", [](CSimulation& m) { return static_cast<bool>(m.setHalfWidth(1)); },
         [](const CSimulation& m) { return double(m.state().box.halfWidth); }},
        {"AVEL 0 0 1e308 0 0", [](CSimulation&) { return false; },
         [](const CSimulation& m) { return double(m.state().atoms.vel[0][0].getX()); }},
    };
    for (const Case& c : cases) {
        makeSane();
        const double before = c.get(s);
        EXPECT_FALSE(c.set(s)) << c.line;
        EXPECT_EQ(c.get(s), before) << c.line;
        ASSERT_TRUE(load(std::string(c.line) + "\n"));
        EXPECT_EQ(c.get(s), before) << c.line;
    }
    makeSane();
    EXPECT_FALSE(s.changeKEnergy(1e308));
    EXPECT_TRUE(finiteAtoms());
    platform.alerts.clear();
    showOutcome(platform, s.setMass(0, 1e308));
    ASSERT_EQ(platform.alerts.size(), 1u);
    EXPECT_EQ(platform.alerts[0].message, "The mass of an atom must be between 1e-30 and 1e-20 kg.");
}

// Every stored example and benchmark keeps every value it holds.
TEST_F(HostileInput, EveryStoredFileLoadsWithEveryValueAccepted)
{
    // Each line's key (its tag and indices) with its values; a later line of a key wins.
    auto keyed = [](const std::string& text) {
        std::map<std::string, std::vector<double>> values;
        for (const std::string& line : splitLines(text)) {
            const std::string tag = line.substr(0, 4);
            if (tag == "ANAM" || tag == "VERS") continue;
            // Averaged outputs are measured afresh from the atoms of a file saved
            // before its first step, as every stored example and benchmark is.
            if (tag.starts_with("DTC") || tag == "DRMS" || tag == "DHIS") continue;
            std::stringstream words(line);
            std::string key, f;
            for (size_t k = 0; k < indexFields(tag) && words >> f; k++) key += f + " ";
            std::vector<double>& v = values[key];
            v.clear();
            while (words >> f) v.push_back(std::strtod(f.c_str(), nullptr));
        }
        return values;
    };
    for (const char* dir : {QUORVEL_EXAMPLES_DIR, QUORVEL_BENCH_DIR})
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".txt") continue;
            std::ifstream in(entry.path());
            std::stringstream original;
            original << in.rdbuf();
            ASSERT_TRUE(load(original.str()));
            const auto now = keyed(saved());
            for (const auto& [key, was] : keyed(original.str())) {
                auto found = now.find(key);
                ASSERT_NE(found, now.end()) << entry.path() << ": " << key;
                ASSERT_EQ(found->second.size(), was.size()) << entry.path() << ": " << key;
                for (size_t k = 0; k < was.size(); k++)
                    EXPECT_NEAR(found->second[k], was[k], 1e-6 * std::fabs(was[k])) << entry.path() << ": " << key;
            }
        }
}

TEST_F(HostileInput, ADisplayTypeOutsideTheSlotsIsRefusedByTheFileAndTheSetter)
{
    makeSane();
    ASSERT_TRUE(load("DDTY 100000000\nDGDF 1\n"));
    EXPECT_EQ(s.getDisplayType(), 4);
    ASSERT_TRUE(load("DDTY -3\n"));
    EXPECT_EQ(s.getDisplayType(), 4);
    EXPECT_FALSE(s.setDisplayType(5));
    EXPECT_FALSE(s.setDisplayType(-1));
    EXPECT_TRUE(s.setDisplayType(2));
    ASSERT_TRUE(load("DDTY 3\n"));
    EXPECT_EQ(s.getDisplayType(), 3);
}

TEST_F(HostileInput, DiametersOfZeroOrBelowAreRefusedAndTheClumpEndsWhateverItIsGiven)
{
    makeSane();
    const double before = s.getDiam(0);
    EXPECT_FALSE(showOutcome(platform, s.setDiam(0, -3e-10)));
    EXPECT_FALSE(showOutcome(platform, s.setDiam(0, 0.0)));
    EXPECT_EQ(platform.alerts.back().message, "The diameter of an atom must be between 1e-11 and 1e-7 m.");
    ASSERT_TRUE(load("ADIA 0 -3e-10\nADIA 1 0\nADIA 2 2e-10\n"));
    EXPECT_EQ(s.getDiam(0), before);
    EXPECT_EQ(s.getDiam(1), before);
    EXPECT_EQ(s.getDiam(2), 2e-10);

    // States no entrance lets in still end: the sweeps are bounded.
    for (double hostile : {-3e-10, 0.0, 1e-300}) {
        StateEdit(s)->types.diam[0] = hostile;
        s.selectAll(1);
        s.shiftSelectedAtomsToClump();
    }
    StateEdit(s)->types.diam[0] = before;
    StateEdit(s)->atoms.loc[0][0].setXYZ(NAN, 0, 0);
    s.selectAll(1);
    s.shiftSelectedAtomsToClump();
}

TEST_F(HostileInput, ASaneClumpStillGathersAtTheContactDistance)
{
    removeAllAtoms();
    s.setHalfWidth(5e-9);
    s.setDiam(0, 1e-10);
    place(0, -4e-9, -4e-9, -4e-9);
    place(0, 4e-9, 4e-9, 4e-9);
    s.selectAll(1);
    s.shiftSelectedAtomsToClump();
    CVector gap;
    gap.equalsSub(s.state().atoms.loc[0][0], s.state().atoms.loc[0][1]);
    EXPECT_LE(gap.length() - 0.561231024155 * 2e-10, 0.05 * 2e-10);
    EXPECT_GT(gap.length(), 0.561231024155 * 2e-10 - 1e-20);
}

TEST_F(HostileInput, NegativeFloorTemperatureZeroTimeConstantAndHugeStepCountsStayOutOfTheFile)
{
    makeSane();
    ASSERT_TRUE(load("UFTU 1\nUFTM -300\nDDTC 0\nTIPD 4000000000\n"));
    EXPECT_EQ(s.getFloorTempUsed(), 1);
    EXPECT_EQ(s.getFloorTemp(), 300.0);
    EXPECT_EQ(s.getDisplayTimeConstant(), 20.0);
    EXPECT_EQ(s.getIPD(), 5u);
    // Atoms dropped onto the floor leave it with finite speeds, and the averages stay numbers.
    for (int i = 0; i < s.state().atoms.number[0]; i++) StateEdit(s)->atoms.vel[0][i].setXYZ(0, 0, -2000);
    displays(20);
    EXPECT_TRUE(finiteAtoms());
    EXPECT_TRUE(std::isfinite(s.getTCKEnergy(4)));

    EXPECT_FALSE(s.setFloorTemp(-300));
    EXPECT_FALSE(s.setDisplayTimeConstant(0));
    EXPECT_FALSE(s.setIPD(valueRules::kMaxStepsPerDisplay + 1));
    EXPECT_TRUE(s.setIPD(valueRules::kMaxStepsPerDisplay));
    ASSERT_TRUE(load("TIPD 1000001\n"));
    EXPECT_EQ(s.getIPD(), valueRules::kMaxStepsPerDisplay);
}

TEST_F(HostileInput, EscapeAndCloseGiveTheAnswerThatChangesNothing)
{
    EXPECT_EQ(safeAlertAnswer({"No", "Yes"}), 0);
    EXPECT_EQ(safeAlertAnswer({"Accept", "Cancel"}), 1);
    EXPECT_EQ(safeAlertAnswer({"Accept", "Revert"}), 1);
    EXPECT_EQ(safeAlertAnswer({"OK"}), 0);
    EXPECT_EQ(safeAlertAnswer({}), 0);
}

TEST_F(HostileInput, AViewWithoutScaleOrPlaneDistanceIsRefusedSoDraggingStaysFinite)
{
    makeSane();
    const double scale = s.getScale(), plane = s.getEyePlaneR();
    ASSERT_TRUE(load("VSCA 0\nVEYP 0\nVEYE -1\n"));
    EXPECT_EQ(s.getScale(), scale);
    EXPECT_EQ(s.getEyePlaneR(), plane);
    EXPECT_FALSE(s.setScale(0.0));
    EXPECT_FALSE(s.setScale(-scale));
    EXPECT_FALSE(s.setEyePlaneR(0.0));
    EXPECT_EQ(s.getScale(), scale);
    s.selectAll(1);
    s.moveSelectedBy(10.0f, -5.0f);
    EXPECT_TRUE(finiteAtoms());
}

TEST_F(HostileInput, AnAtomAddedAfterADeleteArrivesUnselected)
{
    removeAllAtoms();
    for (int k = 0; k < 4; k++) place(0, -3e-10 + 2e-10 * k, 0, 0);
    StateEdit(s)->atoms.sel[0][3] = 1;
    s.deleteSelected();
    ASSERT_EQ(s.getNumber(0), 3);
    EXPECT_EQ(s.state().atoms.sel[0][3], 0);
    ASSERT_TRUE(s.addOneAtomAtLocationWithVelocity(0, 0, 2e-10, 0, 0, 0, 0));
    EXPECT_EQ(s.countSelected(), 0);
    s.deleteSelected();
    EXPECT_EQ(s.getNumber(0), 4);

    // The same through a slot that a shorter count left marked.
    StateEdit(s)->atoms.sel[0][3] = 1;
    StateEdit(s)->atoms.number[0] = 3;
    StateEdit(s)->atoms.totalAtoms = 3;
    ASSERT_TRUE(s.addOneAtomAtLocationWithVelocity(0, 0, -2e-10, 0, 0, 0, 0));
    EXPECT_EQ(s.countSelected(), 0);
}

// The refit's cells must act exactly as the visit of every pair: the same
// positions to the bit, the same piston and the same answer, failures included.
TEST_F(HostileInput, RefitCellsGiveTheBitsOfTheAllPairsRefitOnCrowdedStates)
{
    ScriptedPlatform otherPlatform;
    CSimulation other(otherPlatform);
    const bool sanitized = std::getenv("QUORVEL_SANITIZED") != nullptr;
    const int states = sanitized ? 12 : 40;
    int failures = 0, successes = 0;
    for (int seed = 0; seed < states; seed++) {
        for (CSimulation* sim : {&s, &other}) {
            std::mt19937_64 rng(static_cast<unsigned>(seed));
            std::uniform_real_distribution<double> unit(-1.0, 1.0);
            sim->initWithDefaults();
            StateEdit(*sim)->box.halfWidth = 1e-9 * (0.6 + 0.5 * (unit(rng) + 1.0));
            StateEdit(*sim)->box.pistonUsed = static_cast<char>(rng() % 2);
            StateEdit(*sim)->box.pistonZ = sim->state().box.halfWidth * unit(rng);
            StateEdit(*sim)->atoms.totalAtoms = 0;
            for (int t = 0; t < CSimulation::kTypes; t++) {
                StateEdit(*sim)->types.diam[t] = 2.2e-10 + 1.2e-10 * unit(rng);
                StateEdit(*sim)->atoms.number[t] = static_cast<int>(rng() % (sanitized ? 20 : 45));
                StateEdit(*sim)->atoms.totalAtoms += sim->state().atoms.number[t];
                // Some atoms start beyond the walls.
                for (int i = 0; i < sim->state().atoms.number[t]; i++)
                    StateEdit(*sim)->atoms.loc[t][i].setXYZ(1.1 * sim->state().box.halfWidth * unit(rng), 1.1 * sim->state().box.halfWidth * unit(rng),
                                          1.1 * sim->state().box.halfWidth * unit(rng));
            }
        }
        const int passes = 1 + seed % 100;
        const bool byCells = s.shiftAtomsToFit(passes);
        const bool byPairs = other.shiftAtomsToFitAllPairs(passes);
        ASSERT_EQ(byCells, byPairs) << "state " << seed;
        (byCells ? successes : failures)++;
        ASSERT_EQ(std::memcmp(&s.state().box.pistonZ, &other.state().box.pistonZ, sizeof(double)), 0) << "state " << seed;
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.state().atoms.number[t]; i++)
                ASSERT_EQ(std::memcmp(s.state().atoms.loc[t][i].v, other.state().atoms.loc[t][i].v, sizeof s.state().atoms.loc[t][i].v), 0)
                    << "state " << seed << " atom " << t << " " << i;
    }
    EXPECT_GT(failures, 0);
    EXPECT_GT(successes, 0);
}
