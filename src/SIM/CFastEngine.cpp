// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the integration step and the neighbour lists.
#include "CFastEngine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "CForceConstants.h"
#include "CSimulation.h"

using namespace quorvel;

namespace {
constexpr int kMaxGrid = 40;
// Reaches are widened by this factor, and the cells by a little more, so
// that rounding in a distance or a cell index never drops a pair.
constexpr double kWiden = 1.0 + 1e-9;
constexpr double kCellWiden = 1.001;

inline int typeOf(int slot) { return slot / CFastEngine::kPerType; }
inline int indexOf(int slot) { return slot % CFastEngine::kPerType; }

}  // namespace

CFastEngine::CFastEngine(CSimulation& simulation) : sim_(simulation)
{
    forceStart_.resize(kMaxAtoms + 1);
    nearStart_.resize(kMaxAtoms + 1);
    forceNbr_.reserve(160 * kMaxAtoms);
    forceRank_.reserve(160 * kMaxAtoms);
    nearRank_.reserve(80 * kMaxAtoms);
    nearNbr_.reserve(80 * kMaxAtoms);
    cellStart_.resize(kMaxGrid * kMaxGrid * kMaxGrid + 1);
    cellOf_.resize(kMaxAtoms);
    cellSlots_.resize(kMaxAtoms + 4);
    cellX_.resize(kMaxAtoms + 4);
    cellY_.resize(kMaxAtoms + 4);
    cellZ_.resize(kMaxAtoms + 4);
    cellType_.resize(kMaxAtoms + 4);
    cellFill_.resize(kMaxGrid * kMaxGrid * kMaxGrid);
    earlierStart_.reserve(kMaxAtoms + 1);
    earlierFill_.reserve(kMaxAtoms);
    earlierRank_.reserve(160 * kMaxAtoms);
    for (auto& scratch : reachScratch_) scratch.resize(kMaxAtoms + 8);
    for (int part = 0; part < 2; part++) {
        rowForce_[part].reserve(80 * kMaxAtoms);
        rowNear_[part].reserve(40 * kMaxAtoms);
        rowForceStart_[part].resize(kMaxAtoms + 1);
        rowNearStart_[part].resize(kMaxAtoms + 1);
    }
}

CFastEngine::~CFastEngine()
{
    if (worker_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_.store(true);
        }
        wake_.notify_one();
        worker_.join();
    }
}

// ---------------------------------------------------------------- the step

void CFastEngine::iterate(int threads)
{
    CSimulation& s = sim_;
    double dt = s.timeStep;
    double half = dt * 0.5;
    double quad = dt * half;
    if (s.iterations == 0) {
        s.initSimulationEnergies();
        s.resetIPS();
    }
    int atoms = 0;
    for (int t = 0; t < CSimulation::kTypes; t++) atoms += s.number[t];
    threads_ = (threads >= 2 && atoms >= twoThreadMinimum && forcePairCount() + nearPairCount() >= twoThreadPairs) ? 2 : 1;
    // Setters and file loads may have changed anything since the last tick.
    rebuild();

    for (unsigned step = 0; step < s.iterationsPerDisplay; step++) {
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.number[t]; i++) {
                double* x = s.loc[t][i].v;
                const double* v = s.vel[t][i].v;
                const double* a = s.acc[t][i].v;
                for (int axis = 0; axis < 3; axis++) x[axis] = x[axis] + v[axis] * dt + a[axis] * quad;
            }
        positionsLoaded_ = false;
        inReachValid_ = false;
        if (s.pistonUsed) s.movePiston(dt, quad);
        collide();
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.number[t]; i++)
                for (int axis = 0; axis < 3; axis++) s.vel[t][i].v[axis] += s.acc[t][i].v[axis] * half;
        forces();
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.number[t]; i++)
                for (int axis = 0; axis < 3; axis++) s.vel[t][i].v[axis] += s.acc[t][i].v[axis] * half;
        s.MDCALCTotalEnergy();
        if (s.conserve) energyAdj();
        s.calculateAllOutputs();
        s.iterations++;
        s.elapsedTime += dt;
        s.calculateIPS();
    }
}

