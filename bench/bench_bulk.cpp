// SPDX-License-Identifier: GPL-3.0-or-later
// Bulk liquid argon in a periodic box, Quorvel against LAMMPS from the same
// state: averages of the total energy per atom, the temperature and the
// pressure, the diffusion coefficient and the first peak of g(r), with the
// contacts at the mean diameter off (the plain Lennard-Jones model LAMMPS
// runs) and on (Quorvel's own model).
//
// The liquid: argon (sigma 3.405 A as the diameter, epsilon / k = 119.8 K,
// 39.948 u) at the reduced density 0.8 and temperature 1.0, cut at 3 sigma
// and not shifted. It is built on an fcc lattice with Maxwell velocities,
// melted and brought to temperature in Quorvel by rescaling the velocities,
// then exported; both programs run the same plain NVE velocity Verlet
// (Quorvel's energy conservation off) for the same steps from it, and the
// fast engine runs Quorvel's side.
//
//   build/bench/bench_bulk [--contacts] [steps [atoms...]]   (default 50000 steps; 1600 and 500 atoms)
// --contacts adds two runs of Quorvel's own model from the same state, with
// its energy conservation off and on, against the same LAMMPS run.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BASE/CAtomicFile.h"
#include "SIM/engine/CSampledRun.h"
#include "SIM/io/CLammpsExport.h"
#include "SIM/measure/CDiffusion.h"
#include "SIM/measure/CRadialDistribution.h"
#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CSimulation.h"

namespace {
constexpr double kSigma = 3.405e-10;                   // m
constexpr double kEpsilon = 119.8 * quorvel::kBoltzmann;  // J
constexpr double kMass = 39.948 * 1.66053906660e-27;   // kg
constexpr double kDensity = 0.8;                       // sigma^-3
constexpr double kTemperature = 119.8;                 // K: 1.0 in reduced units
constexpr double kTimeStep = 1e-14;                    // s
constexpr unsigned kEvery = 10;                        // steps between the averages' samples
constexpr unsigned kRdfEvery = 100;                    // steps between g(r)'s samples
constexpr int kRdfBins = 60;                           // sigma / 20 wide to the cut-off, as Quorvel's
// The MSD from many time origins, kOriginSpacing steps apart, each followed
// for kMsdSpan steps and fitted over the second half of its lags: one
// origin's slope scatters by ten per cent in a liquid of this size, so both
// programs are measured alike, the same way, from as many origins as the run holds.
constexpr unsigned kOriginSpacing = 1000;
constexpr unsigned kMsdSpan = 5000;
unsigned originCount(unsigned steps) { return steps < kMsdSpan ? 1 : (steps - kMsdSpan) / kOriginSpacing + 1; }

struct Figures {
    double energyPerAtom = 0.0, temperature = 0.0, pressure = 0.0;  // J, K, Pa
    double einsteinD = -1.0;   // m^2/s, the diffusion measurement's (many time origins)
    double secondHalfD = -1.0; // m^2/s, MSD / 6 t, each origin's fitted over the second half of its lags, averaged
    unsigned origins = 0;
    double peakG = 0.0, peakR = 0.0;  // g(r)'s first peak, m
    double drift = 0.0;        // the total energy's change over the run per atom, J
    double windowFrom = 0.0, windowTo = 0.0;  // s, the measurement's fit window
};

// Every velocity scaled by one factor to the temperature, after the centre
// of mass is brought to rest: a periodic box keeps the total momentum, and a
// drifting liquid would add the drift's square to every MSD.
void rescaleVelocities(CSimulation& s)
{
    auto state = std::make_unique<CSimulationState>(s.state());
    CAtoms& atoms = state->atoms;
    double momentum[3] = {}, mass = 0.0, kinetic = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            for (int axis = 0; axis < 3; axis++) momentum[axis] += state->types.mass[t] * atoms.vel[t][i].v[axis];
            mass += state->types.mass[t];
        }
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            for (int axis = 0; axis < 3; axis++) atoms.vel[t][i].v[axis] -= momentum[axis] / mass;
            kinetic += 0.5 * state->types.mass[t] * atoms.vel[t][i].norm();
        }
    const double factor = std::sqrt(1.5 * atoms.totalAtoms * quorvel::kBoltzmann * kTemperature / kinetic);
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) atoms.vel[t][i].muls(factor);
    s.restoreState(*state);
    s.restartEnergiesAndAverages();
}

