// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBatchRun.h"
#include "CBatchInstruments.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "BASE/CAtomicFile.h"
#include "BASE/CTextNumbers.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CParameters.h"
#include "SIM/model/CSimulation.h"
#include "SIM/io/CStructureImport.h"
#include "RENDER/CScenePicture.h"

static_assert(newSimulation::kDefaultPackingFraction == 0.3 && newSimulation::kDefaultTemperature == 300.0 &&
                  newSimulation::CSpec().seed == 1 &&
                  newSimulation::CSpec().arrangement == newSimulation::CArrangement::faceCentredCubic,
              "the usage names the defaults of --new");

const char* const kBatchUsage =
    "usage: quorvel-batch [FILE] [--ticks T] [--output OUT.txt] [--csv OUT.csv]\n"
    "                     [--render OUT.png [--size WxH] [--stereo]]\n"
    "                     [--engine reference|fast] [--threads N|auto]\n"
    "                     [--histogram OUT.csv] [--rdf OUT.csv [--rdf-types AB]]\n"
    "                     [--lammps DIR [--replicate N]]\n"
    "                     [--msd OUT.csv] [--vacf OUT.csv] [--msd-types AB]\n"
    "                     [--trajectory OUT.xyz] [--dump OUT.lammpstrj] [--every K]\n"
    "                     [--frame N] [--set NAME=VALUE ...]\n"
    "       quorvel-batch --new TYPES [--lattice sc|bcc|fcc|random]\n"
    "                     [--density KG_M3 | --packing-fraction F | --box-width M]\n"
    "                     [--temperature K] [--seed N] [--floor-bath K]\n"
    "                     [--floor-attraction] [--periodic] [--no-contacts]\n"
    "                     [the options above but FILE]\n"
    "       quorvel-batch --check-lesson LESSON.md\n"
    "       quorvel-batch --version | --help | --file-format | --parameters\n"
    "                     | --lesson-format\n"
    "  FILE       a simulation file; without it the default simulation\n"
    "  --ticks T  display steps to run (each of the file's steps per display), default 0\n"
    "  --output   write the simulation file after the run\n"
    "  --csv      write the smoothed outputs and the energy ledger after every\n"
    "             display step\n"
    "  --render   draw the scene after the run as the view shows it (PNG, JPEG, ...)\n"
    "  --size     picture size in points for --render, default 1000x700\n"
    "  --stereo   draw the stereo pair side by side\n"
    "  --engine   reference (the plain loops over all pairs) or fast (the default;\n"
    "             the same results bit for bit)\n"
    "  --threads  threads of the fast engine, 1 (default) to 64, or auto for every\n"
    "             core; the same results bit for bit on any number\n"
    "  --histogram  write the displayed slot's speed distribution with the\n"
    "             Maxwell-Boltzmann fractions after the run\n"
    "  --rdf      write g(r) averaged over every display of the run\n"
    "  --rdf-types  the pair of types for --rdf (AB, CC, ...); all atoms by default\n"

    "  --lammps   write DIR/in.quorvel and DIR/data.quorvel after the run, for\n"
    "             lmp -in in.quorvel  (or  mpirun -np 4 lmp -in in.quorvel)\n"
    "  --replicate  N x N x N copies of the box side by side in LAMMPS, N from 1 to 100\n"
    "  --new      build a new simulation instead of reading a file: TYPES is a\n"
    "             comma list such as Ar:256 or Kr:100,Ar:300 of Ar, Ne, Kr, Xe\n"
    "             (Lennard-Jones parameters of the gases) or A (the default type),\n"
    "             up to 400 atoms of a type and four types\n"
    "  --lattice  the atoms' arrangement: simple, body-centred or face-centred\n"
    "             cubic (the default), or random without overlap\n"
    "  --density  the mass density of the whole box in kg/m3. By default a full\n"
    "             lattice fills 0.3 of the box, a lattice with empty sites keeps\n"
    "             that spacing, and a random fill takes a density it can place\n"
    "  --packing-fraction  the share of the box the atoms' spheres fill, instead\n"
    "             of --density\n"
    "  --box-width  the box's width in metres, instead of --density\n"
    "  --temperature  the atoms' kinetic temperature in K, default 300\n"
    "  --seed     the seed of the drawn places and velocities, default 1\n"
    "  --floor-bath  the floor exchanges heat with a bath at K kelvin\n"
    "  --floor-attraction  the floor attracts each type with its own well depth\n"
    "  --periodic  a periodic box (bulk): no walls, floor or piston; the atoms fill\n"
    "             the whole box, which must be wider than twice the cut-off\n"
    "  --no-contacts  no contacts at the mean diameter: plain Lennard-Jones\n"
    "  --trajectory  record an extended XYZ trajectory: the starting state, then\n"
    "             a frame every K displays (--every, default 1)\n"
    "  --dump     record the same as a LAMMPS dump, in the units and type\n"
    "             numbers of --lammps\n"
    "  --frame    the frame of an extended XYZ FILE to start from, from 1\n"
    "  --msd      write the mean squared displacement over the run with the\n"
    "             Einstein fit, and its diffusion coefficient D on standard error\n"
    "  --vacf     write the velocity autocorrelation over the run with its running\n"
    "             integral, and the Green-Kubo D on standard error\n"
    "  --msd-types  the atom types --msd and --vacf average over (A, AB, ...);\n"
    "             all atoms by default\n"
    "  --set      set a parameter after the file is read, such as\n"
    "             --set floor-temperature=300 or --set mass.A=6.6e-26;\n"
    "             --parameters lists them\n"
    "  --version  print the version and exit\n"
    "  --help     print this summary and exit\n"
    "  --parameters  print the parameters --set takes (a Markdown table) and exit\n"
    "  --file-format  print the simulation file's tags and the values read\n"
    "             (a Markdown table) and exit\n"
    "  --check-lesson  check a lesson file: one line per problem with its line\n"
    "             number, exit 0 when there is none and 2 otherwise\n"
    "  --lesson-format  print the actions of a lesson's links and the quantities\n"
    "             its checkpoints wait for (Markdown tables) and exit\n";

