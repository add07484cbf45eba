// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/build/CNewSimulation.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CForceConstants.h"
#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CSimulation.h"
#include "SIM/model/CSimulationDefaults.h"
#include "SIM/model/CValueRules.h"

namespace newSimulation {

namespace {

constexpr int kTypes = CSimulation::kTypes;
constexpr int kMaxPerType = CSimulation::kMaxPerType;
constexpr double kPi = 3.14159265358979323846;
// Lattice neighbours closer than the atoms' diameter by less than this share
// are taken as touching, so that a suggested limit rounded to three digits works.
constexpr double kTouchTolerance = 1e-9;
// Tries of a random place for one atom before the fill gives up.
constexpr int kRandomTries = 5000;
// A random fill that jams is tried again in boxes this much wider each time,
// up to kWideningTries times, to find a density that works.
constexpr double kWidening = 1.02;
constexpr int kWideningTries = 40;
// A random fill asked for no density fills the room the walls leave the
// centres to this share, well short of kRandomFillLimit, so that every seed
// finds room for every atom at the first try.
constexpr double kRandomDefaultShare = 0.25;

// Draws of our own, seeded by the person: the C library's random() stream,
// which the heat bath draws from, is left as it was. Uniform and normal
// draws are formed here rather than by the standard distributions, whose
// algorithms differ between libraries, so a seed builds the same state everywhere.
class CSeededDraws {
public:
    explicit CSeededDraws(std::uint64_t seed) : engine(seed) {}
    double uniform() { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }  // [0, 1)
    std::size_t below(std::size_t n) { return std::min(n - 1, static_cast<std::size_t>(uniform() * n)); }
    double normal()  // Box-Muller
    {
        double u1 = 1.0 - uniform(), u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
    }

private:
    std::mt19937_64 engine;
};

struct CPlaced {
    int type;
    double x, y, z;
};

struct CLatticeShape {
    int atomsPerCell;
    double basis[4][3];
    double nearestPerConstant;  // nearest neighbour distance over the lattice constant
    double spanOffset;          // the farthest basis offset along an axis, in lattice constants
};

const CLatticeShape& shapeOf(CArrangement a)
{
    static const CLatticeShape sc{1, {{0, 0, 0}}, 1.0, 0.0};
    static const CLatticeShape bcc{2, {{0, 0, 0}, {0.5, 0.5, 0.5}}, std::sqrt(3.0) / 2.0, 0.5};
    static const CLatticeShape fcc{4, {{0, 0, 0}, {0.5, 0.5, 0}, {0.5, 0, 0.5}, {0, 0.5, 0.5}}, 1.0 / std::sqrt(2.0), 0.5};
    return a == CArrangement::simpleCubic ? sc : a == CArrangement::bodyCentredCubic ? bcc : fcc;
}

std::string typeTitle(const std::vector<CTypeSpec>& types, int t)
{
    std::string title = std::string("type ") + static_cast<char>('A' + t);
    if (!types[t].name.empty()) title += " (" + types[t].name + ")";
    return title;
}

int atomCount(const CSpec& spec)
{
    int n = 0;
    for (const CTypeSpec& type : spec.types) n += type.count;
    return n;
}

double totalMass(const CSpec& spec)
{
    double m = 0.0;
    for (const CTypeSpec& type : spec.types) m += type.count * type.mass;
    return m;
}

double sphereVolume(const CSpec& spec)
{
    double v = 0.0;
    for (const CTypeSpec& type : spec.types) v += type.count * kPi / 6.0 * type.diameter * type.diameter * type.diameter;
    return v;
}

double largestDiameter(const CSpec& spec)
{
    double d = 0.0;
    for (const CTypeSpec& type : spec.types)
        if (type.count > 0) d = std::max(d, type.diameter);
    return d;
}

// A bound rounded to three significant digits on its safe side.
double roundedBound(double x, bool up)
{
    double step = std::pow(10.0, std::floor(std::log10(x)) - 2.0);
    double r = (up ? std::ceil(x / step) : std::floor(x / step)) * step;
    if (up && r < x) r += step;
    if (!up && r > x) r -= step;
    return r;
}

// A default rounded down to three significant digits, unless it is one already.
double tidyBelow(double x)
{
    double step = std::pow(10.0, std::floor(std::log10(x)) - 2.0);
    return std::min(x, std::floor(x / step + 1e-9) * step);
}

// The density in spec's measure that a box `width` wide has: "a mass
// density of at most 1.52e3 kg/m3" when wider boxes work (atLeastWidth),
// "at least" when narrower ones do.
std::string nearestValue(const CSpec& spec, double width, bool atLeastWidth)
{
    double volume = width * width * width;
    bool densityUp = !atLeastWidth;  // a wider box is a lower density
    const char* bound = densityUp ? "at least " : "at most ";
    auto number = [](double x, bool up) { return valueRules::shortNumber(roundedBound(x, up), 3); };
    switch (spec.measure) {
    case CDensityMeasure::massDensity:
        return std::string("a mass density of ") + bound + number(totalMass(spec) / volume, densityUp) + " kg/m3";
    case CDensityMeasure::numberDensity:
        return std::string("a number density of ") + bound + number(atomCount(spec) / volume, densityUp) + " per m3";
    case CDensityMeasure::packingFraction:
        return std::string("a packing fraction of ") + bound + number(sphereVolume(spec) / volume, densityUp);
    case CDensityMeasure::boxWidth:
        break;
    }
    return std::string("a box ") + (atLeastWidth ? "at least " : "at most ") + number(width, atLeastWidth) + " m wide";
}

// "The packing fraction" and its unit, as a refusal names the measure given.
struct CMeasureWords {
    const char* title;
    const char* unit;
};
CMeasureWords measureWords(CDensityMeasure m)
{
    static const CMeasureWords words[] = {{"The mass density", "kg/m3"},
                                          {"The number density", "per m3"},
                                          {"The packing fraction", ""},
                                          {"The box width", "m"}};
    return words[static_cast<int>(m)];
}

// The lattice in a box `width` wide: the sites, not the cells' corners, are
// centred, so that the atoms keep the same distance from opposite walls. The
// cells are as wide as the box's density gives them unless the outermost
// atoms would then come closer than half a diameter to a wall; then the
// lattice is drawn together just enough. A periodic box has no walls: the
// cells tile it, and the sites across a face are a lattice step apart.
double latticeConstantIn(const CLatticeShape& shape, int cells, double width, double diameter, bool periodic)
{
    double tiling = width / cells;
    double span = cells - 1 + shape.spanOffset;
    return span > 0.0 && !periodic ? std::min(tiling, (width - diameter) / span) : tiling;
}

// The narrowest box in which the lattice's neighbours are at least a diameter apart.
double narrowestLatticeBox(const CLatticeShape& shape, int cells, double diameter, bool periodic)
{
    double closest = diameter / shape.nearestPerConstant;
    if (periodic) return cells * closest;
    return std::max({cells * closest, (cells - 1 + shape.spanOffset) * closest + diameter, diameter});
}

// What the walls take of the room a random fill's centres reach along an
// axis: a diameter; nothing in a periodic box, which has none.
double wallMargin(const CSpec& spec, double diameter) { return spec.periodic ? 0.0 : diameter; }

// The narrowest box a periodic one may be for spec's atoms: wider than twice
// the longest cut-off of the forces (CSimulation::periodicBoxRefusal).
double narrowestPeriodicBox(const CSpec& spec)
{
    return 2.0 * quorvel::kCutoffDiameters * largestDiameter(spec);
}

int cellsFor(const CLatticeShape& shape, int atoms)
{
    int n = 1;
    while (shape.atomsPerCell * n * n * n < atoms) n++;
    return n;
}

std::vector<CPlaced> latticePlaces(const CSpec& spec, const CPlan& p, CSeededDraws& draws)
{
    const CLatticeShape& shape = shapeOf(spec.arrangement);
    double a = p.latticeConstant;
    double start = -(p.cellsPerEdge - 1 + shape.spanOffset) * a / 2.0;
    std::vector<CPlaced> sites;
    for (int i = 0; i < p.cellsPerEdge; i++)
        for (int j = 0; j < p.cellsPerEdge; j++)
            for (int k = 0; k < p.cellsPerEdge; k++)
                for (int b = 0; b < shape.atomsPerCell; b++)
                    sites.push_back({0, start + (i + shape.basis[b][0]) * a, start + (j + shape.basis[b][1]) * a,
                                     start + (k + shape.basis[b][2]) * a});
    // The sites fill in order from the floor up, plane by plane of atoms and
    // row by row in each: a count short of the whole cube of cells leaves the
    // topmost sites empty, one crystal rather than a lattice strewn with
    // vacancies. Only which type takes which filled site is drawn; each
    // type's atoms then keep the lattice's order.
    auto halfSteps = [&](double c) { return std::lround((c - start) / a * 2.0); };
    std::stable_sort(sites.begin(), sites.end(), [&](const CPlaced& u, const CPlaced& v) {
        long uz = halfSteps(u.z), vz = halfSteps(v.z), uy = halfSteps(u.y), vy = halfSteps(v.y);
        return uz != vz ? uz < vz : uy != vy ? uy < vy : halfSteps(u.x) < halfSteps(v.x);
    });
    sites.resize(static_cast<std::size_t>(p.atoms));
    std::vector<std::size_t> order(sites.size());
    std::iota(order.begin(), order.end(), 0);
    for (std::size_t k = order.size(); k-- > 1;) std::swap(order[k], order[draws.below(k + 1)]);
    std::vector<CPlaced> placed;
    std::size_t next = 0;
    for (int t = 0; t < static_cast<int>(spec.types.size()); t++) {
        std::vector<std::size_t> mine(order.begin() + next, order.begin() + next + spec.types[t].count);
        next += spec.types[t].count;
        std::sort(mine.begin(), mine.end());
        for (std::size_t s : mine) placed.push_back({t, sites[s].x, sites[s].y, sites[s].z});
    }
    return placed;
}

// Atoms dropped one by one at random places, each at least the pair's mean
// diameter from those before it and half its own from every wall; the
// largest first, as they are the hardest to fit. Answers how many found room.
int randomPlaces(const CSpec& spec, double width, std::uint64_t seed, std::vector<CPlaced>& placed)
{
    CSeededDraws draws(seed);
    placed.clear();
    std::vector<int> typeOrder(spec.types.size());
    std::iota(typeOrder.begin(), typeOrder.end(), 0);
    std::stable_sort(typeOrder.begin(), typeOrder.end(),
                     [&](int a, int b) { return spec.types[a].diameter > spec.types[b].diameter; });
    // A grid of cells at least one largest diameter wide: only atoms in the
    // cell of a new place and its neighbours can touch it.
    double reach = largestDiameter(spec);
    int cells = std::clamp(static_cast<int>(width / reach), 1, 32);
    double cellWidth = width / cells, half = width / 2.0;
    std::vector<std::vector<int>> grid(static_cast<std::size_t>(cells) * cells * cells);
    auto cellOf = [&](double c) { return std::clamp(static_cast<int>((c + half) / cellWidth), 0, cells - 1); };
    // The cells beside cell c along an axis, each once: across the faces of
    // a periodic box too.
    auto besideOf = [&](int c, int out[3]) {
        int n = 0;
        for (int d = -1; d <= 1; d++) {
            int b = c + d;
            if (spec.periodic) b = (b + cells) % cells;
            else if (b < 0 || b >= cells) continue;
            if (std::find(out, out + n, b) == out + n) out[n++] = b;
        }
        return n;
    };
    // The separation of two places along an axis: the nearest image's in a periodic box.
    auto apart = [&](double a, double b) {
        double d = a - b;
        if (spec.periodic) d -= width * std::round(d / width);
        return d;
    };
    for (int t : typeOrder) {
        const CTypeSpec& type = spec.types[t];
        double room = half - wallMargin(spec, type.diameter) / 2.0;
        for (int n = 0; n < type.count; n++) {
            bool found = false;
            for (int attempt = 0; attempt < kRandomTries && !found; attempt++) {
                CPlaced p{t, (2.0 * draws.uniform() - 1.0) * room, (2.0 * draws.uniform() - 1.0) * room,
                          (2.0 * draws.uniform() - 1.0) * room};
                int cx = cellOf(p.x), cy = cellOf(p.y), cz = cellOf(p.z);
                int bx[3], by[3], bz[3];
                const int nx = besideOf(cx, bx), ny = besideOf(cy, by), nz = besideOf(cz, bz);
                bool clear = true;
                for (int i = 0; i < nx && clear; i++)
                    for (int j = 0; j < ny && clear; j++)
                        for (int k = 0; k < nz && clear; k++)
                            for (int other : grid[(static_cast<std::size_t>(bx[i]) * cells + by[j]) * cells + bz[k]]) {
                                const CPlaced& q = placed[other];
                                double contact = (type.diameter + spec.types[q.type].diameter) / 2.0;
                                double dx = apart(p.x, q.x), dy = apart(p.y, q.y), dz = apart(p.z, q.z);
                                if (dx * dx + dy * dy + dz * dz < contact * contact) {
                                    clear = false;
                                    break;
                                }
                            }
                if (!clear) continue;
                grid[(static_cast<std::size_t>(cx) * cells + cy) * cells + cz].push_back(static_cast<int>(placed.size()));
                placed.push_back(p);
                found = true;
            }
            if (!found) return static_cast<int>(placed.size());
        }
    }
    // Each type's atoms together, in the order of the types.
    std::stable_sort(placed.begin(), placed.end(), [](const CPlaced& a, const CPlaced& b) { return a.type < b.type; });
    return static_cast<int>(placed.size());
}

struct CVelocity {
    double v[3];
};

// Maxwell-Boltzmann for each type's mass, the total momentum taken away
// (but from a lone atom, whose momentum is all its motion), then all scaled together so that the kinetic temperature, as the model
// measures it (kTemperaturePerEnergy times the mean kinetic energy), is the
// one asked exactly.
std::vector<CVelocity> thermalVelocities(const CSpec& spec, const std::vector<CPlaced>& placed, CSeededDraws& draws)
{
    std::vector<CVelocity> velocities(placed.size(), CVelocity{{0, 0, 0}});
    if (spec.temperature <= 0.0 || placed.empty()) return velocities;
    double momentum[3] = {0, 0, 0}, mass = 0.0;
    for (std::size_t k = 0; k < placed.size(); k++) {
        double m = spec.types[placed[k].type].mass;
        double spread = std::sqrt(quorvel::kBoltzmann * spec.temperature / m);
        for (int axis = 0; axis < 3; axis++) {
            velocities[k].v[axis] = spread * draws.normal();
            momentum[axis] += m * velocities[k].v[axis];
        }
        mass += m;
    }
    double kinetic = 0.0;
    for (std::size_t k = 0; k < placed.size(); k++) {
        double m = spec.types[placed[k].type].mass;
        for (int axis = 0; axis < 3; axis++) {
            if (placed.size() > 1) velocities[k].v[axis] -= momentum[axis] / mass;
            kinetic += 0.5 * m * velocities[k].v[axis] * velocities[k].v[axis];
        }
    }
    double measured = kinetic * quorvel::kTemperaturePerEnergy / placed.size();
    double scale = measured > 0.0 ? std::sqrt(spec.temperature / measured) : 0.0;
    for (CVelocity& v : velocities)
        for (double& c : v.v) c *= scale;
    return velocities;
}

}  // namespace

CDensities densitiesOf(const CSpec& spec)
{
    CDensities d;
    double x = spec.density;
    if (atomCount(spec) <= 0 || !valueRules::positive(x)) return d;
    double volume = 0.0;
    switch (spec.measure) {
    case CDensityMeasure::massDensity: volume = totalMass(spec) / x; break;
    case CDensityMeasure::numberDensity: volume = atomCount(spec) / x; break;
    case CDensityMeasure::packingFraction: volume = sphereVolume(spec) / x; break;
    case CDensityMeasure::boxWidth: volume = x * x * x; break;
    }
    d.boxWidth = spec.measure == CDensityMeasure::boxWidth ? x : std::cbrt(volume);
    d.massDensity = totalMass(spec) / volume;
    d.numberDensity = atomCount(spec) / volume;
    d.packingFraction = sphereVolume(spec) / volume;
    return d;
}

double defaultPackingFraction(const CSpec& spec)
{
    const int atoms = atomCount(spec);
    const double diameter = largestDiameter(spec), spheres = sphereVolume(spec);
    if (atoms <= 0 || !(diameter > 0.0)) return kDefaultPackingFraction;
    double width = 0.0, narrowest = 0.0;
    if (spec.arrangement == CArrangement::random) {
        width = narrowest = wallMargin(spec, diameter) + std::cbrt(spheres / kRandomDefaultShare);
    } else {
        // The whole cube of cells at the default packing, whatever share of
        // its sites is filled, unless its largest atoms would then touch.
        const CLatticeShape& shape = shapeOf(spec.arrangement);
        const int cells = cellsFor(shape, atoms);
        width = std::cbrt(spheres / kDefaultPackingFraction * shape.atomsPerCell * cells * cells * cells / atoms);
        narrowest = narrowestLatticeBox(shape, cells, diameter, spec.periodic);
    }
    width = std::max({width, narrowest, valueRules::kBoxWidth.low});
    if (spec.periodic) width = std::max(width, roundedBound(narrowestPeriodicBox(spec), true) * (1.0 + 1e-3));
    return tidyBelow(std::min(kDefaultPackingFraction, spheres / (width * width * width)));
}

CPlan plan(const CSpec& spec)
{
    CPlan p;
    const int typeCount = static_cast<int>(spec.types.size());
    if (typeCount > kTypes) {
        p.refusal = formatC("At most %d types can be built, not %d.", kTypes, typeCount);
        return p;
    }
    for (int t = 0; t < typeCount; t++) {
        const CTypeSpec& type = spec.types[t];
        std::string title = typeTitle(spec.types, t);
        if (type.count < 0 || type.count > kMaxPerType) {
            p.refusal = formatC("%s: the count must be between 0 and %d, not %d.", title.c_str(), kMaxPerType, type.count);
        } else if (!valueRules::isDiameter(type.diameter)) {
            p.refusal = title + ": " + valueRules::rangeMessage("the diameter", valueRules::kDiameter);
        } else if (!valueRules::isMass(type.mass)) {
            p.refusal = title + ": " + valueRules::rangeMessage("the mass", valueRules::kMass);
        } else if (!valueRules::isWellDepth(type.wellDepth)) {
            p.refusal = title + ": " + valueRules::rangeMessage("the well depth", valueRules::kWellDepth);
        }
        if (!p.refusal.empty()) return p;
    }
    p.atoms = atomCount(spec);
    if (p.atoms == 0) {
        p.refusal = "There are no atoms to build: give at least one type a count above 0.";
        return p;
    }
    if (!valueRules::positive(spec.density)) {
        p.refusal = valueRules::positiveMessage(measureWords(spec.measure).title, measureWords(spec.measure).unit);
        return p;
    }
    if (!valueRules::isFloorTemperature(spec.temperature)) {
        p.refusal = valueRules::rangeMessage("The temperature", valueRules::kFloorTemperature);
        return p;
    }
    if (spec.floorBath && !valueRules::isFloorTemperature(spec.floorTemperature)) {
        p.refusal = valueRules::rangeMessage("The floor temperature", valueRules::kFloorTemperature);
        return p;
    }
    if (spec.periodic && (spec.piston || spec.floorBath || spec.floorAttraction)) {
        p.refusal = "A periodic box has no walls, floor or piston: the piston, the floor's heat bath and its attraction "
                    "need the closed box.";
        return p;
    }
    p.box = densitiesOf(spec);
    double width = p.box.boxWidth, diameter = largestDiameter(spec);
    if (spec.periodic && !(width > narrowestPeriodicBox(spec))) {
        const double cutoff = narrowestPeriodicBox(spec) / 2.0;
        p.refusal = "In a periodic box the cut-off of the forces (" + valueRules::shortNumber(cutoff * 1e9, 4) +
                    " nm) must be less than half the box's width, which would be " +
                    valueRules::shortNumber(width * 1e9, 4) + " nm: " +
                    nearestValue(spec, roundedBound(2.0 * cutoff, true) * (1.0 + 1e-3), true) + " works, or more atoms.";
        return p;
    }
    if (width > valueRules::kBoxWidth.high) {
        p.refusal = "The box would be " + valueRules::shortNumber(width, 3) + " m wide, wider than the " +
                    valueRules::shortNumber(valueRules::kBoxWidth.high) + " m a box can be: " +
                    nearestValue(spec, valueRules::kBoxWidth.high, false) + " works.";
        return p;
    }
    if (spec.arrangement == CArrangement::random) {
        // The centres reach a cube a diameter narrower than the box: in a
        // small box the walls take a good part of the room.
        double narrowest = std::max(wallMargin(spec, diameter) + std::cbrt(sphereVolume(spec) / kRandomFillLimit),
                                    valueRules::kBoxWidth.low);
        if (width < narrowest) {
            CSpec lattice = spec;
            lattice.arrangement = CArrangement::faceCentredCubic;
            bool fccHolds = plan(lattice).refusal.empty();
            p.refusal = formatC("The density is too high to place %d atom%s at random (a packing fraction of %s: a random "
                                "fill jams where the atoms take more than about %s of the room the walls leave their "
                                "centres): choose a lattice%s, or ",
                                p.atoms, p.atoms == 1 ? "" : "s", valueRules::shortNumber(p.box.packingFraction, 3).c_str(),
                                valueRules::shortNumber(kRandomFillLimit).c_str(),
                                fccHolds ? " (fcc holds this density)" : "") +
                        nearestValue(spec, narrowest, true) + ".";
        }
        return p;
    }
    const CLatticeShape& shape = shapeOf(spec.arrangement);
    p.atomsPerCell = shape.atomsPerCell;
    p.cellsPerEdge = cellsFor(shape, p.atoms);
    p.sites = shape.atomsPerCell * p.cellsPerEdge * p.cellsPerEdge * p.cellsPerEdge;
    p.latticeConstant = latticeConstantIn(shape, p.cellsPerEdge, width, diameter, spec.periodic);
    p.nearestDistance = p.sites > 1 ? p.latticeConstant * shape.nearestPerConstant : 0.0;
    double narrowest =
        std::max(narrowestLatticeBox(shape, p.cellsPerEdge, diameter, spec.periodic), valueRules::kBoxWidth.low);
    if (width < narrowest * (1.0 - kTouchTolerance)) {
        const bool byWidth = spec.measure == CDensityMeasure::boxWidth;
        p.refusal = formatC("%s to place %d atom%s on a lattice of %d x %d x %d %s cells: they would overlap one "
                            "another%s; ",
                            byWidth ? "The box is too narrow" : "The density is too high", p.atoms,
                            p.atoms == 1 ? "" : "s", p.cellsPerEdge, p.cellsPerEdge, p.cellsPerEdge,
                            arrangementWord(spec.arrangement), spec.periodic ? "" : " or the walls") +
                    nearestValue(spec, narrowest, true) + " works.";
    }
    return p;
}

std::string build(const CSpec& spec, CSimulation& scratch)
{
    CPlan p = plan(spec);
    if (!p.refusal.empty()) return p.refusal;
    CSeededDraws draws(spec.seed);
    std::vector<CPlaced> placed;
    double width = p.box.boxWidth;
    if (spec.arrangement == CArrangement::random) {
        int found = randomPlaces(spec, width, spec.seed, placed);
        if (found < p.atoms) {
            double wider = width;
            std::vector<CPlaced> trial;
            bool works = false;
            for (int k = 0; k < kWideningTries && !works; k++) {
                wider *= kWidening;
                works = randomPlaces(spec, wider, spec.seed, trial) == p.atoms;
            }
            std::string refusal = formatC("Only %d of the %d atoms found room at random in a box ", found, p.atoms) +
                                  valueRules::shortNumber(width, 3) + " m wide: choose a lattice";
            return refusal + (works ? ", or " + nearestValue(spec, wider, true) + "." : ".");
        }
        // The places drew from the seed's own stream; the velocities take
        // another, derived from the same seed.
        draws = CSeededDraws(spec.seed ^ 0x9e3779b97f4a7c15ULL);
    } else {
        placed = latticePlaces(spec, p, draws);
    }
    std::vector<CVelocity> velocities = thermalVelocities(spec, placed, draws);

    scratch.initWithDefaults();
    bool set = scratch.setNumber(simulationDefaults::kStartAtomType, 0) && scratch.setHalfWidth(width / 2.0);
    std::vector<CTypeSpec> types = spec.types;
    while (types.size() < static_cast<std::size_t>(kTypes)) types.push_back(customType());
    for (int t = 0; t < kTypes; t++) {
        scratch.setName(t, types[t].name);
        // An empty type wider than a small box keeps the default diameter.
        if (types[t].count > 0 || types[t].diameter <= width) set = set && scratch.setDiam(t, types[t].diameter);
        set = set && scratch.setMass(t, types[t].mass);
        // Lorentz-Berthelot: the model takes the mean diameter for a pair;
        // the well depth of a pair is the geometric mean of the types'.
        for (int u = t; u < kTypes; u++)
            set = set && scratch.setLJeps(t, u, std::sqrt(types[t].wellDepth * types[u].wellDepth));
        set = set && scratch.setLJepsFloor(t, spec.floorAttraction ? types[t].wellDepth : 0.0);
    }
    scratch.setPotentialUsed(spec.pairPotentials);
    scratch.setFloorPotentialUsed(spec.floorAttraction);
    scratch.setFloorTempUsed(spec.floorBath);
    set = set && scratch.setFloorTemp(spec.floorBath ? spec.floorTemperature : 0.0);
    scratch.setPistonUsed(spec.piston);
    // The piston's push is worked out for this box, as a file read does.
    set = set && scratch.setAppliedPressure(scratch.getAppliedPressure());
    // The box looks as large as the default box does from the default eye.
    set = set && scratch.setEyeR(simulationDefaults::kEyeDistance * width / (2.0 * simulationDefaults::kBoxHalfWidth));
    for (std::size_t k = 0; k < placed.size() && set; k++) {
        const CPlaced& a = placed[k];
        const double* v = velocities[k].v;
        set = static_cast<bool>(scratch.addOneAtomAtLocationWithVelocity(a.type, a.x, a.y, a.z, v[0], v[1], v[2]));
    }
    if (!set) return "The new simulation could not be set up: a value was refused by the model.";
    scratch.setContactsUsed(spec.contacts);
    if (spec.periodic)
        if (COutcome periodic = scratch.setBoundaries(CBoundaries::periodic); !periodic) return periodic.message();
    // A step that carries atoms at their rms speed too far misses contacts:
    // hot light atoms get a shorter one.
    double longest = scratch.largestSoundTimeStep();
    if (scratch.getTimeStep() > longest) scratch.setTimeStep(roundedBound(longest, false));
    scratch.restartEnergiesAndAverages();
    return {};
}

}  // namespace newSimulation
