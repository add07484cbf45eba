// SPDX-License-Identifier: GPL-3.0-or-later
// MSD and VACF over many time origins, and D from both.
#include "SIM/measure/CDiffusion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulation.h"

namespace {
constexpr int kTypes = CSimulation::kTypes;
constexpr int kHalf = CDiffusion::kLagsPerLevel / 2;

bool selected(CTypeMask types, int t) { return (types >> t) & 1u; }

// The lag index of lag j (in the level's spacing) of a level.
int lagIndex(int level, int j)
{
    return level == 0 ? j : CDiffusion::kLagsPerLevel + (level - 1) * kHalf + (j - kHalf);
}

// Least-squares slope and intercept of y against x over [first, last].
void fitLine(const std::vector<double>& x, const std::vector<double>& y, int first, int last, double& slope,
             double& intercept)
{
    double mx = 0.0, my = 0.0;
    const int n = last - first + 1;
    for (int k = first; k <= last; k++) mx += x[static_cast<std::size_t>(k)], my += y[static_cast<std::size_t>(k)];
    mx /= n;
    my /= n;
    double sxy = 0.0, sxx = 0.0;
    for (int k = first; k <= last; k++) {
        const double dx = x[static_cast<std::size_t>(k)] - mx;
        sxy += dx * (y[static_cast<std::size_t>(k)] - my);
        sxx += dx * dx;
    }
    slope = sxx > 0.0 ? sxy / sxx : 0.0;
    intercept = my - slope * mx;
}
}  // namespace

std::string CDiffusionResult::reason() const
{
    switch (window) {
    case CDiffusionWindow::found: return {};
    case CDiffusionWindow::noAtoms: return "no atoms of the chosen types have been sampled";
    case CDiffusionWindow::tooEarly: return "too early: the run has not yet reached the end of the fit window";
    case CDiffusionWindow::boxTooSmall:
        return "the box is too small: the walls bound the displacement before the velocities lose their memory";
    }
    return {};
}

CDiffusion::CSums& CDiffusion::CSums::operator+=(const CSums& other)
{
    for (int t = 0; t < kTypes; t++)
        for (int k = 0; k < kLags; k++) {
            msd[t][k] += other.msd[t][k];
            vacf[t][k] += other.vacf[t][k];
            integral[t][k] += other.integral[t][k];
            count[t][k] += other.count[t][k];
        }
    return *this;
}

long CDiffusion::lagSamples(int lag)
{
    if (lag < kLagsPerLevel) return lag;
    const int level = 1 + (lag - kLagsPerLevel) / kHalf;
    const int j = kHalf + (lag - kLagsPerLevel) % kHalf;
    return static_cast<long>(j) << level;
}

void CDiffusion::reset()
{
    stride_ = 0;
    samples_ = 0;
    blocks_.clear();
}

bool CDiffusion::continues(const CSimulationState& s, unsigned stateRevision) const
{
    if (stride_ == 0 || stateRevision != revision_ || s.clock.timeStep != timeStep_) return false;
    for (int t = 0; t < kTypes; t++)
        if (s.atoms.number[t] != number_[static_cast<std::size_t>(t)]) return false;
    return true;
}

unsigned CDiffusion::stepsToNextSample(const CSimulationState& s, unsigned stateRevision) const
{
    if (!continues(s, stateRevision)) return 0;
    const unsigned done = s.clock.iterations - lastIteration_;
    return done < stride_ ? stride_ - done : 0;
}