// ---------------------------------------------------------------- lists

void CFastEngine::prepareConstants()
{
    const CSimulation& s = sim_;
    double maxDiam = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        if (s.number[t] > 0) maxDiam = std::max(maxDiam, s.diam[t]);
    // Sparse systems list few pairs, so a wider skin costs the pair passes
    // little and saves rebuilds (measured: 14% fewer instructions on the
    // hard-sphere gas, 5% on the Lennard-Jones gas; the liquid loses with it).
    double width = 2.0 * s.halfWidth;
    int atoms = 0;
    for (int t = 0; t < CSimulation::kTypes; t++) atoms += s.number[t];
    double density = width > 0 ? atoms * std::pow(maxDiam / width, 3.0) : 0.0;
    skin_ = (density < sparseDensity ? sparseSkinFraction : skinFraction) * maxDiam;
    double limit = 0.5 * skin_ / kCellWiden;
    moveLimit2_ = limit * limit;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++) {
            PairConstants& pc = pc_[t][u];
            pc.m = (s.diam[t] + s.diam[u]) / 2.0;
            pc.m2 = pc.m * pc.m;
            pc.cut2 = 9.0 * pc.m2;
            pc.eps4 = 4.0 * s.LJeps[t][u];
            pc.eps24 = 24.0 * s.LJeps[t][u];
            pc.c = s.charge[t] * s.charge[u] * kCoulomb;
            pc.b = std::fabs(pc.c * kCoreFactor / pc.m);
            pc.charged = s.charge[t] != 0.0 && s.charge[u] != 0.0;
            double reach = pc.charged ? 2.0 * s.halfWidth : s.diam[t] + s.diam[u];
            pc.reach2 = reach * reach;
            double nearReach = (std::max(pc.m, s.diam[t] + s.diam[u]) + skin_) * kWiden;
            pc.nearList2 = nearReach * nearReach;
            double forceReach = (3.0 * pc.m + skin_) * kWiden;
            pc.forceList2 = s.potentialUsed ? forceReach * forceReach : -1.0;
        }
    for (int t = 0; t < CSimulation::kTypes; t++) {
        RowConstants& rc = rowConstants_[t];
        rc.invmI = s.invm[t];
        rc.samePartners = true;
        for (int u = 0; u < CSimulation::kTypes; u++) {
            const PairConstants& pc = pc_[std::min(t, u)][std::max(t, u)];
            contact2_[t][u] = pc.m2;
            reach2_[t][u] = pc.reach2;
            rc.m[u] = pc.m;
            rc.m2[u] = pc.m2;
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
        RowConstants& cc = crossConstants_[t];
        cc = rc;
        for (int u = 0; u < CSimulation::kTypes; u++) {
            if (u > t) rc.samePartners = rc.samePartners && same(u);
            cc.samePartners = cc.samePartners && same(u);
        }
    }
}

