// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-batch: runs a simulation without a window and writes numbers.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QCommandLineParser>
#include <QStringList>

#include "BASE/CTextNumbers.h"
#include "CBatchInstruments.h"
#include "CBatchRun.h"
#include "LESSON/CLesson.h"
#include "SIM/io/CFileTags.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/model/CModelLimits.h"
#include "SIM/model/CParameters.h"
#include "QuorvelVersion.h"

namespace {

bool parseCount(const std::string& text, unsigned long& out)
{
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtoul(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

bool parseSize(const std::string& text, int& width, int& height)
{
    std::size_t x = text.find('x');
    unsigned long w = 0, h = 0;
    if (x == std::string::npos || !parseCount(text.substr(0, x), w) || !parseCount(text.substr(x + 1), h)) return false;
    if (w < 1 || h < 1 || w > 16384 || h > 16384) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// A whole real number in the "C" notation, whatever the locale.
bool parseReal(const std::string& text, double& out)
{
    const char* end = text.data() + text.size();
    auto [stop, failure] = std::from_chars(text.data(), end, out);
    return failure == std::errc() && stop == end && std::isfinite(out);
}

// The options that take a value, and the switches.
const char* const kValueOptions[] = {"ticks",     "output",  "csv",       "engine",      "threads",
                                     "render",    "size",    "histogram", "rdf",         "rdf-types",
                                     "lammps",    "replicate", "new",     "lattice",     "density",
                                     "box-width", "packing-fraction", "temperature", "seed", "floor-bath",
                                     "msd",       "vacf",      "msd-types", "set"};
const char* const kSwitches[] = {"stereo", "floor-attraction", "periodic", "no-contacts"};

// Arguments are taken as Latin-1, which maps every byte to one character and
// back, so a path that is not valid in the locale's encoding reaches the
// file functions byte for byte.
std::string bytes(const QString& text) { return text.toLatin1().toStdString(); }

// An option's name as the parser knows it: without its dashes and value.
QString optionName(const QString& argument)
{
    QString name = argument.section('=', 0, 0);
    while (name.startsWith('-')) name.remove(0, 1);
    return name;
}

// Parses the arguments; on failure returns false with the reason in error.
bool parseBatchOptions(int argc, const char* const* argv, CBatchOptions& options, std::string& error)
{
    QStringList arguments;
    for (int k = 0; k < argc; k++) arguments << QString::fromLatin1(argv[k]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kValueOptions) parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : kTrajectoryOptionNames)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
    for (const char* name : kSwitches) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (!parser.parse(arguments)) {
        // Reported as before the parser came: the option as it was written.
        const QStringList unknown = parser.unknownOptionNames();
        for (const QString& argument : arguments.mid(1))
            if (!unknown.isEmpty() && argument.startsWith('-') && optionName(argument) == unknown.first()) {
                error = "unknown option " + bytes(argument.section('=', 0, 0));
                return false;
            }
        // A value is missing only after the last argument.
        const QString last = arguments.last();
        auto named = [&](const char* name) { return optionName(last) == QLatin1String(name); };
        const bool takesValue = std::any_of(std::begin(kValueOptions), std::end(kValueOptions), named) ||
                                std::any_of(std::begin(kTrajectoryOptionNames), std::end(kTrajectoryOptionNames), named);
        error = takesValue && !last.contains('=') ? bytes(last) + " needs a value" : bytes(parser.errorText());
        return false;
    }
    // The value of an option given (the last, when given more than once), or
    // false with error set when it is empty.
    auto value = [&](const char* name, std::string& out) {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option)) return false;
        out = bytes(parser.value(option));
        if (out.empty()) error = std::string("--") + name + " needs a value";
        return !out.empty();
    };
    auto refused = [&] { return !error.empty(); };
    std::string text;
    if (value("ticks", text) && !parseCount(text, options.ticks))
        error = "--ticks needs a whole number of display steps, not \"" + text + "\"";
    if (!refused()) value("output", options.outputPath);
    if (!refused()) value("csv", options.csvPath);
    if (!refused() && value("engine", text)) {
        if (text != "reference" && text != "fast")
            error = "--engine is reference or fast, not \"" + text + "\"";
        options.engineKind = text == "fast" ? CEngineKind::fast : CEngineKind::reference;
    }
    if (!refused() && value("threads", text)) {
        unsigned long n = 0;
        if (text == "auto") options.engineThreads = modelLimits::kAutomaticThreads;
        else if (parseCount(text, n) && n >= 1 && n <= static_cast<unsigned long>(modelLimits::kMaxEngineThreads))
            options.engineThreads = static_cast<int>(n);
        else
            error = "--threads is auto or a whole number from 1 to " + std::to_string(modelLimits::kMaxEngineThreads) +
                    ", not \"" + text + "\"";
    }
    if (!refused()) value("render", options.renderPath);
    if (!refused() && value("size", text) && !parseSize(text, options.renderWidth, options.renderHeight))
        error = "--size needs WIDTHxHEIGHT, each 1 to 16384, not \"" + text + "\"";
    if (!refused()) value("histogram", options.histogramPath);
    if (!refused()) value("rdf", options.rdfPath);
    if (!refused() && value("rdf-types", text) && !parseTypePair(text, options.rdfFirstType, options.rdfSecondType))
        error = "--rdf-types needs two type letters A to D such as AB, not \"" + text + "\"";
    if (!refused()) value("lammps", options.lammpsFolder);
    if (!refused() && value("replicate", text)) {
        unsigned long n = 0;
        if (!parseCount(text, n) || n < 1 || n > static_cast<unsigned long>(lammps::kMaxReplicate))
            error = formatC("--replicate needs a whole number from 1 to %d, not \"%s\"", lammps::kMaxReplicate, text.c_str());
        options.lammpsReplicate = static_cast<int>(n);
    }
    options.renderStereo = parser.isSet(QStringLiteral("stereo"));
    for (const char* name : kTrajectoryOptionNames)
        if (!refused() && value(name, text)) takeTrajectoryOption(std::string("--") + name, text, options.trajectory, error);
    if (!refused()) value("msd", options.msdPath);
    if (!refused()) value("vacf", options.vacfPath);
    // Each parameter set after the file is read, in the order given; a
    // name that is none is refused here, a value when it is set.
    for (const QString& setting : parser.values(QStringLiteral("set"))) {
        if (refused()) break;
        const std::string pair = bytes(setting);
        const std::size_t equals = pair.find('=');
        parameters::CParameterRef ref;
        if (equals == std::string::npos)
            error = "--set needs NAME=VALUE, not \"" + pair + "\"";
        else if (std::string why = parameters::find(pair.substr(0, equals), ref); !why.empty())
            error = "--set: " + why;
        else
            options.settings.push_back({pair.substr(0, equals), pair.substr(equals + 1)});
    }
    if (!refused() && value("msd-types", text)) {
        if (!parseTypeSet(text, options.msdTypes))
            error = "--msd-types needs one to four different type letters A to D such as AB, not \"" + text + "\"";
        options.msdTypesGiven = true;
    }

    // ---- a new simulation instead of a file
    newSimulation::CSpec& spec = options.newSpec;
    if (!refused()) value("new", options.newTypes);
    if (!refused() && value("lattice", text) && !newSimulation::arrangementFromWord(text, spec.arrangement))
        error = "--lattice is sc, bcc, fcc or random, not \"" + text + "\"";
    // One of the ways to give the density, or none for the arrangement's default.
    const struct {
        const char* name;
        newSimulation::CDensityMeasure measure;
        const char* needs;
    } densityOptions[] = {{"density", newSimulation::CDensityMeasure::massDensity, "a mass density in kg/m3"},
                          {"packing-fraction", newSimulation::CDensityMeasure::packingFraction,
                           "the share of the box the atoms' spheres fill, such as 0.2"},
                          {"box-width", newSimulation::CDensityMeasure::boxWidth, "a width in metres"}};
    std::string densityGiven;
    for (const auto& option : densityOptions) {
        if (refused() || !parser.isSet(QString::fromLatin1(option.name))) continue;
        if (!densityGiven.empty()) {
            error = "--" + densityGiven + " and --" + option.name + " cannot both be given";
            break;
        }
        densityGiven = option.name;
        spec.measure = option.measure;
        if (value(option.name, text) && !parseReal(text, spec.density))
            error = std::string("--") + option.name + " needs " + option.needs + ", not \"" + text + "\"";
    }
    options.newDensityGiven = !densityGiven.empty();
    if (!refused() && value("temperature", text) && !parseReal(text, spec.temperature))
        error = "--temperature needs a temperature in kelvin, not \"" + text + "\"";
    if (!refused() && value("seed", text)) {
        unsigned long seed = 0;
        if (!parseCount(text, seed)) error = "--seed needs a whole number, not \"" + text + "\"";
        spec.seed = seed;
    }
    if (!refused() && value("floor-bath", text)) {
        spec.floorBath = true;
        if (!parseReal(text, spec.floorTemperature))
            error = "--floor-bath needs the bath's temperature in kelvin, not \"" + text + "\"";
    }
    spec.floorAttraction = parser.isSet(QStringLiteral("floor-attraction"));
    spec.periodic = parser.isSet(QStringLiteral("periodic"));
    spec.contacts = !parser.isSet(QStringLiteral("no-contacts"));
    if (refused()) return false;

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        error = "only one simulation file can be given";
        return false;
    }
    if (!files.isEmpty()) options.inputPath = bytes(files.first());
    if (options.rdfFirstType >= 0 && options.rdfPath.empty()) {
        error = "--rdf-types needs --rdf OUT.csv";
        return false;
    }
    if (!checkTrajectoryOptions(options.trajectory, error)) return false;
    if (options.msdTypesGiven && options.msdPath.empty() && options.vacfPath.empty()) {
        error = "--msd-types needs --msd OUT.csv or --vacf OUT.csv";
        return false;
    }
    if (parser.isSet(QStringLiteral("replicate")) && options.lammpsFolder.empty()) {
        error = "--replicate needs --lammps DIR";
        return false;
    }
    if (options.newTypes.empty()) {
        for (const char* name : {"lattice", "density", "packing-fraction", "box-width", "temperature", "seed",
                                 "floor-bath", "floor-attraction", "periodic", "no-contacts"})
            if (parser.isSet(QString::fromLatin1(name))) {
                error = std::string("--") + name + " needs --new TYPES";
                return false;
            }
    } else if (!options.inputPath.empty()) {
        error = "--new builds the simulation: no simulation file can be given with it";
        return false;
    }
    return true;
}

