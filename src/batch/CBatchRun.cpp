// SPDX-License-Identifier: GPL-3.0-or-later
#include "CBatchRun.h"
#include "CBatchInstruments.h"

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
#include "SIM/CLammpsExport.h"
#include "SIM/CSimulation.h"
#include "SIM/CStructureImport.h"
#include "RENDER/CScenePicture.h"

const char* const kBatchUsage =
    "usage: quorvel-batch [FILE] [--ticks T] [--output OUT.txt] [--csv OUT.csv]\n"
    "                     [--render OUT.png [--size WxH] [--stereo]]\n"
    "                     [--engine reference|fast] [--threads 1|2]\n"
    "                     [--histogram OUT.csv] [--rdf OUT.csv [--rdf-types AB]]\n"
    "                     [--lammps DIR [--replicate N]]\n"
    "       quorvel-batch --version | --help | --file-format\n"
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
    "  --threads  threads of the fast engine, 1 (default) or 2\n"
    "  --histogram  write the displayed slot's speed distribution with the\n"
    "             Maxwell-Boltzmann fractions after the run\n"
    "  --rdf      write g(r) averaged over every display of the run\n"
    "  --rdf-types  the pair of types for --rdf (AB, CC, ...); all atoms by default\n"

    "  --lammps   write DIR/in.quorvel and DIR/data.quorvel after the run, for\n"
    "             lmp -in in.quorvel  (or  mpirun -np 4 lmp -in in.quorvel)\n"
    "  --replicate  N x N x N copies of the box side by side in LAMMPS, N from 1 to 100\n"
    "  --version  print the version and exit\n"
    "  --help     print this summary and exit\n"
    "  --file-format  print the simulation file's tags and the values read\n"
    "             (a Markdown table) and exit\n";