bool CFastEngine::rebuild()
{
    CSimulation& s = sim_;
    listUsable_ = false;
    prepareConstants();
    nActive_ = 0;
    bool finite = std::isfinite(skin_) && std::isfinite(s.halfWidth) && s.halfWidth > 0;
    for (int t = 0; t < CSimulation::kTypes; t++) {
        if (s.number[t] > 0) finite = finite && std::isfinite(s.diam[t]) && s.diam[t] >= 0;
        for (int i = 0; i < s.number[t]; i++) {
            int slot = t * kPerType + i;
            const double* x = s.loc[t][i].v;
            finite = finite && std::isfinite(x[0]) && std::isfinite(x[1]) && std::isfinite(x[2]);
            rank_[slot] = nActive_;
            active_[nActive_++] = slot;
            std::memcpy(built_[slot], x, sizeof built_[slot]);
        }
    }
    if (!finite) return false;
    rebuilds_++;

    // Cells at least as wide as the longest list reach of uncharged pairs;
    // pairs of two charged types are listed whatever their distance.
    double reach = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++)
        for (int u = t; u < CSimulation::kTypes; u++) {
            if (s.number[t] == 0 || s.number[u] == 0 || pc_[t][u].charged) continue;
            reach = std::max(reach, std::sqrt(std::max(pc_[t][u].forceList2, pc_[t][u].nearList2)));
        }
    double width = 2.0 * s.halfWidth;
    // Cells of the whole reach, searched one cell out. Cells of half the
    // reach (searched two out) check 40% fewer distances on the liquid but
    // cost more instructions in all, for the extra cells visited.
    cellSpan_ = 1;
    double cells = reach > 0 ? std::floor(width * cellSpan_ / (reach * kCellWiden)) : 1.0;
    grid_ = static_cast<int>(std::clamp(cells, 1.0, static_cast<double>(kMaxGrid)));
    cellScale_ = grid_ / width;
    int cellCount = grid_ * grid_ * grid_;
    std::fill(cellStart_.begin(), cellStart_.begin() + cellCount + 1, 0);
    std::fill(std::begin(chargedMask_), std::end(chargedMask_), 0);
    chargedCount_ = 0;
    for (int n = 0; n < nActive_; n++) {
        int slot = active_[n];
        const double* x = built_[slot];
        int c[3];
        for (int axis = 0; axis < 3; axis++) c[axis] = cellIndex(x[axis]);
        cellOf_[n] = (c[2] * grid_ + c[1]) * grid_ + c[0];
        cellStart_[cellOf_[n] + 1]++;
        int t = typeOf(slot);
        if (s.charge[t] != 0.0) {
            chargedMask_[slot >> 6] |= std::uint64_t(1) << (slot & 63);
            chargedCount_++;
        }
    }
    for (int c = 0; c < cellCount; c++) cellStart_[c + 1] += cellStart_[c];
    std::vector<int>& fill = cellFill_;
    std::copy(cellStart_.begin(), cellStart_.begin() + cellCount, fill.begin());
    for (int n = 0; n < nActive_; n++) {
        int q = fill[cellOf_[n]]++;
        int slot = active_[n];
        cellSlots_[q] = slot;
        cellX_[q] = built_[slot][0];
        cellY_[q] = built_[slot][1];
        cellZ_[q] = built_[slot][2];
        cellType_[q] = typeOf(slot);
    }

    // Every row scans the same cells, but the first atoms' rows keep more of
    // what they find (they list later partners only), so the first part
    // takes a little fewer atoms (measured in instructions on the liquid).
    buildSplit_ = static_cast<int>(nActive_ * 0.46);
    if (threads_ == 2 && nActive_ >= twoThreadMinimum) {
        runOnBoth(&CFastEngine::buildPart);
    } else {
        buildSplit_ = nActive_;
        buildPart(0);
    }
    joinRows(rowForce_, rowForceStart_, forceNbr_, forceStart_);
    joinRows(rowNear_, rowNearStart_, nearNbr_, nearStart_);
    indexRanks();

    // Split points that share the listed pairs evenly between two threads.
    splitNear_ = splitAt(nearStart_);
    listUsable_ = true;
    return true;
}