// The stride: a kSamplesPerCollisionTime-th of the time an atom at the mean
// speed takes to cross a mean free path (hard spheres of the mean diameter
// at the atoms' density), or the box where that is shorter.
void CDiffusion::start(const CSimulationState& s, unsigned stateRevision)
{
    timeStep_ = s.clock.timeStep;
    revision_ = stateRevision;
    atoms_ = 0;
    double speedSquares = 0.0, diameters = 0.0;
    for (int t = 0; t < kTypes; t++) {
        number_[static_cast<std::size_t>(t)] = s.atoms.number[t];
        typeStart_[static_cast<std::size_t>(t)] = atoms_;
        atoms_ += s.atoms.number[t];
        diameters += s.atoms.number[t] * s.types.diam[t];
        for (int i = 0; i < s.atoms.number[t]; i++) speedSquares += s.atoms.vel[t][i].norm();
    }
    typeStart_[kTypes] = atoms_;
    const double width = 2.0 * s.box.halfWidth;
    double reach = width;
    double meanSpeed = 0.0;
    if (atoms_ > 0) {
        const double diameter = diameters / atoms_;
        const double volume = width * width * (s.box.pistonUsed ? s.box.pistonZ + s.box.halfWidth : width);
        if (diameter > 0.0 && volume > 0.0)
            reach = std::min(reach, volume / (std::numbers::sqrt2 * std::numbers::pi * diameter * diameter * atoms_));
        meanSpeed = std::sqrt(8.0 / (3.0 * std::numbers::pi) * speedSquares / atoms_);
    }
    const double steps = reach / meanSpeed / kSamplesPerCollisionTime / timeStep_;
    stride_ = std::isfinite(steps) ? static_cast<unsigned>(std::clamp(std::round(steps), 1.0, double(kMaxStride)))
                                   : kMaxStride;
    const std::size_t slot = 6 * static_cast<std::size_t>(atoms_);
    rings_.resize(kLevels);
    for (std::vector<double>& ring : rings_) ring.resize(slot * kLagsPerLevel);
    stored_.fill(0);
    samples_ = 0;
    blocks_.clear();
    blockSamples_ = kFirstBlockSamples;
}

unsigned CDiffusion::stepsToNextSample(const CSimulation& simulation) const
{
    return stepsToNextSample(simulation.state(), simulation.getStateRevision());
}

bool CDiffusion::sample(const CSimulation& simulation) { return sample(simulation.state(), simulation.getStateRevision()); }

bool CDiffusion::sample(const CSimulationState& s, unsigned stateRevision)
{
    if (continues(s, stateRevision)) {
        const unsigned done = s.clock.iterations - lastIteration_;
        if (done < stride_) return false;  // not due yet
        if (done != stride_) {  // a sample was missed
            restarts_++;
            start(s, stateRevision);
        }
    } else {
        if (stride_ != 0) restarts_++;
        start(s, stateRevision);
    }
    lastIteration_ = s.clock.iterations;
    noteGeometry(s);

    std::size_t needed = samples_ / blockSamples_ + 1;
    if (needed > kMaxBlocks) {
        for (std::size_t b = 0; b < blocks_.size(); b++) {
            if (b % 2 == 0) blocks_[b / 2] = blocks_[b];
            else blocks_[b / 2] += blocks_[b];
        }
        blocks_.resize((blocks_.size() + 1) / 2);
        blockSamples_ *= 2;
        needed = samples_ / blockSamples_ + 1;
    }
    if (blocks_.size() < needed) blocks_.resize(needed);

    for (int level = 0; level < kLevels; level++) {
        if (samples_ % (1ul << level) != 0) break;
        store(s, level);
        correlate(level);
    }
    samples_++;
    return true;
}

void CDiffusion::store(const CSimulationState& s, int level)
{
    const std::size_t n = static_cast<std::size_t>(atoms_);
    double* slot = rings_[static_cast<std::size_t>(level)].data() +
                   6 * n * static_cast<std::size_t>(stored_[static_cast<std::size_t>(level)] % kLagsPerLevel);
    std::size_t a = 0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number_[static_cast<std::size_t>(t)]; i++, a++) {
            const CVector& r = s.atoms.loc[t][i];
            const CVector& v = s.atoms.vel[t][i];
            const int* image = s.atoms.image[t][i];
            for (std::size_t axis = 0; axis < 3; axis++) {
                // In a periodic box the path the atom took: its place plus
                // the widths its wraps took off (image is 0 in a closed box).
                slot[axis * n + a] = periodic_ ? r.v[axis] + image[axis] * width_ : r.v[axis];
                slot[(3 + axis) * n + a] = v.v[axis];
            }
        }
    stored_[static_cast<std::size_t>(level)]++;
}