// One line per problem, with the line of the lesson to fix; 0 when there is none.
int checkLesson(const char* path)
{
    const QString file = QString::fromLocal8Bit(path);
    const QStringList problems = lesson::problemLines(lesson::readLesson(file), file);
    for (const QString& line : problems) std::printf("%s\n", line.toLocal8Bit().constData());
    return problems.isEmpty() ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // --help, --version and --file-format answer wherever they stand, before any other argument is judged.
    for (int k = 1; k < argc; k++) {
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            std::fputs(kBatchUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[k], "--version") == 0) {
            std::puts("quorvel-batch " QUORVEL_VERSION);
            return 0;
        }
        if (std::strcmp(argv[k], "--parameters") == 0) {
            std::fputs(parameters::markdownTable().c_str(), stdout);
            return 0;
        }
        if (std::strcmp(argv[k], "--lesson-format") == 0) {
            std::fputs((lesson::actionsMarkdownTable() + "\n" + lesson::quantitiesMarkdownTable()).toUtf8().constData(), stdout);
            return 0;
        }
        if (std::strcmp(argv[k], "--check-lesson") == 0) {
            if (k + 1 >= argc) {
                std::fprintf(stderr, "quorvel-batch: --check-lesson needs a lesson file\n%s\n", kBatchTryHelp);
                return 2;
            }
            return checkLesson(argv[k + 1]);
        }
        if (std::strcmp(argv[k], "--file-format") == 0) {
            std::fputs(fileFormatTable().c_str(), stdout);
            return 0;
        }
    }
    CBatchOptions options;
    std::string error;
    if (!parseBatchOptions(argc, argv, options, error)) {
        // One line of what is wrong, then where the rest is: the whole
        // summary would bury the line.
        std::fprintf(stderr, "quorvel-batch: %s\n%s\n", error.c_str(), kBatchTryHelp);
        return 2;
    }
    return runBatch(options);
}
