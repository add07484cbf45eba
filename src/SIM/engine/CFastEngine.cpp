// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the integration step and the neighbour lists.
#include "SIM/engine/CFastEngine.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "SIM/model/CForceConstants.h"
#include "SIM/model/CWidestLoops.h"

using namespace quorvel;

namespace {
// Reaches are widened by this factor, and the cells by a little more, so
// that rounding in a distance or a cell index never drops a pair.
constexpr double kWiden = 1.0 + 1e-9;

}  // namespace

CFastEngine::CFastEngine(const CStepView& step) : step_(step), reference_(step)
{
    allocateLists();
    earlierStart_.reserve(kMaxAtoms + 1);
    earlierFill_.reserve(kMaxAtoms);
    earlierRank_.reserve(160 * kMaxAtoms);
}

CFastEngine::~CFastEngine() = default;

// ---------------------------------------------------------------- the step

void CFastEngine::beginSteps(int threads)
{
    const CStepView& s = step_;
    int atoms = 0;
    for (int t = 0; t < kTypes; t++) atoms += s.number[t];
    long long pairs = forcePairCount() + contactPairCount();
    long long most = std::min(threads, cores);
    if (atomsPerThread > 0) most = std::min<long long>(most, atoms / atomsPerThread);
    if (pairsPerThread > 0) most = std::min(most, pairs / pairsPerThread);
    int allowed = static_cast<int>(std::max(1LL, most));
    if (allowed != pace_.allowed || !paceThreads) pace_ = {allowed};
    pace_.last = std::chrono::steady_clock::now().time_since_epoch().count();
    threads_ = pacedThreads();
    if (!listsStillValid()) rebuild();
}

namespace {
// Steps per timed window, and windows between two tries of the other count.
constexpr int kPaceWindow = 128;
constexpr int kPaceProbeEvery = 16;
}  // namespace

// At the start of each step. A window on the other count that ran faster
// settles there; the other count is tried again kPaceProbeEvery windows on,
// the first time after one window. Lists are built anew for a new count.
void CFastEngine::paceStep()
{
    std::int64_t now = std::chrono::steady_clock::now().time_since_epoch().count();
    pace_.spent += std::chrono::duration<double>(std::chrono::steady_clock::duration(now - pace_.last)).count();
    pace_.last = now;
    if (++pace_.steps < kPaceWindow) return;
    double perStep = pace_.spent / pace_.steps;
    pace_.steps = 0;
    pace_.spent = 0.0;
    if (pace_.probing) {
        pace_.probing = false;
        if (perStep < pace_.settledPerStep) {
            pace_.alone = !pace_.alone;
            pace_.settledPerStep = perStep;
        }
    } else {
        pace_.settledPerStep = perStep;
        pace_.probing = pace_.windows++ % kPaceProbeEvery == 0;
    }
    if (pacedThreads() != threads_) {
        threads_ = pacedThreads();
        if (listUsable_) {
            positionsLoaded_ = false;
            rebuild();
        }
    }
}

void CFastEngine::atomsFolded()
{
    // The lists no longer follow the atoms that were moved.
    positionsLoaded_ = false;
    rebuild();
}

// ---------------------------------------------------------------- lists

void CFastEngine::readListInputs(ListInputs& in) const
{
    const CStepView& s = step_;
    std::memset(&in, 0, sizeof in);
    std::memcpy(in.number, s.number, sizeof in.number);
    std::memcpy(in.diam, s.diam, sizeof in.diam);
    std::memcpy(in.invm, s.invm, sizeof in.invm);
    std::memcpy(in.LJeps, s.LJeps, sizeof in.LJeps);
    std::memcpy(in.charge, s.charge, sizeof in.charge);
    in.halfWidth = s.halfWidth;
    in.potentialUsed = s.potentialUsed();
    in.conserve = s.conserve();
    in.periodic = s.periodic();
    in.contactsUsed = s.contactsUsed();
    in.stateRevision = s.stateRevision();
    in.threads = threads_;
    in.skinFraction = skinFraction;
    in.sparseSkinFraction = sparseSkinFraction;
    in.sparseDensity = sparseDensity;
    in.flatBelowRowLength = flatBelowRowLength;
}