// The newest sample of the level against the older ones it keeps, at the
// lags that level adds.
void CDiffusion::correlate(int level)
{
    const std::size_t n = static_cast<std::size_t>(atoms_);
    const std::vector<double>& ring = rings_[static_cast<std::size_t>(level)];
    const long newest = stored_[static_cast<std::size_t>(level)] - 1;
    const double* now = ring.data() + 6 * n * static_cast<std::size_t>(newest % kLagsPerLevel);
    CSums& sums = blocks_.back();
    for (int j = level == 0 ? 0 : kHalf; j < kLagsPerLevel && j <= newest; j++) {
        const double* then = ring.data() + 6 * n * static_cast<std::size_t>((newest - j) % kLagsPerLevel);
        const int lag = lagIndex(level, j);
        for (int t = 0; t < kTypes; t++) {
            const std::size_t from = static_cast<std::size_t>(typeStart_[static_cast<std::size_t>(t)]);
            const std::size_t to = static_cast<std::size_t>(typeStart_[static_cast<std::size_t>(t) + 1]);
            if (from == to) continue;
            double squares = 0.0, products = 0.0, flights = 0.0;
            for (std::size_t a = from; a < to; a++) {
                const double dx = now[a] - then[a], dy = now[n + a] - then[n + a], dz = now[2 * n + a] - then[2 * n + a];
                const double vx = then[3 * n + a], vy = then[4 * n + a], vz = then[5 * n + a];
                squares += dx * dx + dy * dy + dz * dz;
                products += now[3 * n + a] * vx + now[4 * n + a] * vy + now[5 * n + a] * vz;
                flights += dx * vx + dy * vy + dz * vz;
            }
            sums.msd[static_cast<std::size_t>(t)][static_cast<std::size_t>(lag)] += squares;
            sums.vacf[static_cast<std::size_t>(t)][static_cast<std::size_t>(lag)] += products;
            sums.integral[static_cast<std::size_t>(t)][static_cast<std::size_t>(lag)] += flights;
            sums.count[static_cast<std::size_t>(t)][static_cast<std::size_t>(lag)] += static_cast<double>(to - from);
        }
    }
}

// The centres of a type keep half its diameter from each wall, the floor and the piston.
void CDiffusion::noteGeometry(const CSimulationState& s)
{
    const double h = s.box.halfWidth;
    periodic_ = s.box.boundaries == CBoundaries::periodic;
    width_ = 2.0 * h;
    const double top = s.box.pistonUsed ? s.box.pistonZ : h;
    for (int t = 0; t < kTypes; t++) {
        widthXY_[static_cast<std::size_t>(t)] = std::max(0.0, 2.0 * h - s.types.diam[t]);
        widthZ_[static_cast<std::size_t>(t)] = std::max(0.0, top + h - s.types.diam[t]);
    }
}

CDiffusion::CSums CDiffusion::totals() const
{
    CSums sums;
    for (const CSums& block : blocks_) sums += block;
    return sums;
}

void CDiffusion::fillCurves(const CSums& sums, CTypeMask types, CDiffusionResult& r) const
{
    r.time.clear();
    r.msd.clear();
    r.vacf.clear();
    r.integral.clear();
    for (int k = 0; k < kLags; k++) {
        double msd = 0.0, vacf = 0.0, integral = 0.0, count = 0.0;
        for (int t = 0; t < kTypes; t++) {
            if (!selected(types, t)) continue;
            msd += sums.msd[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)];
            vacf += sums.vacf[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)];
            integral += sums.integral[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)];
            count += sums.count[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)];
        }
        if (count == 0.0) break;
        r.time.push_back(lagTime(k));
        r.msd.push_back(msd / count);
        r.vacf.push_back(vacf / count);
        r.integral.push_back(integral / count);
    }
}

