// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the simulation file: formats, round trips, the rules of
// the reader, refusals, locale independence and malformed input.
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "DIALOG/COutcomeAlert.h"
#include "RENDER/CScene.h"
#include "SIM/io/CFileTags.h"
#include "support/SimulationFixture.h"

namespace {

std::string temporaryDirectory()
{
    static std::string dir = [] {
        char pattern[] = "/tmp/quorvel-file-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

std::string writeText(const std::string& name, const std::string& text)
{
    std::string path = temporaryDirectory() + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

}  // namespace

class SimulationFile : public SimulationTest {
protected:
    bool load(const std::string& path)
    {
        s.setOpenPath(path);
        return showOutcome(platform, s.readInputFile());
    }
    std::string save(const std::string& name)
    {
        s.setSavePath(temporaryDirectory() + "/" + name);
        EXPECT_TRUE(showOutcome(platform, s.writeOutputFile()));
        return readText(s.getSavePath());
    }
};

TEST_F(SimulationFile, DefaultSimulationWritesItsLinesInOrder)
{
    std::vector<std::string> text = lines(save("default.txt"));
    // The format's lines, then Quorvel's own (which other readers skip), the digest last.
    auto own = std::find_if(text.begin(), text.end(), [](const std::string& line) { return line[0] == 'Q'; });
    ASSERT_EQ(own - text.begin(), 338);
    EXPECT_TRUE(std::all_of(own, text.end(), [](const std::string& line) { return line[0] == 'Q'; }));
    EXPECT_EQ(text.back().rfind("QSUM ", 0), 0u);
    EXPECT_EQ(text[337], "WHEI 250.00");
    EXPECT_EQ(text[0], "VERS 56");
    EXPECT_EQ(text[1], "VPHI 0.0000000000e+00");
    EXPECT_EQ(text[2], "VTHE 1.5707963268e+00");
    EXPECT_EQ(text[3], "VEYE 2.5000000000e-09");
    EXPECT_EQ(text[6], "ANUM 0 4");
    EXPECT_EQ(text[9], "ACLR 0 1.00");
    EXPECT_EQ(text[12], "ANAM 0 ");
    EXPECT_EQ(text[14], "AVEL 0 0 0.0000000000e+00 0.0000000000e+00 0.0000000000e+00");
    EXPECT_EQ(text[15], "ASEL 0 0 0");
    EXPECT_NE(std::find(text.begin(), text.end(), "ULJF 2 0.0000000000e+00"), text.end());
    EXPECT_NE(std::find(text.begin(), text.end(), "TRTF 1.0000000475e-03"), text.end());
}

TEST_F(SimulationFile, NoAtomsWrite326Lines)
{
    for (int t = 0; t < 4; t++) StateEdit(s)->atoms.number[t] = 0;
    std::vector<std::string> text = lines(save("empty.txt"));
    EXPECT_EQ(std::count_if(text.begin(), text.end(), [](const std::string& line) { return line[0] != 'Q'; }), 326);
}

TEST_F(SimulationFile, SaveThenLoadGivesTheSameSimulation)
{
    s.setName(0, "Big A");
    s.setPotentialUsed(1);
    s.setCharge(1, -1.6e-20);
    s.setNumber(1, 3);
    StateEdit(s)->atoms.sel[1][2] = 1;
    StateEdit(s)->atoms.vel[0][0].setXYZ(310.25, 0, -45.5);
    s.setPistonUsed(1);
    s.setAppliedPressure(1e7);
    StateEdit(s)->outputs.TCHistogram[4][7] = 2.5;
    StateEdit(s)->clock.iterations = 12345;
    StateEdit(s)->clock.runState = CRunState::running;
    s.setAngles(0.3, 1.2);
    s.setWindowDims(612.5f, 480.25f);
    std::string first = save("roundtrip.txt");

    ScriptedPlatform otherPlatform;
    auto other = std::make_unique<CSimulation>(otherPlatform);
    other->initWithDefaults();
    other->setOpenPath(s.getSavePath());
    ASSERT_TRUE(other->readInputFile());
    EXPECT_EQ(other->state().types.name[0], "Big A");
    EXPECT_EQ(other->state().atoms.number[1], 3);
    EXPECT_EQ(other->state().atoms.totalAtoms, 7);
    EXPECT_EQ(other->state().atoms.sel[1][2], 1);
    EXPECT_EQ(other->state().atoms.vel[0][0].getX(), 310.25);
    EXPECT_EQ(other->state().forces.charge[1], -1.6e-20);
    EXPECT_EQ(other->state().clock.iterations, 12345u);
    EXPECT_EQ(other->state().clock.runState, CRunState::running);
    EXPECT_EQ(other->state().outputs.TCHistogram[4][7], 2.5);
    EXPECT_EQ(other->state().display.windowWidth, 612.5f);
    EXPECT_DOUBLE_EQ(other->state().box.pistonA, 1e7 * -4 * 5e-10 * 5e-10);  // rebuilt from the loaded box
    EXPECT_NEAR(other->state().display.View.getTheta(), 1.2, 1e-10);

    other->setSavePath(temporaryDirectory() + "/roundtrip2.txt");
    ASSERT_TRUE(other->writeOutputFile());
    EXPECT_EQ(readText(other->getSavePath()), first);
}

// Quorvel's exact values are taken where they round to their lines; a line
// edited by hand wins over the value behind it, and then the values with no
// line of their own (the piston's acceleration, which keeps the box width it
// was set with) are set afresh, as from a file of before.
TEST_F(SimulationFile, ExactValuesAreTakenWhereTheyRoundToTheirLines)
{
    s.setPistonUsed(1);
    s.setAppliedPressure(1e7);
    ASSERT_TRUE(s.setHalfWidth(6e-10));
    StateEdit(s)->atoms.loc[0][1].setXYZ(1e-10 / 3.0, -2e-10 / 7.0, 1e-10 / 9.0);
    ASSERT_TRUE(s.runDisplay());
    const CSimulationState saved = s.state();
    const std::string text = save("exact.txt");
    ScriptedPlatform otherPlatform;
    auto other = std::make_unique<CSimulation>(otherPlatform);
    other->initWithDefaults();
    auto open = [&](const std::string& name, const std::string& content) {
        other->setOpenPath(writeText(name, content));
        return other->readInputFile();
    };
    auto sameAtoms = [&](size_t bytes) {
        const CAtoms &a = other->state().atoms, &b = saved.atoms;
        return std::memcmp(a.loc[0], b.loc[0], bytes) == 0 && std::memcmp(a.vel[0], b.vel[0], bytes) == 0;
    };
    ASSERT_TRUE(open("exact-copy.txt", text));
    EXPECT_TRUE(sameAtoms(4 * sizeof(CVector)));
    EXPECT_EQ(std::memcmp(other->state().atoms.paTEnergy[0], saved.atoms.paTEnergy[0], 4 * sizeof(double)), 0);
    EXPECT_EQ(other->state().box.pistonA, saved.box.pistonA);
    EXPECT_EQ(other->state().clock.elapsedTime, saved.clock.elapsedTime);

    const size_t at = text.find("\nALOC 0 1 ") + 1;
    std::string edited = text;
    edited.replace(at, text.find('\n', at) - at, "ALOC 0 1 1.0e-10 0 0");
    ASSERT_TRUE(open("exact-edited.txt", edited));
    EXPECT_EQ(other->state().atoms.loc[0][1].getX(), 1.0e-10);
    EXPECT_EQ(other->state().atoms.loc[0][1].getY(), 0.0);
    EXPECT_EQ(other->state().atoms.loc[0][2].getX(), saved.atoms.loc[0][2].getX());  // its exact value rounds to its line
    EXPECT_DOUBLE_EQ(other->state().box.pistonA, 1e7 * -4 * 6e-10 * 6e-10 / other->state().box.pistonM);
    EXPECT_TRUE(other->takeSkippedLines().empty());
}

TEST_F(SimulationFile, AShortFileChangesOnlyWhatItNames)
{
    StateEdit(s)->atoms.loc[0][4].setXYZ(1e-10, 2e-10, 3e-10);
    std::string path = writeText("short.txt", "ANUM 0 5\nBHWD 1e-9\nVERS 1\n");
    ASSERT_TRUE(load(path));
    EXPECT_EQ(s.state().atoms.number[0], 5);
    EXPECT_EQ(s.state().atoms.totalAtoms, 5);
    EXPECT_EQ(s.state().box.halfWidth, 1e-9);
    EXPECT_EQ(s.state().atoms.loc[0][4].getY(), 2e-10);  // whatever the slot held; not refitted
    EXPECT_EQ(s.state().clock.timeStep, 1e-14);
    EXPECT_TRUE(platform.alerts.empty());
}

TEST_F(SimulationFile, LaterLinesWinAndFieldsReadTheirNumericPrefix)
{
    std::string path = writeText("twice.txt",
                                 "TTST 1e-15\nALOC 0 1 1e-10 0 0\nTTST 2e-15\nALOC 0 1 2e-10 3e-10x 4e-10\n"
                                 "TIPD 12.9\nAMAS 1  7e-26\nANAM 2 Two words\r\nANAM 3 \n");
    ASSERT_TRUE(load(path));
    EXPECT_EQ(s.state().clock.timeStep, 2e-15);
    EXPECT_EQ(s.state().atoms.loc[0][1].getX(), 2e-10);
    EXPECT_EQ(s.state().atoms.loc[0][1].getY(), 3e-10);
    EXPECT_EQ(s.state().clock.iterationsPerDisplay, 12u);
    EXPECT_EQ(s.state().types.mass[1], 5e-26);  // the empty field between two spaces reads 0: refused
    EXPECT_EQ(s.state().types.name[2], "Two words\r");
    EXPECT_EQ(s.state().types.name[3], "");
}

// A switch is on when the low byte of its number is not zero, and is written
// back as 1 or 0; a mode is read and written as the index the file stores,
// and an index out of its range is skipped.
TEST_F(SimulationFile, SwitchesAndModesKeepTheFilesNumbers)
{
    std::string path = writeText("modes.txt", "UAPU 2\nPUSE 256\nDAXS 1\nECSV 0\nTRNF 1\nTUNT 0\nTUNT 2\n"
                                              "DRCT 2\nDRCT 3\nDDTY 1\nDDTY 5\n");
    ASSERT_TRUE(load(path));
    EXPECT_TRUE(s.getPotentialUsed());
    EXPECT_FALSE(s.getPistonUsed());
    EXPECT_TRUE(s.getAxesShowFlag());
    EXPECT_FALSE(s.getConserve());
    EXPECT_EQ(s.getRunState(), CRunState::running);
    EXPECT_EQ(s.getTimeUnit(), CTimeUnit::seconds);
    EXPECT_EQ(s.getRecordType(), CRecordKind::accumulated);
    EXPECT_EQ(s.getDisplayType(), 1);
    std::vector<std::string> written = lines(save("modes-again.txt"));
    for (const char* line : {"UAPU 1", "PUSE 0", "DAXS 1", "ECSV 0", "TRNF 1", "TUNT 0", "DRCT 2", "DDTY 1"})
        EXPECT_NE(std::find(written.begin(), written.end(), line), written.end()) << line;
}

TEST_F(SimulationFile, MalformedLinesAreSkippedAndCountsKeptInRange)
{
    std::string path = writeText("bad.txt",
                                 "ANUM 7 3\nANUM 1 9999\nANUM 2 -5\nALOC 0 400 1 2 3\nALOC 4 0 1 2 3\nALOC 0 0 1\n"
                                 "DHIS 5 0 1\nDHIS 0 40 1\nDTCK -1 3\nULJE 0 4 1\nANAM 1\nAVEL\nXANUM 0 7\n"
                                 " ANUM 0 7\nANAM 0 XALOCX 1 2\n");
    ASSERT_TRUE(load(path));
    EXPECT_EQ(s.state().atoms.number[0], 4);
    EXPECT_EQ(s.state().atoms.number[1], 400);
    EXPECT_EQ(s.state().atoms.number[2], 0);
    EXPECT_EQ(s.state().atoms.totalAtoms, 404);
    EXPECT_EQ(s.state().types.name[0], "XALOCX 1 2");
    // Every line of a tag that was skipped is said, in file order, with why.
    std::vector<CSkippedLine> skipped = s.takeSkippedLines();
    ASSERT_EQ(skipped.size(), 11u);
    EXPECT_EQ(skipped[0].number, 1);
    EXPECT_EQ(skipped[0].text, "ANUM 7 3");
    EXPECT_EQ(skipped[0].reason, "the indices of ANUM are type 0-3");
    EXPECT_EQ(skipped[1].reason, "ANUM, the number of atoms of the type, takes 0 or more atoms, above 400 taken as 400");
    EXPECT_EQ(skipped[4].reason, "ALOC needs its indices (type 0-3, atom 0-399) and 3 values");
    EXPECT_EQ(skipped.back().number, 12);
}

TEST_F(SimulationFile, UnreadableOrNonAsciiFilesAreRefusedAndChangeNothing)
{
    std::string before = save("before.txt");
    EXPECT_FALSE(load(temporaryDirectory() + "/does-not-exist.txt"));
    EXPECT_FALSE(load(temporaryDirectory()));  // a folder
    EXPECT_FALSE(load(writeText("latin.txt", "ANUM 0 2\nANAM 0 Caf\xe9\n")));
    // Text that is no simulation (a host name, an empty file) is not taken for an empty one.
    EXPECT_FALSE(load(writeText("hostname.txt", "build-server-7\n")));
    EXPECT_FALSE(load(writeText("empty.txt", "")));
    EXPECT_FALSE(load(writeText("word.txt", "ANUMBERS 3\n")));
    // Atoms wider than their box: the reader meets the diameter before the
    // box, so only the whole file can tell.
    EXPECT_FALSE(load(writeText("unfit.txt", "ADIA 1 3e-9\nANUM 1 1\nANAM 1 Big\nBHWD 1e-9\n")));
    EXPECT_EQ(platform.alerts.size(), 7u);
    for (const auto& alert : platform.alerts) EXPECT_EQ(alert.title, "Alert.");
    EXPECT_NE(platform.alerts[3].message.find("hostname.txt\" is not a simulation file"), std::string::npos);
    EXPECT_NE(platform.alerts[6].message.find("type B (Big) are 3.00e-09 m across, larger than the box, which is "
                                              "2.00e-09 m wide"),
              std::string::npos);
    EXPECT_EQ(save("after.txt"), before);
}

// The kind of box and the contacts: written after the format's lines only
// where they are not at their default, so a closed box with contacts writes
// the file it always did; read back exactly; a file without them reads as
// the default whatever the simulation held; a periodic box the file's atoms
// cannot have is refused with the reason, changing nothing.
TEST_F(SimulationFile, TheBoxAndContactSwitchesRoundTripAndAreWrittenOnlyWhenSet)
{
    const std::string closed = save("closed.txt");
    EXPECT_EQ(closed.find("\nQBND"), std::string::npos);
    EXPECT_EQ(closed.find("\nQCNT"), std::string::npos);
    ASSERT_TRUE(s.setHalfWidth(2e-9));
    const std::string wideClosed = save("wide-closed.txt");
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic));
    s.setContactsUsed(false);
    std::vector<std::string> text = lines(save("periodic.txt"));
    auto whei = std::find_if(text.begin(), text.end(), [](const std::string& line) { return line.rfind("WHEI", 0) == 0; });
    ASSERT_NE(whei, text.end());
    EXPECT_EQ(*(whei + 1), "QBND 1");
    EXPECT_EQ(*(whei + 2), "QCNT 0");
    const std::string periodicText = readText(s.getSavePath());

    ScriptedPlatform otherPlatform;
    auto other = std::make_unique<CSimulation>(otherPlatform);
    other->initWithDefaults();
    other->setOpenPath(s.getSavePath());
    ASSERT_TRUE(other->readInputFile());
    EXPECT_TRUE(other->isPeriodic());
    EXPECT_FALSE(other->getContactsUsed());
    other->setSavePath(temporaryDirectory() + "/periodic2.txt");
    ASSERT_TRUE(other->writeOutputFile());
    EXPECT_EQ(readText(other->getSavePath()), periodicText);

    // Only contacts off, then a file without either line: the defaults.
    ASSERT_TRUE(other->setBoundaries(CBoundaries::closed));
    other->setSavePath(temporaryDirectory() + "/contacts-off.txt");
    ASSERT_TRUE(other->writeOutputFile());
    const std::string contactsOff = readText(other->getSavePath());
    EXPECT_EQ(contactsOff.find("QBND"), std::string::npos);
    EXPECT_NE(contactsOff.find("\nQCNT 0\n"), std::string::npos);
    ASSERT_TRUE(s.setBoundaries(CBoundaries::periodic));
    ASSERT_TRUE(load(writeText("wide-closed.txt", wideClosed)));
    EXPECT_FALSE(s.isPeriodic());
    EXPECT_TRUE(s.getContactsUsed());
    EXPECT_EQ(save("again.txt").find("\nQBND"), std::string::npos);

    // Refused: charged atoms, or a box not wider than twice the cut-off.
    const std::string before = save("before-refusals.txt");
    EXPECT_FALSE(load(writeText("charged.txt", periodicText + "UCHR 0 1.6e-19\n")));
    EXPECT_FALSE(load(writeText("narrow.txt", periodicText + "BHWD 8e-10\n")));
    EXPECT_EQ(save("after-refusals.txt"), before);
    ASSERT_EQ(platform.alerts.size(), 2u);
    EXPECT_NE(platform.alerts[0].message.find("could not be read: it asks for a periodic box. Charged atoms in a "
                                              "periodic box need Ewald summation"),
              std::string::npos)
        << platform.alerts[0].message;
    EXPECT_NE(platform.alerts[1].message.find("must be less than half the box's width"), std::string::npos);
    EXPECT_TRUE(load(writeText("charged-empty.txt", periodicText + "UCHR 1 1.6e-19\n")));  // B has no atoms
    EXPECT_TRUE(s.isPeriodic());
}

// The counter of the accumulated averages divides the newest sample's
// weight: past its top a file's value is skipped, and at its top it stays.
TEST_F(SimulationFile, TheAveragesCounterNeverWrapsRoundToZero)
{
    ASSERT_TRUE(load(writeText("wrapped.txt", "DRCT 2\nDRCD 4294967295\n")));
    EXPECT_EQ(s.getRecord(), 0u);
    ASSERT_TRUE(load(writeText("top.txt", "DRCT 2\nDRCD 1000000000\n")));
    ASSERT_TRUE(s.runDisplay());
    ASSERT_TRUE(s.runDisplay());
    EXPECT_EQ(s.getRecord(), 1000000000u);
    EXPECT_TRUE(std::isfinite(s.getTCKEnergy(4)) && std::isfinite(s.getTCTemperature(4)));
}

// The file's section of the user guide is the table the reader and the writer use.
TEST_F(SimulationFile, TheUserGuideListsEveryTagAsTheTableHasIt)
{
    const std::string guide = readText(std::string(QUORVEL_EXAMPLES_DIR) + "/../docs/user-guide.md");
    const std::string begin = "<!-- file-format: begin (quorvel-batch --file-format) -->\n";
    size_t from = guide.find(begin), to = guide.find("<!-- file-format: end -->");
    ASSERT_TRUE(from != std::string::npos && to != std::string::npos);
    from += begin.size();
    EXPECT_EQ(guide.substr(from, to - from), fileFormatTable())
        << "paste the output of quorvel-batch --file-format into docs/user-guide.md";
}

// The readouts a file does not carry (the examples hold no rms speeds and no
// histogram) start from the loaded state, not from the simulation it replaced.
TEST_F(SimulationFile, OpeningAFileStartsTheReadoutsAfresh)
{
    std::string text;
    for (const std::string& line : lines(save("full.txt")))
        if (line.rfind("DRMS", 0) != 0 && line.rfind("DHIS", 0) != 0) text += line + "\n";
    const std::string path = writeText("no-histogram.txt", text);
    const double carried = s.state().outputs.TCKEnergy[4];
    for (int b = 0; b < CSimulation::kBins; b++) StateEdit(s)->outputs.TCHistogram[4][b] = 1e6;
    StateEdit(s)->outputs.sqrtTCavgvsq[4] = 3.5e21;
    StateEdit(s)->outputs.dptot[4] = 1.0;
    ASSERT_TRUE(load(path));
    EXPECT_EQ(s.state().outputs.TCKEnergy[4], carried);
    EXPECT_DOUBLE_EQ(s.getTCVrms(4), std::sqrt(s.getTCVms(4)));
    double counted = 0.0;
    for (int b = 0; b < CSimulation::kBins; b++) counted += s.getHistogram(4, b);
    EXPECT_EQ(counted, s.state().atoms.totalAtoms);
    EXPECT_EQ(s.getPressure(4), 0.0);
}

TEST_F(SimulationFile, AFailedWriteIsReportedAndLeavesTheOldFile)
{
    std::string path = writeText("existing.txt", "old contents\n");
    s.setSavePath(path);
    s.setName(1, "Caf\xc3\xa9");
    EXPECT_FALSE(showOutcome(platform, s.writeOutputFile()));
    EXPECT_EQ(readText(path), "old contents\n");
    s.setName(1, "");
    s.setSavePath(temporaryDirectory() + "/no/such/folder/x.txt");
    EXPECT_FALSE(showOutcome(platform, s.writeOutputFile()));
    ASSERT_EQ(platform.alerts.size(), 2u);
    EXPECT_NE(platform.alerts[1].message.find("no/such/folder"), std::string::npos);
    // No temporary file is left beside the target.
    EXPECT_EQ(system(("test $(ls " + temporaryDirectory() + " | grep -c existing) -eq 1").c_str()), 0);
}

TEST_F(SimulationFile, NumbersAreTheSameUnderACommaLocale)
{
    std::string expected = save("c-locale.txt");
    const char* commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"};
    const char* chosen = nullptr;
    for (int attempt = 0; attempt < 2 && !chosen; attempt++) {
        if (attempt == 1) setenv("LOCPATH", QUORVEL_LOCALE_DIR, 1);  // the one the build generated
        for (const char* name : commaLocales)
            if (std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
                chosen = name;
                break;
            }
    }
    if (!chosen) {
        std::setlocale(LC_ALL, "C");
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    std::string written = save("comma-locale.txt");
    ASSERT_TRUE(load(s.getSavePath()));
    std::string reread = save("comma-locale-2.txt");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(reread, expected);
}

// Thousands of mutated and random files: the reader must never crash or
// write outside the fields (the sanitizer build checks the latter).
TEST_F(SimulationFile, MutatedAndRandomFilesNeverBreakTheReader)
{
    std::string original = readText(std::string(QUORVEL_BENCH_DIR) + "/charged-800.txt");
    std::mt19937 rng(12345);
    const bool sanitized = std::getenv("QUORVEL_SANITIZED") != nullptr;
    const int rounds = sanitized ? 300 : 2000;
    const char alphabet[] = "0123456789 .-+eE\nXALOCANUMDHISBHWDPLOC\r\tnaif";
    std::string path = temporaryDirectory() + "/fuzz.txt";
    for (int round = 0; round < rounds; round++) {
        std::string text;
        if (round % 4 == 3) {
            size_t length = rng() % 400;
            for (size_t k = 0; k < length; k++) text += alphabet[rng() % (sizeof alphabet - 1)];
        } else {
            size_t start = rng() % original.size();
            text = original.substr(start, 20000 + rng() % 20000);
            int edits = 1 + static_cast<int>(rng() % 40);
            for (int k = 0; k < edits && !text.empty(); k++) {
                size_t at = rng() % text.size();
                switch (rng() % 3) {
                case 0: text[at] = alphabet[rng() % (sizeof alphabet - 1)]; break;
                case 1: text.erase(at, rng() % 10); break;
                default: text.insert(at, 1, alphabet[rng() % (sizeof alphabet - 1)]); break;
                }
            }
        }
        std::ofstream(path, std::ios::binary) << text;
        StateEdit(s)->clock.iterationsPerDisplay = 2;
        if (load(path)) {
            for (int t = 0; t < 4; t++) {
                ASSERT_GE(s.state().atoms.number[t], 0);
                ASSERT_LE(s.state().atoms.number[t], 400);
            }
            if (round % 50 == 0) {
                StateEdit(s)->clock.iterationsPerDisplay = 1;
                StateEdit(s)->box.halfWidth = std::fabs(s.state().box.halfWidth) < 1e-6 ? s.state().box.halfWidth : 1e-9;
                s.MDCALCIterate();
                CScene(s.state()).project();
            }
        }
        if (round % 200 == 0) s.initWithDefaults();
    }
}