// The rows by rank, for the passes that work on positions by rank.
void CFastEngine::indexRanks()
{
    int forceTotal = forceStart_[nActive_], nearTotal = nearStart_[nActive_];
    // Eight lanes at a time may read past a row's end, and past the last row.
    forceRank_.resize(forceTotal + 7);
    nearRank_.resize(nearTotal + 7);
    for (int q = 0; q < forceTotal; q++) forceRank_[q] = rank_[forceNbr_[q]];
    for (int q = 0; q < nearTotal; q++) nearRank_[q] = rank_[nearNbr_[q]];
    for (int pad = 0; pad < 7; pad++) forceRank_[forceTotal + pad] = nearRank_[nearTotal + pad] = 0;
    inReach_.resize(forceTotal + 8);
    inReachValid_ = false;

    // Transposed: row n holds the atoms that list n, in row order, hence ascending.
    earlierStart_.assign(nActive_ + 1, 0);
    for (int q = 0; q < forceTotal; q++) earlierStart_[forceRank_[q] + 1]++;
    for (int n = 0; n < nActive_; n++) earlierStart_[n + 1] += earlierStart_[n];
    earlierRank_.resize(forceTotal + 7);
    earlierFill_.assign(earlierStart_.begin(), earlierStart_.begin() + nActive_);
    for (int n = 0; n < nActive_; n++)
        for (int q = forceStart_[n]; q < forceStart_[n + 1]; q++) earlierRank_[earlierFill_[forceRank_[q]]++] = n;
    for (int pad = 0; pad < 7; pad++) earlierRank_[forceTotal + pad] = 0;
    forceSplit_ = forceSplitAt();
}

// The split that gives both threads the same number of pairs on two threads: the first
// computes the rows before it, the second the rows after it and, again, the
// pairs that cross the split (for its atoms' sums, which begin with them).
int CFastEngine::forceSplitAt() const
{
    // One thread has no use for it (the search costs 4% of a gas step).
    if (threads_ != 2) return nActive_;
    int total = forceStart_[nActive_];
    auto crossing = [&](int split) {
        int count = 0;
        for (int n = split; n < nActive_; n++) {
            const int* row = earlierRank_.data() + earlierStart_[n];
            count += static_cast<int>(std::lower_bound(row, row + (earlierStart_[n + 1] - earlierStart_[n]), split) - row);
        }
        return count;
    };
    int low = 0, high = nActive_;
    while (low < high) {
        int mid = (low + high) / 2;
        int first = forceStart_[mid], second = crossing(mid) + total - forceStart_[mid];
        if (first < second) low = mid + 1;
        else high = mid;
    }
    return low;
}

void CFastEngine::loadPositions()
{
    for (int n = 0; n < nActive_; n++) {
        int k = active_[n];
        const double* x = sim_.loc[typeOf(k)][indexOf(k)].v;
        pos4_[n][0] = x[0];
        pos4_[n][1] = x[1];
        pos4_[n][2] = x[2];
        pos4_[n][3] = typeOf(k);
    }
    positionsLoaded_ = true;
}

int CFastEngine::cellIndex(double x) const
{
    double f = std::floor((x + sim_.halfWidth) * cellScale_);
    if (!(f >= 0.0)) f = 0.0;
    if (f > grid_ - 1) f = grid_ - 1;
    return static_cast<int>(f);
}

int CFastEngine::splitAt(const std::vector<int>& start) const
{
    int total = start[nActive_];
    return static_cast<int>(std::lower_bound(start.begin(), start.begin() + nActive_, total / 2) - start.begin());
}

void CFastEngine::joinRows(std::vector<int>* rows, std::vector<int>* rowStart, std::vector<int>& out,
                           std::vector<int>& start)
{
    int first = static_cast<int>(rows[0].size());
    int parts = buildSplit_ < nActive_ ? 2 : 1;
    int total = first + (parts == 2 ? static_cast<int>(rows[1].size()) : 0);
    out.resize(total);
    std::copy(rows[0].begin(), rows[0].end(), out.begin());
    for (int n = 0; n < buildSplit_; n++) start[n] = rowStart[0][n];
    if (parts == 2) {
        std::copy(rows[1].begin(), rows[1].end(), out.begin() + first);
        for (int n = buildSplit_; n < nActive_; n++) start[n] = first + rowStart[1][n - buildSplit_];
    }
    start[nActive_] = total;
}