CDiffusionResult CDiffusion::result(CTypeMask types) const
{
    CDiffusionResult r;
    r.samples = samples_;
    for (int t = 0; t < kTypes; t++)
        if (selected(types, t)) r.atoms += number_[static_cast<std::size_t>(t)];
    if (stride_ == 0 || r.atoms == 0) return r;
    fillCurves(totals(), types, r);
    if (r.time.size() < 2) return r;
    fitWindow(types, r);
    if (r.hasWindow()) blockError(types, r);
    return r;
}

// The window's rule. It opens at the first lag t from which the VACF stays
// within kVacfSettled of its value at 0 up to 2 t: the velocities have lost
// their memory, and the MSD grows at its diffusive slope (its slope is twice
// the VACF's running integral). It closes at the last lag before the rms
// displacement along an axis reaches kConfinementReach of the width the
// centres can cover along it (MSD = the sum over the axes of the squares).
void CDiffusion::fitWindow(CTypeMask types, CDiffusionResult& r) const
{
    double limit = 0.0;
    for (int t = 0; t < kTypes; t++) {
        if (!selected(types, t)) continue;
        const double xy = kConfinementReach * widthXY_[static_cast<std::size_t>(t)];
        const double z = kConfinementReach * widthZ_[static_cast<std::size_t>(t)];
        limit += number_[static_cast<std::size_t>(t)] * (2.0 * xy * xy + z * z);
    }
    r.confinementMsd = limit / r.atoms;
    const int lags = static_cast<int>(r.time.size());
    const double settled = kVacfSettled * r.vacf[0];
    int reached = -1;
    if (periodic_) {
        // Nothing confines the atoms: the window closes where fewer than
        // half the samples serve as origins of a lag, beyond which the MSD
        // is the noise of few origins.
        r.confinementMsd = INFINITY;
        for (int k = 1; k < lags && reached < 0; k++)
            if (2 * static_cast<unsigned long>(lagSamples(k)) > samples_) reached = k;
        if (reached < 0 && samples_ > 2 * static_cast<unsigned long>(lagSamples(lags - 1))) reached = lags;
    }
    for (int k = 1; k < lags && reached < 0 && !periodic_; k++)
        if (r.msd[static_cast<std::size_t>(k)] >= r.confinementMsd) reached = k;
    const double longest = r.time.back();
    if (r.vacf[0] <= 0.0) {
        r.window = CDiffusionWindow::tooEarly;
        return;
    }
    for (int k = 1; k < lags && r.first < 0; k++) {
        if (2.0 * r.time[static_cast<std::size_t>(k)] > longest) break;
        bool stays = true;
        for (int q = k; q < lags && r.time[static_cast<std::size_t>(q)] <= 2.0 * r.time[static_cast<std::size_t>(k)]; q++)
            stays = stays && std::fabs(r.vacf[static_cast<std::size_t>(q)]) <= settled;
        if (stays) r.first = k;
    }
    if (r.first < 0) {
        // Confinement already reached, and the velocities still remember long after it.
        const bool past = reached > 0 && longest >= 2.0 * r.time[static_cast<std::size_t>(reached)];
        r.window = past && !periodic_ ? CDiffusionWindow::boxTooSmall : CDiffusionWindow::tooEarly;
        return;
    }
    if (reached < 0) {
        r.first = -1;
        r.window = CDiffusionWindow::tooEarly;
        return;
    }
    r.last = reached - 1;
    if (r.last - r.first + 1 < kMinWindowLags ||
        r.time[static_cast<std::size_t>(r.last)] < kMinWindowSpan * r.time[static_cast<std::size_t>(r.first)]) {
        r.first = r.last = -1;
        // A periodic box's window only grows with the run.
        r.window = periodic_ ? CDiffusionWindow::tooEarly : CDiffusionWindow::boxTooSmall;
        return;
    }
    r.window = CDiffusionWindow::found;
    fitLine(r.time, r.msd, r.first, r.last, r.fitSlope, r.fitIntercept);
    r.einsteinD = r.fitSlope / 6.0;
    double integral = 0.0;
    for (int k = r.first; k <= r.last; k++) integral += r.integral[static_cast<std::size_t>(k)];
    r.greenKuboD = integral / (r.last - r.first + 1) / 3.0;
}