// A square, box-wide lattice of fcc cells holding n atoms (the first n sites
// in a shuffled order), velocities drawn from Maxwell's distribution at T.
std::unique_ptr<CSimulation> buildLiquid(CClock& clock, int n)
{
    auto s = std::make_unique<CSimulation>(clock);
    s->initWithDefaults();
    const double width = std::cbrt(n / kDensity) * kSigma;
    s->setEngineKind(CEngineKind::fast);
    for (int t = 0; t < CSimulation::kTypes; t++) s->setNumber(t, 0);
    s->setPistonUsed(false);
    s->setFloorTempUsed(false);
    s->setHalfWidth(width / 2.0);
    for (int t = 0; t < CSimulation::kTypes; t++) {
        s->setDiam(t, kSigma);
        s->setMass(t, kMass);
        for (int u = t; u < CSimulation::kTypes; u++) s->setLJeps(t, u, kEpsilon);
    }
    int cells = static_cast<int>(std::ceil(std::cbrt(n / 4.0)));
    const double a = width / cells;
    const double basis[4][3] = {{0.25, 0.25, 0.25}, {0.75, 0.75, 0.25}, {0.75, 0.25, 0.75}, {0.25, 0.75, 0.75}};
    std::vector<std::array<double, 3>> sites;
    for (int i = 0; i < cells; i++)
        for (int j = 0; j < cells; j++)
            for (int k = 0; k < cells; k++)
                for (const auto& b : basis)
                    sites.push_back({-width / 2 + (i + b[0]) * a, -width / 2 + (j + b[1]) * a, -width / 2 + (k + b[2]) * a});
    std::mt19937_64 rng(1234);
    std::shuffle(sites.begin(), sites.end(), rng);
    std::normal_distribution<double> maxwell(0.0, std::sqrt(quorvel::kBoltzmann * kTemperature / kMass));
    for (int k = 0; k < n; k++) {
        const int t = k % CSimulation::kTypes;  // 400 a type at the most: the argon fills the four alike
        s->addOneAtomAtLocationWithVelocity(t, sites[k][0], sites[k][1], sites[k][2], maxwell(rng), maxwell(rng),
                                            maxwell(rng));
    }
    rescaleVelocities(*s);
    s->setTimeStep(kTimeStep);
    s->setConserve(false);
    s->setPotentialUsed(true);
    s->setContactsUsed(false);
    COutcome periodic = s->setBoundaries(CBoundaries::periodic);
    if (!periodic) {
        std::fprintf(stderr, "periodic box refused: %s\n", periodic.message().c_str());
        std::exit(1);
    }
    // Melt, and bring the liquid to temperature: the velocities rescaled
    // every 10 steps for 1,500 steps, then 500 steps left alone.
    s->setIPD(10);
    for (int k = 0; k < 150; k++) {
        s->runDisplay();
        rescaleVelocities(*s);
    }
    for (int k = 0; k < 50; k++) s->runDisplay();
    return s;
}

std::unique_ptr<CSimulation> copyOf(CClock& clock, const CSimulation& s)
{
    auto copy = std::make_unique<CSimulation>(clock);
    copy->initWithDefaults();
    copy->setEngineKind(CEngineKind::fast);
    copy->adoptState(s);
    return copy;
}

double slopeOverSecondHalf(const std::vector<double>& t, const std::vector<double>& y)
{
    const std::size_t from = t.size() / 2;
    double mt = 0, my = 0, n = 0;
    for (std::size_t k = from; k < t.size(); k++) mt += t[k], my += y[k], n++;
    mt /= n;
    my /= n;
    double sty = 0, stt = 0;
    for (std::size_t k = from; k < t.size(); k++) sty += (t[k] - mt) * (y[k] - my), stt += (t[k] - mt) * (t[k] - mt);
    return sty / stt;
}

// One curve per origin: the MSD at each lag (kEvery steps apart, from the
// first sample after the origin) up to half the run.
using MsdCurves = std::vector<std::vector<double>>;