static bool parseCount(const std::string& text, unsigned long& out)
{
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtoul(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

static bool parseSize(const std::string& text, int& width, int& height)
{
    std::size_t x = text.find('x');
    unsigned long w = 0, h = 0;
    if (x == std::string::npos || !parseCount(text.substr(0, x), w) || !parseCount(text.substr(x + 1), h)) return false;
    if (w < 1 || h < 1 || w > 16384 || h > 16384) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool parseBatchOptions(int argc, const char* const* argv, CBatchOptions& options, std::string& error)
{
    bool replicateGiven = false;
    for (int k = 1; k < argc; k++) {
        std::string_view arg = argv[k];
        auto value = [&](std::string& out) {
            if (k + 1 >= argc || argv[k + 1][0] == '\0') {
                error = std::string(arg) + " needs a value";
                return false;
            }
            out = argv[++k];
            return true;
        };
        if (arg == "--ticks") {
            std::string text;
            if (!value(text)) return false;
            if (!parseCount(text, options.ticks)) {
                error = "--ticks needs a whole number of display steps, not \"" + text + "\"";
                return false;
            }
        } else if (arg == "--output") {
            if (!value(options.outputPath)) return false;
        } else if (arg == "--csv") {
            if (!value(options.csvPath)) return false;
        } else if (arg == "--engine") {
            std::string text;
            if (!value(text)) return false;
            if (text != "reference" && text != "fast") {
                error = "--engine is reference or fast, not \"" + text + "\"";
                return false;
            }
            options.engineKind = text == "fast" ? CEngineKind::fast : CEngineKind::reference;
        } else if (arg == "--threads") {
            std::string text;
            if (!value(text)) return false;
            if (text != "1" && text != "2") {
                error = "--threads is 1 or 2, not \"" + text + "\"";
                return false;
            }
            options.engineThreads = text == "2" ? 2 : 1;
        } else if (arg == "--render") {
            if (!value(options.renderPath)) return false;
        } else if (arg == "--size") {
            std::string text;
            if (!value(text)) return false;
            if (!parseSize(text, options.renderWidth, options.renderHeight)) {
                error = "--size needs WIDTHxHEIGHT, each 1 to 16384, not \"" + text + "\"";
                return false;
            }
        } else if (arg == "--histogram") {
            if (!value(options.histogramPath)) return false;
        } else if (arg == "--rdf") {
            if (!value(options.rdfPath)) return false;
        } else if (arg == "--rdf-types") {
            std::string text;
            if (!value(text)) return false;
            if (!parseTypePair(text, options.rdfFirstType, options.rdfSecondType)) {
                error = "--rdf-types needs two type letters A to D such as AB, not \"" + text + "\"";
                return false;
            }
        } else if (arg == "--lammps") {
            if (!value(options.lammpsFolder)) return false;
        } else if (arg == "--replicate") {
            std::string text;
            if (!value(text)) return false;
            unsigned long n = 0;
            if (!parseCount(text, n) || n < 1 || n > static_cast<unsigned long>(lammps::kMaxReplicate)) {
                error = formatC("--replicate needs a whole number from 1 to %d, not \"%s\"", lammps::kMaxReplicate,
                                text.c_str());
                return false;
            }
            options.lammpsReplicate = static_cast<int>(n);
            replicateGiven = true;
        } else if (int taken = parseTrajectoryOption(argc, argv, k, options.trajectory, error); taken != 0) {
            if (taken < 0) return false;
        } else if (arg == "--stereo") {
            options.renderStereo = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + std::string(arg);
            return false;
        } else if (options.inputPath.empty()) {
            options.inputPath = arg;
        } else {
            error = "only one simulation file can be given";
            return false;
        }
    }
    if (options.rdfFirstType >= 0 && options.rdfPath.empty()) {
        error = "--rdf-types needs --rdf OUT.csv";
        return false;
    }
    if (!checkTrajectoryOptions(options.trajectory, error)) return false;
    if (replicateGiven && options.lammpsFolder.empty()) {
        error = "--replicate needs --lammps DIR";
        return false;
    }
    return true;
}

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
    for (int slot = 0; slot < CSimulation::kSlots; slot++)
        appendFormatC(csv, ",%.17g,%.17g,%.17g,%.17g,%.17g,%.17g", s.getTCKEnergy(slot), s.getTCPEnergy(slot),
                      s.getTCTEnergy(slot), s.getTCTemperature(slot), s.getTCPressure(slot), s.getTCVrms(slot));
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

int runBatch(const CBatchOptions& options)
{
    if (!outputsWritable(options)) return 1;
    CConsolePlatform platform;
    auto simulation = std::make_unique<CSimulation>(platform);
    CSimulation& s = *simulation;
    s.initWithDefaults();
    if (!options.inputPath.empty()) {
        const int frame = options.trajectory.frame;
        structureImport::COpened opened =
            structureImport::openAnyFile(s, options.inputPath, [frame](int) { return frame; });
        if (!opened.refusal.empty()) {
            std::fprintf(stderr, "quorvel-batch: cannot read %s: %s\n", options.inputPath.c_str(), opened.refusal.c_str());
            return 1;
        }
        if (!opened.notice.empty()) std::fprintf(stderr, "quorvel-batch: %s: %s\n", options.inputPath.c_str(), opened.notice.c_str());
    }
    s.engineKind = options.engineKind;
    s.engineThreads = options.engineThreads;

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
            if (!s.runDisplay()) {
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

    int status = trajectories.succeeded() ? 0 : 1;
    if (wantCsv) {
        std::string failure = writeFileAtomically(options.csvPath, csv);
        if (!failure.empty()) {
            std::fprintf(stderr, "quorvel-batch: cannot write %s: %s\n", options.csvPath.c_str(), failure.c_str());
            status = 1;
        }
    }
    if (!instruments.writeAfterRun(s)) status = 1;
    if (!options.outputPath.empty()) {
        s.savePath = options.outputPath;
        if (!s.writeOutputFile()) status = 1;
    }
    if (!options.renderPath.empty()) {
        QImage picture = renderScenePicture(s, QSize(options.renderWidth, options.renderHeight), options.renderStereo);
        QString failure = writeImageAtomically(picture, QString::fromStdString(options.renderPath));
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "quorvel-batch: cannot write %s: %s\n", options.renderPath.c_str(), qPrintable(failure));
            status = 1;
        }
    }
    if (!options.lammpsFolder.empty()) {
        std::string failure = exportForLammps(s, options.lammpsFolder, options.lammpsReplicate);
        if (!failure.empty()) {
            std::fprintf(stderr, "quorvel-batch: %s\n", failure.c_str());
            status = 1;
        }
    }
    return status;
}