const char* const kBatchTryHelp = "Try 'quorvel-batch --help' for more information.";

static void appendCsvHeader(std::string& csv)
{
    csv += "iterations,elapsed_time";
    const char* slots[] = {"A", "B", "C", "D", "all"};
    const char* quantities[] = {"kinetic_energy", "potential_energy", "total_energy",
                                "temperature",    "pressure",         "rms_speed"};
    for (const char* slot : slots)
        for (const char* quantity : quantities) appendFormatC(csv, ",%s_%s", quantity, slot);
    csv += ",volume,energy_difference,energy_not_conserved";
    for (int k = 0; k < CEnergyBalance::kTerms; k++) appendFormatC(csv, ",%s", CEnergyBalance::columnNames()[k]);
    csv += "\n";
}

static void appendCsvRow(std::string& csv, const CSimulation& s)
{
    appendFormatC(csv, "%u,%.17g", s.getIterations(), s.getElapsedTime());
    // A slot with no atoms has energies and a pressure of 0 but no
    // temperature and no rms speed: those cells are empty, which CSV
    // readers take as a missing value.
    auto defined = [&csv](bool has, double value) {
        if (has) appendFormatC(csv, ",%.17g", value);
        else csv += ',';
    };
    for (int slot = 0; slot < CSimulation::kSlots; slot++) {
        const bool atoms = s.getSlotAtoms(slot) > 0;
        appendFormatC(csv, ",%.17g,%.17g,%.17g", s.getTCKEnergy(slot), s.getTCPEnergy(slot), s.getTCTEnergy(slot));
        defined(atoms, s.getTCTemperature(slot));
        appendFormatC(csv, ",%.17g", s.getTCPressure(slot));
        defined(atoms, s.getTCVrms(slot));
    }
    appendFormatC(csv, ",%.17g,%.17g,%.17g", s.getTCVolume(), s.getTotaldE(), s.gettdENotConserved());
    CEnergyBalance ledger = s.getLedgerBalance();
    for (int k = 0; k < CEnergyBalance::kTerms; k++) appendFormatC(csv, ",%.17g", ledger.term(k));
    csv += "\n";
}