double diffusionFromOrigins(const MsdCurves& curves)
{
    double sum = 0.0;
    unsigned used = 0;
    for (const std::vector<double>& msd : curves) {
        if (msd.size() < 8) continue;
        std::vector<double> lags(msd.size());
        for (std::size_t k = 0; k < msd.size(); k++) lags[k] = (k + 1) * kEvery * kTimeStep;
        sum += slopeOverSecondHalf(lags, msd) / 6.0;
        used++;
    }
    return used ? sum / used : -1.0;
}


Figures runQuorvel(CSimulation& s, unsigned steps)
{
    const int n = s.state().atoms.totalAtoms;
    const double w = 2.0 * s.state().box.halfWidth;
    auto unwrapped = [&s, w] {
        std::vector<CVector> at;
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.getNumber(t); i++) {
                CVector r = s.state().atoms.loc[t][i];
                for (int axis = 0; axis < 3; axis++) r.v[axis] += s.state().atoms.image[t][i][axis] * w;
                at.push_back(r);
            }
        return at;
    };
    const unsigned count = originCount(steps), spacing = kOriginSpacing, span = std::min(kMsdSpan, steps);
    std::vector<std::vector<CVector>> origins(count);
    MsdCurves curves(count);
    origins[0] = unwrapped();
    CDiffusion diffusion;
    CRadialDistribution rdf;
    rdf.setPair(CRadialDistribution::kAllTypes);
    Figures f;
    const double e0 = s.state().outputs.TEnergy[CSimulation::kAllAtoms];
    s.setIPD(kEvery);
    unsigned samples = 0;
    for (unsigned done = 0; done < steps; done += kEvery) {
        runDisplayStepsSampled(s, &diffusion, kEvery);
        const CMeasuredOutputs& o = s.state().outputs;
        f.energyPerAtom += o.TEnergy[CSimulation::kAllAtoms] / n;
        f.temperature += o.temperature[CSimulation::kAllAtoms];
        f.pressure += o.pressure[CSimulation::kAllAtoms];
        samples++;
        if ((done + kEvery) % kRdfEvery == 0) rdf.accumulate(s.state());
        const unsigned now = done + kEvery;
        const std::vector<CVector> here = unwrapped();
        for (unsigned k = 0; k < count; k++) {
            const unsigned from = k * spacing;
            if (now <= from || now - from > span || origins[k].empty()) continue;
            double sum = 0.0;
            for (std::size_t a = 0; a < here.size(); a++)
                for (int axis = 0; axis < 3; axis++) {
                    const double d = here[a].v[axis] - origins[k][a].v[axis];
                    sum += d * d;
                }
            curves[k].push_back(sum / n);
        }
        for (unsigned k = 1; k < count; k++)
            if (now == k * spacing) origins[k] = here;
    }
    f.energyPerAtom /= samples;
    f.temperature /= samples;
    f.pressure /= samples;
    f.drift = (s.state().outputs.TEnergy[CSimulation::kAllAtoms] - e0) / n;
    f.secondHalfD = diffusionFromOrigins(curves);
    f.origins = count;
    const CDiffusionResult r = diffusion.result(kAllTypesMask);
    if (r.hasWindow()) f.einsteinD = r.einsteinD, f.windowFrom = r.windowStart(), f.windowTo = r.windowEnd();
    else std::fprintf(stderr, "  Quorvel's diffusion measurement: %s\n", r.reason().c_str());
    for (int b = 0; b < rdf.bins(); b++)
        if (rdf.g(b) > f.peakG) f.peakG = rdf.g(b), f.peakR = rdf.radius(b);
    return f;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// LAMMPS on the exported state: the thermo every kEvery steps, the MSD from