// The lists of the last call serve this one where they were built from the
// same inputs, by the same number of threads, and no atom has moved further
// from where they were built than the skin allows: a display run in several
// calls then builds its lists as often as one run in a single call.
bool CFastEngine::listsStillValid() const
{
    if (!listUsable_) return false;
    ListInputs now;
    readListInputs(now);
    if (std::memcmp(&now, &builtFrom_, sizeof now) != 0) return false;
    return !anyMovedTooFar();
}

void CFastEngine::prepareConstants()
{
    const CStepView& s = step_;
    double maxDiam = 0.0;
    for (int t = 0; t < kTypes; t++)
        if (s.number[t] > 0) maxDiam = std::max(maxDiam, s.diam[t]);
    // Sparse systems list few pairs, so a wider skin costs the pair passes
    // little and saves rebuilds; in a dense liquid the longer lists cost more
    // than the rebuilds they save.
    double width = 2.0 * s.halfWidth;
    int atoms = 0;
    for (int t = 0; t < kTypes; t++) atoms += s.number[t];
    double density = width > 0 ? atoms * std::pow(maxDiam / width, 3.0) : 0.0;
    skin_ = (density < sparseDensity ? sparseSkinFraction : skinFraction) * maxDiam;
    pairsCharged_ = s.potentialUsed() || s.conserve();
    box_ = {s.periodic(), s.halfWidth, width};
    const bool contactsUsed = s.contactsUsed();
    double limit = 0.5 * skin_ / kCellWiden;
    moveLimit2_ = limit * limit;
    for (int t = 0; t < kTypes; t++)
        for (int u = t; u < kTypes; u++) {
            PairConstants& pc = pc_[t][u];
            pc.m = (s.diam[t] + s.diam[u]) / 2.0;
            pc.m2 = pc.m * pc.m;
            pc.cut2 = kCutoffDiameters * kCutoffDiameters * pc.m2;
            pc.eps4 = 4.0 * s.LJeps[t][u];
            pc.eps24 = 24.0 * s.LJeps[t][u];
            CPairStrength strength = pairStrength(pc.m, s.charge[t], s.charge[u]);
            pc.c = strength.coulomb;
            pc.b = strength.core;
            pc.charged = s.charge[t] != 0.0 && s.charge[u] != 0.0;
            double reach = pc.charged ? 2.0 * s.halfWidth : s.diam[t] + s.diam[u];
            pc.reach2 = reach * reach;
            double contactReach = (pc.m + skin_) * kWiden;
            // Without contacts no pair is in contact: the contact list stays empty.
            pc.contactList2 = contactsUsed ? contactReach * contactReach : -1.0;
            // The pair list serves the force pass, whose marks then serve the
            // energy pairing (its reach is shorter); without potentials it
            // serves the energy pairing alone.
            double forceReach = (kCutoffDiameters * pc.m + skin_) * kWiden;
            double energyReach = (s.diam[t] + s.diam[u] + skin_) * kWiden;
            pc.forceList2 = s.potentialUsed() ? forceReach * forceReach
                            : s.conserve()    ? energyReach * energyReach
                                              : -1.0;
        }
    for (int t = 0; t < kTypes; t++) {
        RowConstants& rc = rowConstants_[t];
        rc.invmI = s.invm[t];
        rc.samePartners = true;
        rc.periodic = box_.periodic;
        rc.halfWidth = box_.halfWidth;
        rc.width = box_.width;
        for (int u = 0; u < kTypes; u++) {
            const PairConstants& pc = pc_[std::min(t, u)][std::max(t, u)];
            contact2_[t][u] = pc.m2;
            reach2_[t][u] = pc.reach2;
            rc.m[u] = pc.m;
            // The pair acts beyond the mean diameter, or without contacts
            // wherever its atoms do not coincide.
            rc.m2[u] = contactsUsed ? pc.m2 : 0.0;
            rc.cut2[u] = pc.charged ? HUGE_VAL : pc.cut2;
            rc.eps4[u] = pc.eps4;
            rc.eps24[u] = pc.eps24;
            rc.c[u] = pc.c;
            rc.b[u] = pc.b;
            rc.invmJ[u] = s.invm[u];
            rc.reach2[u] = pc.reach2;
        }
        // Bit for bit, so that a NaN or a signed zero never passes for another value.
        auto same = [&](int u) {
            auto equal = [&](const double* v) { return std::memcmp(&v[u], &v[t], sizeof(double)) == 0; };
            return equal(rc.m) && equal(rc.m2) && equal(rc.cut2) && equal(rc.eps4) && equal(rc.eps24) &&
                   equal(rc.c) && equal(rc.b) && equal(rc.invmJ) && equal(rc.reach2);
        };
        for (int u = t + 1; u < kTypes; u++) rc.samePartners = rc.samePartners && same(u);
        // With m above 1e-100, an acting pair (r > m) has 1 / r below 1e100,
        // whose square is finite: the zero Coulomb terms are zeros, not NaN.
        // Without contacts a pair may act at any distance, where the powers
        // of m / r overflow and a zero term is NaN.
        rc.uncharged = contactsUsed;
        for (int u = 0; u < kTypes; u++)
            rc.uncharged = rc.uncharged && rc.c[u] == 0.0 && rc.b[u] == 0.0 && rc.m[u] > 1e-100;
    }
}