// The Einstein D of groups of whole blocks, each group as long as the
// window's end at least; the error is their standard deviation over the
// root of their number.
void CDiffusion::blockError(CTypeMask types, CDiffusionResult& r) const
{
    const std::size_t complete = blocks_.empty() ? 0 : blocks_.size() - 1;
    const std::size_t perGroup = static_cast<std::size_t>(
        std::max<long>(1, (lagSamples(r.last) + static_cast<long>(blockSamples_) - 1) / static_cast<long>(blockSamples_)));
    std::vector<double> ds;
    for (std::size_t from = 0; from + perGroup <= complete; from += perGroup) {
        CSums sums;
        for (std::size_t b = from; b < from + perGroup; b++) sums += blocks_[b];
        CDiffusionResult part;
        fillCurves(sums, types, part);
        if (static_cast<int>(part.time.size()) <= r.last) continue;
        double slope = 0.0, intercept = 0.0;
        fitLine(part.time, part.msd, r.first, r.last, slope, intercept);
        ds.push_back(slope / 6.0);
    }
    r.blocks = static_cast<int>(ds.size());
    if (r.blocks < kMinBlocks) return;
    double mean = 0.0, squares = 0.0;
    for (double d : ds) mean += d;
    mean /= r.blocks;
    for (double d : ds) squares += (d - mean) * (d - mean);
    r.einsteinError = std::sqrt(squares / (r.blocks - 1) / r.blocks);
}

void appendMsdCsv(std::string& csv, const CDiffusionResult& r)
{
    csv += "time_s,msd_m2,fit_m2\n";
    for (std::size_t k = 0; k < r.time.size(); k++) {
        appendFormatC(csv, "%.17g,%.17g,", r.time[k], r.msd[k]);
        const int lag = static_cast<int>(k);
        if (r.hasWindow() && lag >= r.first && lag <= r.last) appendFormatC(csv, "%.17g", r.fitAt(r.time[k]));
        csv += "\n";
    }
}

void appendVacfCsv(std::string& csv, const CDiffusionResult& r)
{
    csv += "time_s,vacf_m2_s2,integral_m2_s\n";
    for (std::size_t k = 0; k < r.time.size(); k++)
        appendFormatC(csv, "%.17g,%.17g,%.17g\n", r.time[k], r.vacf[k], r.integral[k]);
}

std::string einsteinLine(const CDiffusionResult& r)
{
    if (!r.hasWindow()) return "diffusion coefficient D: none (Einstein): " + r.reason();
    std::string line = formatC("diffusion coefficient D = %.2e m^2/s (Einstein, fit %.1e to %.1e s", r.einsteinD,
                               r.windowStart(), r.windowEnd());
    if (r.einsteinError >= 0.0)
        appendFormatC(line, ", standard error %.1e m^2/s from %d blocks", r.einsteinError, r.blocks);
    else
        appendFormatC(line, ", too few blocks for an error yet");
    return line + ")";
}

std::string greenKuboLine(const CDiffusionResult& r)
{
    if (!r.hasWindow()) return "diffusion coefficient D: none (Green-Kubo): " + r.reason();
    return formatC("diffusion coefficient D = %.2e m^2/s (Green-Kubo, integral averaged over %.1e to %.1e s)",
                   r.greenKuboD, r.windowStart(), r.windowEnd());
}
