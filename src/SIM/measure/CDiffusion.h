// SPDX-License-Identifier: GPL-3.0-or-later
// How fast atoms wander: the mean squared displacement (MSD) and the velocity
// autocorrelation (VACF) of every atom type against the time between two
// samples, averaged over many time origins, and the diffusion coefficient
// from both (Einstein: MSD = 6 D t; Green-Kubo: D = 1/3 of the VACF's
// integral).
//
// Samples are taken every stride() steps, a fixed share of the atoms' mean
// time between collisions. The lags follow a multiple-tau scheme: the first
// kLagsPerLevel lags are every sample, then each level doubles the spacing
// and adds half as many lags again, so memory and cost per sample stay
// bounded however long the run, and every stored sample serves as an origin.
//
// Nothing wraps in a closed box, so the positions are the unwrapped ones,
// but the walls bound the displacement: the MSD levels off near the box
// size. The Einstein fit therefore uses only the window between the end of
// the ballistic regime and the onset of confinement (see fitWindow), and
// reports that there is none where the box gives none.
// In a periodic box the positions are unwrapped by the atoms' image counts
// and nothing confines them: the window closes where the lags have too few
// origins instead.
//
// It reads the simulation's state and never changes it.
// A change made by a person or a file (the state revision moves), a new
// count of atoms or time step, or a sample missed starts the measurement
// again: displacements across such a change mean nothing.
#pragma once

#include <array>
#include <string>
#include <vector>

class CSimulation;
struct CSimulationState;

// Which atoms a result averages over: a bit per type (bit t for type t).
using CTypeMask = unsigned;
constexpr CTypeMask kAllTypesMask = 0xF;

enum class CDiffusionWindow {
    found,        // the Einstein fit and both D are given
    noAtoms,      // the selected types have no atoms (or nothing has been sampled)
    tooEarly,     // the measurement has not reached the end of the window yet
    boxTooSmall,  // confinement sets in before the ballistic regime ends
};

struct CDiffusionResult {
    CDiffusionWindow window = CDiffusionWindow::noAtoms;
    std::vector<double> time;      // s, the lags with data, from 0
    std::vector<double> msd;       // m^2
    std::vector<double> vacf;      // m^2/s^2
    // m^2/s: the running integral of the VACF from 0 to t, measured as the
    // mean of v(0).(r(t) - r(0)), which equals it exactly, so that it has no
    // quadrature error however sparse the lags.
    std::vector<double> integral;
    int first = -1, last = -1;     // lag indices of the fit window (inclusive)
    double fitSlope = 0.0, fitIntercept = 0.0;  // m^2/s, m^2: MSD = intercept + slope t
    double einsteinD = 0.0;        // m^2/s
    double einsteinError = -1.0;   // m^2/s, standard error over blocks; below 0 when too few blocks
    int blocks = 0;                // blocks the error comes from
    double greenKuboD = 0.0;       // m^2/s, 1/3 of the integral averaged over the window
    double confinementMsd = 0.0;   // m^2, where the window closes
    unsigned long samples = 0;
    int atoms = 0;

    bool hasWindow() const { return window == CDiffusionWindow::found; }
    double windowStart() const { return first >= 0 ? time[static_cast<std::size_t>(first)] : 0.0; }
    double windowEnd() const { return last >= 0 ? time[static_cast<std::size_t>(last)] : 0.0; }
    double fitAt(double t) const { return fitIntercept + fitSlope * t; }
    // Why there is no D, in a sentence; empty when there is one.
    std::string reason() const;
};