int CFastEngine::widestLanesAllowed()
{
    static const int lanes = [] {
        const char* kernel = std::getenv("QUORVEL_KERNEL");
        if (kernel && std::strcmp(kernel, "portable") == 0) return 1;
        if (kernel && std::strcmp(kernel, "avx2") == 0) return 4;
        return 8;
    }();
    return lanes;
}

namespace {
// One type's positions into the kernel's rows (x, y, z, type), and whether
// any of them lies further from where the lists were built than the limit
// allows, in the test of movedTooFar: both in one pass over the positions.
template <bool kPeriodic>
__attribute__((always_inline)) inline unsigned loadSeeingMovesIn(const double* __restrict now, const double* __restrict then, int count, double type,
                                  double limit2, double half, double width, double (*__restrict rows)[4])
{
    unsigned beyond = 0;
    // By the minimum image: a wrap into the box is no move.
    auto moved = [half, width](double d) { return !kPeriodic ? d : d > half ? d - width : d < -half ? d + width : d; };
    for (int k = 0; k < count; k++) {
        double x = now[3 * k], y = now[3 * k + 1], z = now[3 * k + 2];
        rows[k][0] = x;
        rows[k][1] = y;
        rows[k][2] = z;
        rows[k][3] = type;
        double dx = moved(x - then[3 * k]), dy = moved(y - then[3 * k + 1]), dz = moved(z - then[3 * k + 2]);
        beyond |= !(dx * dx + dy * dy + dz * dz <= limit2);
    }
    return beyond;
}

QUORVEL_WIDEST unsigned loadSeeingMoves(const double* __restrict now, const double* __restrict then, int count,
                                        double type, double limit2, double (*__restrict rows)[4])
{
    return loadSeeingMovesIn<false>(now, then, count, type, limit2, 0.0, 0.0, rows);
}

QUORVEL_WIDEST unsigned loadSeeingMovesPeriodic(const double* __restrict now, const double* __restrict then, int count,
                                                double type, double limit2, double half, double width,
                                                double (*__restrict rows)[4])
{
    return loadSeeingMovesIn<true>(now, then, count, type, limit2, half, width, rows);
}
}  // namespace

bool CFastEngine::loadPositionsSeeingMoves()
{
    unsigned beyond = 0;
    for (int t = 0, n = 0; t < kTypes; n += step_.number[t], t++)
        beyond |= box_.periodic ? loadSeeingMovesPeriodic(flatVectors(step_.loc[t]), built_[t * kPerType],
                                                          step_.number[t], t, moveLimit2_, box_.halfWidth, box_.width,
                                                          pos4_ + n)
                                : loadSeeingMoves(flatVectors(step_.loc[t]), built_[t * kPerType], step_.number[t], t,
                                                  moveLimit2_, pos4_ + n);
    positionsLoaded_ = true;
    return beyond != 0;
}

// The active atoms are every type's atoms, one type after the other.
void CFastEngine::loadPositions()
{
    for (int t = 0, n = 0; t < kTypes; t++)
        for (int i = 0; i < step_.number[t]; i++, n++) {
            const double* x = step_.loc[t][i].v;
            pos4_[n][0] = x[0];
            pos4_[n][1] = x[1];
            pos4_[n][2] = x[2];
            pos4_[n][3] = t;
        }
    positionsLoaded_ = true;
}