// the start every kEvery steps, g(r) averaged every kRdfEvery steps.
bool runLammps(const CSimulation& s, unsigned steps, Figures& f)
{
    char pattern[] = "/tmp/quorvel-bench-bulk-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    std::string error = exportForLammps(s.state(), folder, 1);
    if (!error.empty()) {
        std::fprintf(stderr, "export failed: %s\n", error.c_str());
        return false;
    }
    std::string input;
    readWholeFile(folder + "/" + lammps::kInputName, input);
    const std::string every = "thermo          100";
    input.replace(input.find(every), every.size(), "thermo          " + std::to_string(kEvery));
    const double cutoff = 3.0 * kSigma / lammps::kAngstrom;
    char extra[1024];
    std::snprintf(extra, sizeof extra,
                  "compute         qrdf atoms rdf %d cutoff %.12g\n"
                  "fix             qrdfout atoms ave/time %u %u %u c_qrdf[*] file rdf.out mode vector\n",
                  kRdfBins, cutoff, kRdfEvery, steps / kRdfEvery, steps);
    // The run in parts, a new MSD (whose origin is where the atoms are when
    // it is defined) at the start of each.
    const unsigned count = originCount(steps), spacing = kOriginSpacing, span = std::min(kMsdSpan, steps);
    std::string parts;
    for (unsigned k = 0; k < count; k++) {
        char part[256];
        std::snprintf(part, sizeof part,
                      "compute         qmsd%u atoms msd\n"
                      "fix             qmsdout%u atoms ave/time %u 1 %u c_qmsd%u[4] file msd%u.out\n"
                      "run             %u\n",
                      k, k, kEvery, kEvery, k, k, k + 1 < count ? spacing : steps - (count - 1) * spacing);
        parts += part;
    }
    const std::size_t run = input.rfind("\nrun ") + 1;
    input.replace(run, input.find('\n', run) + 1 - run, extra + parts);
    writeFileAtomically(folder + "/" + lammps::kInputName, input);
    const std::string command = "cd '" + folder + "' && lmp -in " + lammps::kInputName + " -var steps " +
                                std::to_string(steps) + " -log log.lammps -screen none >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "LAMMPS failed in %s\n", folder.c_str());
        return false;
    }
    const int n = s.state().atoms.totalAtoms;
    std::string log;
    readWholeFile(folder + "/log.lammps", log);
    bool inTable = false;
    unsigned rows = 0;
    double first = NAN, last = NAN;
    long lastStep = -1;  // each part of the run repeats the row its last one ended with
    for (const std::string& line : lines(log)) {
        long step;
        double temp, pe, ke, etotal, press;
        if (line.find("Step") != std::string::npos) inTable = true;
        else if (inTable && std::sscanf(line.c_str(), "%ld %lf %lf %lf %lf %lf", &step, &temp, &pe, &ke, &etotal, &press) == 6) {
            if (step <= lastStep) continue;
            lastStep = step;
            if (step == 0) {
                first = etotal;
                continue;
            }
            f.energyPerAtom += etotal * lammps::kElectronVolt / n;
            f.temperature += temp;
            f.pressure += press * lammps::kBar;
            last = etotal;
            rows++;
        } else if (line.rfind("Loop time", 0) == 0) inTable = false;
    }
    if (rows == 0) return false;
    f.energyPerAtom /= rows;
    f.temperature /= rows;
    f.pressure /= rows;
    f.drift = (last - first) * lammps::kElectronVolt / n;
    std::string text;
    MsdCurves curves(count);
    for (unsigned k = 0; k < count; k++) {
        readWholeFile(folder + "/msd" + std::to_string(k) + ".out", text);
        const long origin = static_cast<long>(k * spacing);
        for (const std::string& line : lines(text)) {
            long step;
            double value;
            if (line.empty() || line[0] == '#' || std::sscanf(line.c_str(), "%ld %lf", &step, &value) != 2) continue;
            const long lag = step - origin;
            if (lag <= 0 || lag > static_cast<long>(span)) continue;
            if (lag != static_cast<long>((curves[k].size() + 1) * kEvery)) break;  // a row missing: the lags would not match
            curves[k].push_back(value * lammps::kAngstrom * lammps::kAngstrom);
        }
    }
    f.secondHalfD = diffusionFromOrigins(curves);
    f.origins = count;
    readWholeFile(folder + "/rdf.out", text);
    for (const std::string& line : lines(text)) {
        int bin;
        double r, g, coordination;
        if (line.empty() || line[0] == '#' || std::sscanf(line.c_str(), "%d %lf %lf %lf", &bin, &r, &g, &coordination) != 4) continue;
        if (g > f.peakG) f.peakG = g, f.peakR = r * lammps::kAngstrom;
    }
    return true;
}