class CDiffusion {
public:
    static constexpr int kLagsPerLevel = 16;
    static constexpr int kLevels = 10;
    static constexpr int kLags = kLagsPerLevel + (kLevels - 1) * kLagsPerLevel / 2;
    // Samples per mean time between collisions. Each sample ends a part of
    // the display, and the engine sets up its lists again at every part, so
    // this is what the measurement costs; the integral of the VACF needs no
    // finer lags (see CDiffusionResult::integral).
    static constexpr double kSamplesPerCollisionTime = 2.0;
    static constexpr unsigned kMaxStride = 10000;
    // The window opens where the VACF has fallen below this share of its
    // start and stays below it to twice that lag.
    static constexpr double kVacfSettled = 0.05;
    // The window closes where the rms displacement along an axis reaches
    // this share of the width the atoms' centres can cover along it: for
    // diffusion between two walls the slope has then dropped by about 10%.
    static constexpr double kConfinementReach = 1.0 / 16.0;
    static constexpr int kMinWindowLags = 4;
    static constexpr double kMinWindowSpan = 2.0;  // window end over window start
    // Block averages: at most this many blocks, merged in pairs when full.
    static constexpr int kMaxBlocks = 32;
    static constexpr int kMinBlocks = 4;
    static constexpr unsigned long kFirstBlockSamples = 64;

    void reset();
    // Steps the simulation may run before the next sample is due: 0 when it
    // is due now (or the measurement has not started).
    // stateRevision is the simulation's count of the changes a person or a
    // file made (CSimulation::getStateRevision), which the state does not hold.
    unsigned stepsToNextSample(const CSimulationState& state, unsigned stateRevision) const;
    unsigned stepsToNextSample(const CSimulation& simulation) const;
    // Takes a sample when one is due; a state that cannot continue the
    // measurement starts it again from this sample. Answers whether a sample was taken.
    bool sample(const CSimulationState& state, unsigned stateRevision);
    bool sample(const CSimulation& simulation);

    unsigned stride() const { return stride_; }      // steps between samples, 0 before the first
    unsigned long samples() const { return samples_; }
    unsigned long restarts() const { return restarts_; }
    double lagTime(int lag) const { return lagSamples(lag) * stride_ * timeStep_; }
    static long lagSamples(int lag);

    CDiffusionResult result(CTypeMask types) const;

private:
    struct CSums {
        std::array<std::array<double, kLags>, 4> msd{}, vacf{}, integral{}, count{};
        CSums& operator+=(const CSums& other);
    };
    void start(const CSimulationState& s, unsigned stateRevision);
    bool continues(const CSimulationState& s, unsigned stateRevision) const;
    void store(const CSimulationState& s, int level);
    void correlate(int level);
    void noteGeometry(const CSimulationState& s);
    CSums totals() const;
    void fillCurves(const CSums& sums, CTypeMask types, CDiffusionResult& r) const;
    void fitWindow(CTypeMask types, CDiffusionResult& r) const;
    void blockError(CTypeMask types, CDiffusionResult& r) const;

    unsigned stride_ = 0;
    double timeStep_ = 0.0;
    unsigned revision_ = 0;
    unsigned lastIteration_ = 0;
    std::array<int, 4> number_{};
    std::array<int, 5> typeStart_{};
    int atoms_ = 0;
    unsigned long samples_ = 0, restarts_ = 0;
    // Per level: a ring of kLagsPerLevel samples, each the atoms' x, y, z,
    // vx, vy, vz one after another (6 * atoms values), and how many it holds.
    std::vector<std::vector<double>> rings_;
    std::array<long, kLevels> stored_{};
    // The sums of each block of blockSamples_ samples; the last is filling.
    std::vector<CSums> blocks_;
    unsigned long blockSamples_ = kFirstBlockSamples;
    // The width the centres of each type can cover along x and y, and along z.
    std::array<double, 4> widthXY_{}, widthZ_{};
    // A periodic box: positions unwrapped by the image counts, no confinement.
    bool periodic_ = false;
    double width_ = 0.0;
};

// CSV with the header time_s,msd_m2,fit_m2 (fit empty outside the window).
void appendMsdCsv(std::string& csv, const CDiffusionResult& result);
// CSV with the header time_s,vacf_m2_s2,integral_m2_s.
void appendVacfCsv(std::string& csv, const CDiffusionResult& result);
// The line quorvel-batch writes: "diffusion coefficient D = ... m^2/s (Einstein, fit ... to ... s)".
std::string einsteinLine(const CDiffusionResult& result);
std::string greenKuboLine(const CDiffusionResult& result);