// Invariants of the rows built here: the force row of an atom holds every
// later atom (higher slot) within its pair's force reach plus the skin, the
// near row every later atom within contact and energy-pairing reach plus the
// skin; pairs of two charged types are in both whatever their distance; each
// pair is stored once, in the row of its first atom, and every row ascends.
// A pair left out is therefore farther apart than its reach as long as no
// atom has moved more than half the skin since the build.
void CFastEngine::buildPart(int part)
{
    const CSimulation& s = sim_;
    int first = part == 0 ? 0 : buildSplit_;
    int last = part == 0 ? buildSplit_ : nActive_;
    std::vector<int>& forceRows = rowForce_[part];
    std::vector<int>& nearRows = rowNear_[part];
    std::vector<int>& forceStart = rowForceStart_[part];
    std::vector<int>& nearStart = rowNearStart_[part];
    forceRows.clear();
    nearRows.clear();
    for (int n = first; n < last; n++) {
        forceStart[n - first] = static_cast<int>(forceRows.size());
        nearStart[n - first] = static_cast<int>(nearRows.size());
        int k = active_[n];
        int t = typeOf(k);
        const double x = built_[k][0], y = built_[k][1], z = built_[k][2];
        RowScan& row = rowScan_[part];
        row.x = x;
        row.y = y;
        row.z = z;
        row.slot = k;
        row.forceCount = row.nearCount = 0;
        // Pairs of two charged types come from the mask below.
        for (int u = 0; u < 4; u++) {
            const PairConstants& pc = pc_[std::min(t, u)][std::max(t, u)];
            row.forceReach2[u] = pc.charged ? -1.0 : pc.forceList2;
            row.nearReach2[u] = pc.charged ? -1.0 : pc.nearList2;
        }
        row.sameReaches = true;
        for (int u = 1; u < 4; u++)
            row.sameReaches = row.sameReaches && row.forceReach2[u] == row.forceReach2[0] &&
                              row.nearReach2[u] == row.nearReach2[0];
        int cx = cellIndex(x), cy = cellIndex(y), cz = cellIndex(z);
        const int span = cellSpan_;
        for (int gz = std::max(cz - span, 0); gz <= std::min(cz + span, grid_ - 1); gz++)
            for (int gy = std::max(cy - span, 0); gy <= std::min(cy + span, grid_ - 1); gy++) {
                // The cells of one line along x follow each other in the cell order.
                int line = (gz * grid_ + gy) * grid_;
                int begin = cellStart_[line + std::max(cx - span, 0)];
                int end = cellStart_[line + std::min(cx + span, grid_ - 1) + 1];
                scanCell(row, begin, end);
            }
        bool charged = s.charge[t] != 0.0;
        appendRow(forceRows, row.forceFound, row.forceCount, row.forceBits, k, charged && s.potentialUsed);
        appendRow(nearRows, row.nearFound, row.nearCount, row.nearBits, k, charged);
    }
    forceStart[last - first] = static_cast<int>(forceRows.size());
    nearStart[last - first] = static_cast<int>(nearRows.size());
}

void CFastEngine::scanCell(RowScan& row, int begin, int end) const
{
    if (useAvx2) {
        CellAtoms atoms{cellX_.data(), cellY_.data(), cellZ_.data(), cellType_.data(), cellSlots_.data()};
        scanCellAvx2(row, atoms, begin, end);
        return;
    }
    for (int q = begin; q < end; q++) {
        int l = cellSlots_[q];
        if (l <= row.slot) continue;
        int u = static_cast<int>(cellType_[q]);
        double dx = row.x - cellX_[q], dy = row.y - cellY_[q], dz = row.z - cellZ_[q];
        double r2 = dx * dx + dy * dy + dz * dz;
        if (r2 <= row.forceReach2[u]) row.forceFound[row.forceCount++] = l;
        if (r2 <= row.nearReach2[u]) row.nearFound[row.nearCount++] = l;
    }
}