double relative(double ours, double theirs) { return 100.0 * (ours - theirs) / theirs; }

void print(const char* what, double ours, double theirs, double unit, const char* unitName)
{
    std::printf("  %-26s %12.5g %12.5g %s   %+7.2f %%\n", what, ours / unit, theirs / unit, unitName, relative(ours, theirs));
}

void compare(const char* title, const Figures& q, const Figures& l)
{
    std::printf("%s\n  %-26s %12s %12s\n", title, "", "Quorvel", "LAMMPS");
    print("E / N", q.energyPerAtom, l.energyPerAtom, kEpsilon, "epsilon");
    print("T", q.temperature, l.temperature, 1.0, "K      ");
    print("P", q.pressure, l.pressure, 1e6, "MPa    ");
    print("D, MSD / 6t, all origins", q.secondHalfD, l.secondHalfD, 1e-9, "1e-9 m^2/s");
    if (q.einsteinD > 0)
        std::printf("  %-26s %12.5g %12s 1e-9 m^2/s   %+7.2f %% (fit %.2g to %.2g ps)\n", "D, Quorvel's measurement",
                    q.einsteinD / 1e-9, "", relative(q.einsteinD, l.secondHalfD), q.windowFrom * 1e12, q.windowTo * 1e12);
    print("g(r) first peak", q.peakG, l.peakG, 1.0, "       ");
    print("  at r", q.peakR, l.peakR, kSigma, "sigma  ");
    std::printf("  %-26s %12.3g %12.3g epsilon (end minus start)\n", "E / N drift", q.drift / kEpsilon, l.drift / kEpsilon);
}
}  // namespace

int main(int argc, char** argv)
{
    bool contacts = argc > 1 && std::string(argv[1]) == "--contacts";
    if (contacts) argc--, argv++;
    unsigned steps = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 50000;
    steps = std::max(kRdfEvery, steps / kRdfEvery * kRdfEvery);
    std::vector<int> sizes;
    for (int k = 2; k < argc; k++) sizes.push_back(std::atoi(argv[k]));
    if (sizes.empty()) sizes = {1600, 500};
    if (std::system("command -v lmp >/dev/null 2>&1") != 0) {
        std::printf("lmp is not installed (Debian package lammps)\n");
        return 0;
    }
    static CClock clock;
    std::printf("liquid argon, reduced density %.2f and temperature %.2f, cut at 3 sigma unshifted, no tail;\n"
                "%u steps of %.0f fs; averages over samples every %u steps; D from the MSD of %u origins %u steps\n"
                "apart, each over %u steps, fitted over the second half; differences Quorvel against LAMMPS\n",
                kDensity, kTemperature / 119.8, steps, kTimeStep * 1e15, kEvery, originCount(steps), kOriginSpacing,
                std::min(kMsdSpan, steps));
    for (int n : sizes) {
        auto liquid = buildLiquid(clock, n);
        auto start = copyOf(clock, *liquid);  // the state both programs start from
        Figures theirs;
        if (!runLammps(*liquid, steps, theirs)) return 1;
        Figures off = runQuorvel(*liquid, steps);
        char title[128];
        std::snprintf(title, sizeof title, "%d atoms, contacts off (plain Lennard-Jones, as LAMMPS):", n);
        compare(title, off, theirs);
        std::fflush(stdout);
        if (!contacts) continue;
        auto withContacts = copyOf(clock, *start);
        withContacts->setContactsUsed(true);
        Figures on = runQuorvel(*withContacts, steps);
        std::snprintf(title, sizeof title, "%d atoms, contacts on (Quorvel's model), against the same LAMMPS run:", n);
        compare(title, on, theirs);
        auto conserved = copyOf(clock, *start);
        conserved->setContactsUsed(true);
        conserved->setConserve(true);
        Figures held = runQuorvel(*conserved, steps);
        std::snprintf(title, sizeof title, "%d atoms, contacts on with Quorvel's energy conservation on:", n);
        compare(title, held, theirs);
        std::fflush(stdout);
    }
    return 0;
}