// Why nothing could be written at path, or empty: the folder it goes in
// (written files are replaced through a new file beside them) must be a
// folder that takes new files, and path, when it exists, must be what is
// wanted there (a folder, or a file that can be replaced).
static std::string unwritableReason(const std::string& path, bool folder)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (folder != S_ISDIR(info.st_mode)) return folder ? "it is not a folder" : "it is a folder";
        if (folder && ::access(path.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
        if (folder) return {};
    }
    std::string parent = path;
    while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
    const size_t slash = parent.rfind('/');
    parent = slash == std::string::npos ? "." : slash == 0 ? "/" : parent.substr(0, slash);
    if (::stat(parent.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return "the folder " + parent + " does not exist";
    if (::access(parent.c_str(), W_OK | X_OK) != 0) return "the folder " + parent + ": " + std::strerror(errno);
    return {};
}

// Every output asked for, checked before the run, so that a typo costs no
// simulation time.
static bool outputsWritable(const CBatchOptions& options)
{
    const std::pair<const std::string*, bool> outputs[] = {
        {&options.outputPath, false},    {&options.csvPath, false}, {&options.renderPath, false},
        {&options.histogramPath, false}, {&options.rdfPath, false}, {&options.lammpsFolder, true},
        {&options.msdPath, false},       {&options.vacfPath, false},
        {&options.trajectory.xyzPath, false}, {&options.trajectory.dumpPath, false}};
    bool writable = true;
    for (const auto& [path, folder] : outputs) {
        if (path->empty()) continue;
        const std::string reason = unwritableReason(*path, folder);
        if (reason.empty()) continue;
        std::fprintf(stderr, "quorvel-batch: cannot write %s: %s\n", path->c_str(), reason.c_str());
        writable = false;
    }
    return writable;
}

namespace {
// The run's progress on one terminal line, rewritten in place; shown once the
// run has taken kShownAfter, and only when standard error is a terminal.
class CProgressLine {
public:
    explicit CProgressLine(unsigned long long total) : total_(total), shown_(::isatty(STDERR_FILENO) == 1) {}
    void update(unsigned long long done)
    {
        if (!shown_) return;
        const auto now = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(now - started_).count();
        if (seconds < kShownAfter || now - lastDrawn_ < std::chrono::milliseconds(250)) return;
        lastDrawn_ = now;
        const double rate = done / seconds;
        const std::string line = progressText(done, total_) + formatC(", %.0f steps per second, ", rate) +
                                 timeLeftText(rate > 0 ? (total_ - done) / rate : -1.0) + " left";
        std::fprintf(stderr, "\r%s\033[K", line.c_str());
        drawn_ = true;
    }
    // Clears the line for what is written next.
    void clear()
    {
        if (drawn_) std::fputs("\r\033[K", stderr);
        drawn_ = false;
    }
    ~CProgressLine() { clear(); }

private:
    static constexpr double kShownAfter = 2.0;
    const std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point lastDrawn_{};
    unsigned long long total_;
    bool shown_, drawn_ = false;
};
}  // namespace

// What the model answered, as the desktop's alert would say it, with the
// default choice taken: no one is there to choose.
static void printOutcome(const COutcome& outcome)
{
    if (outcome || outcome.message().empty()) return;
    std::fprintf(stderr, "%s %s [%s]\n", outcome.title().c_str(), outcome.message().c_str(), outcome.choices().front().c_str());
}

// The state --new describes, made the simulation's; false, with the reason
// on one line, when it cannot be built.
static bool buildNewState(const CBatchOptions& options, CSimulation& s)
{
    newSimulation::CSpec spec = options.newSpec;
    std::string problem;
    if (newSimulation::parseTypes(options.newTypes, spec.types, problem)) {
        if (!options.newDensityGiven) {
            spec.measure = newSimulation::CDensityMeasure::packingFraction;
            spec.density = newSimulation::defaultPackingFraction(spec);
        }
        auto scratch = std::make_unique<CSimulation>(s.getClock());
        problem = newSimulation::build(spec, *scratch);
        if (problem.empty()) {
            s.adoptState(*scratch);
            return true;
        }
        // A sentence of the dialog's, as a line of the runner's.
        problem[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(problem[0])));
        if (problem.back() == '.') problem.pop_back();
    }
    std::fprintf(stderr, "quorvel-batch: %s\n", problem.c_str());
    return false;
}

int runBatch(const CBatchOptions& options)
{
    CClock clock;
    auto simulation = std::make_unique<CSimulation>(clock);
    CSimulation& s = *simulation;
    s.initWithDefaults();
    bool linesSkipped = false;
    if (!options.newTypes.empty() && !buildNewState(options, s)) return 2;
    if (!outputsWritable(options)) return 1;
    if (!options.inputPath.empty()) {
        const int frame = options.trajectory.frame;
        structureImport::COpened opened =
            structureImport::openAnyFile(s, options.inputPath, [frame](int) { return frame; });
        if (!opened.refusal.empty()) {
            std::fprintf(stderr, "quorvel-batch: cannot read %s: %s\n", options.inputPath.c_str(), opened.refusal.c_str());
            return 1;
        }
        if (!opened.notice.empty()) std::fprintf(stderr, "quorvel-batch: %s: %s\n", options.inputPath.c_str(), opened.notice.c_str());
        // The run goes on with what the file could set; the exit status says
        // that it is not all the file asked for.
        const std::vector<CSkippedLine> skipped = s.takeSkippedLines();
        if (!skipped.empty()) {
            std::fprintf(stderr, "quorvel-batch: %s: %s:\n", options.inputPath.c_str(), skippedLinesHeading(skipped.size()).c_str());
            for (const std::string& note : skippedLineNotes(skipped)) std::fprintf(stderr, "  %s\n", note.c_str());
            linesSkipped = true;
        }
    }
    for (const auto& [name, text] : options.settings) {
        parameters::CParameterRef ref;
        parameters::find(name, ref);
        // A command line means what it says: a question is answered yes, and said.
        COutcome outcome = parameters::set(s, ref, text);
        if (outcome.isQuestion()) {
            std::fprintf(stderr, "quorvel-batch: --set %s: %s\n", name.c_str(), outcome.message().c_str());
            outcome = parameters::set(s, ref, text, true);
        }
        if (!outcome) {
            std::fprintf(stderr, "quorvel-batch: --set %s: %s\n", name.c_str(), outcome.message().c_str());
            return 2;
        }
    }
    s.setEngineKind(options.engineKind);
    s.setEngineThreads(options.engineThreads);

    CBatchInstruments instruments(options);
    CBatchTrajectories trajectories(options.trajectory);
    if (!trajectories.start(s)) return 1;
    std::string csv;
    bool wantCsv = !options.csvPath.empty();
    if (wantCsv) appendCsvHeader(csv);

    CRunState storedRunState = s.getRunState();
    s.setRunState(CRunState::running);
    auto started = std::chrono::steady_clock::now();
    {
        CProgressLine progress(static_cast<unsigned long long>(options.ticks) * s.getIPD());
        for (unsigned long tick = 0; tick < options.ticks; tick++) {
            if (!instruments.runDisplay(s)) {
                progress.clear();
                // Nothing is written from a run that broke down.
                std::fprintf(stderr, "quorvel-batch: %s\n", s.getRunStopReason().c_str());
                return 1;
            }
            if (wantCsv) appendCsvRow(csv, s);
            instruments.afterDisplay(s);
            trajectories.afterDisplay(s);
            progress.update(static_cast<unsigned long long>(tick + 1) * s.getIPD());
        }
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    s.setRunState(storedRunState);

    unsigned long long steps = static_cast<unsigned long long>(options.ticks) * s.getIPD();
    std::fprintf(stderr, "%llu integration steps in %.3f s: %.1f steps per second\n", steps, seconds,
                 seconds > 0 ? static_cast<double>(steps) / seconds : 0.0);

    int status = trajectories.succeeded() && !linesSkipped ? 0 : 1;
    if (wantCsv) {
        std::string failure = writeFileAtomically(options.csvPath, csv);
        if (!failure.empty()) {
            std::fprintf(stderr, "quorvel-batch: cannot write %s: %s\n", options.csvPath.c_str(), failure.c_str());
            status = 1;
        }
    }
    if (!instruments.writeAfterRun(s)) status = 1;
    if (!options.outputPath.empty()) {
        s.setSavePath(options.outputPath);
        const COutcome written = s.writeOutputFile();
        printOutcome(written);
        if (!written) status = 1;
    }
    if (!options.renderPath.empty()) {
        QImage picture = renderScenePicture(s.state(), QSize(options.renderWidth, options.renderHeight), options.renderStereo);
        QString failure = writeImageAtomically(picture, QString::fromStdString(options.renderPath));
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "quorvel-batch: cannot write %s: %s\n", options.renderPath.c_str(), qPrintable(failure));
            status = 1;
        }
    }
    if (!options.lammpsFolder.empty()) {
        std::string failure = exportForLammps(s.state(), options.lammpsFolder, options.lammpsReplicate);
        if (!failure.empty()) {
            std::fprintf(stderr, "quorvel-batch: %s\n", failure.c_str());
            status = 1;
        }
    }
    return status;
}