// Appends the row of atom k: the partners found (in cell order) and, where
// the atom is charged, every later charged atom, in ascending order. A few
// partners are sorted in place; more are put in order through bits by slot.
void CFastEngine::appendRow(std::vector<int>& rows, int* found, int count, std::uint64_t* bits, int k,
                            bool withCharged) const
{
    size_t at = rows.size();
    if (!withCharged && count <= 16) {
        for (int f = 1; f < count; f++) {
            int l = found[f], g = f;
            for (; g > 0 && found[g - 1] > l; g--) found[g] = found[g - 1];
            found[g] = l;
        }
        rows.resize(at + count);
        std::copy(found, found + count, rows.data() + at);
        return;
    }
    int w0 = (k + 1) >> 6;
    std::fill(bits + w0, bits + kWords, 0);
    for (int f = 0; f < count; f++) bits[found[f] >> 6] |= std::uint64_t(1) << (found[f] & 63);
    if (withCharged)
        for (int w = w0; w < kWords; w++)
            bits[w] |= w == w0 ? chargedMask_[w] & (~std::uint64_t(0) << ((k + 1) & 63)) : chargedMask_[w];
    rows.resize(at + count + (withCharged ? chargedCount_ : 0));
    int* out = rows.data() + at;
    for (int w = w0; w < kWords; w++)
        for (std::uint64_t word = bits[w]; word; word &= word - 1) *out++ = w * 64 + std::countr_zero(word);
    rows.resize(out - rows.data());
}

bool CFastEngine::movedTooFar(int slot) const
{
    const double* x = sim_.loc[typeOf(slot)][indexOf(slot)].v;
    double dx = x[0] - built_[slot][0], dy = x[1] - built_[slot][1], dz = x[2] - built_[slot][2];
    return !(dx * dx + dy * dy + dz * dz <= moveLimit2_);
}

bool CFastEngine::anyMovedTooFar() const
{
    for (int n = 0; n < nActive_; n++)
        if (movedTooFar(active_[n])) return true;
    return false;
}

const int* CFastEngine::forceRow(int slot, int& count) const
{
    int n = rank_[slot];
    count = forceStart_[n + 1] - forceStart_[n];
    return forceNbr_.data() + forceStart_[n];
}

const int* CFastEngine::nearRow(int slot, int& count) const
{
    int n = rank_[slot];
    count = nearStart_[n + 1] - nearStart_[n];
    return nearNbr_.data() + nearStart_[n];
}

// ---------------------------------------------------------------- threads

void CFastEngine::runOnBoth(void (CFastEngine::*job)(int))
{
    if (!worker_.joinable()) worker_ = std::thread(&CFastEngine::workerLoop, this);
    job_ = job;
    unsigned generation = jobGeneration_.load(std::memory_order_relaxed) + 1;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobGeneration_.store(generation, std::memory_order_release);
    }
    if (workerSleeping_.load(std::memory_order_acquire)) wake_.notify_one();
    (this->*job)(0);
    // On a busy machine the worker may have lost its core: give it ours
    // rather than spin through a whole time slice.
    for (int spins = 0; doneGeneration_.load(std::memory_order_acquire) != generation; spins++) {
        if (spins < 2000) spinPause();
        else std::this_thread::yield();
    }
}

void CFastEngine::spinPause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

// The worker spins briefly between jobs (the phases of a step follow each
// other within microseconds) and sleeps when no job comes, between ticks.
void CFastEngine::workerLoop()
{
    unsigned seen = 0;
    for (;;) {
        unsigned generation;
        int spins = 0;
        while ((generation = jobGeneration_.load(std::memory_order_acquire)) == seen) {
            if (stopping_.load(std::memory_order_relaxed)) return;
            if (++spins < 200000) {
                spinPause();
                continue;
            }
            std::unique_lock<std::mutex> lock(mutex_);
            workerSleeping_.store(true, std::memory_order_release);
            wake_.wait(lock, [&] { return stopping_.load() || jobGeneration_.load() != seen; });
            workerSleeping_.store(false, std::memory_order_release);
            if (stopping_.load()) return;
            spins = 0;
        }
        if (stopping_.load()) return;
        seen = generation;
        (this->*job_)(1);
        doneGeneration_.store(generation, std::memory_order_release);
    }
}
