// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the neighbour lists (the pair list and the contact list),
// built from a cell grid, and the bookkeeping the pair passes take from them.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "SIM/engine/CFastEngine.h"
#include "SIM/model/CWidestLoops.h"

namespace {
constexpr int kMaxGrid = 40;
// Lanes of the cell scan read and store up to this many entries past a run.
constexpr int kLanePad = 8;
// Atoms per cell from which cells are scanned one by one.
constexpr int kCrowdedCell = 6;

inline int typeOf(int slot) { return slot / CFastEngine::kPerType; }
inline int indexOf(int slot) { return slot % CFastEngine::kPerType; }
}  // namespace

void CFastEngine::allocateLists()
{
    forceStart_.resize(kMaxAtoms + 1);
    contactStart_.resize(kMaxAtoms + 1);
    forceRank_.reserve(160 * kMaxAtoms);
    contactRank_.reserve(16 * kMaxAtoms);
    contactOwner_.reserve(16 * kMaxAtoms + 8);
    cellStart_.resize(kMaxGrid * kMaxGrid * kMaxGrid + 1);
    cellFill_.resize(kMaxGrid * kMaxGrid * kMaxGrid);
    cellOf_.resize(kMaxAtoms);
    for (auto* cells : {&cellX_, &cellY_, &cellZ_, &cellType_}) cells->resize(kMaxAtoms + kLanePad);
    for (auto* cells : {&cellXf_, &cellYf_, &cellZf_, &cellTypef_}) cells->resize(kMaxAtoms + kLanePad);
    cellRank_.resize(kMaxAtoms + kLanePad);
    chargedRanks_.reserve(kMaxAtoms);
    sizeParts();
}

// Working space by part and by thread, made when the thread count grows
// (the parts of every phase number a small multiple of the threads).
void CFastEngine::sizeParts()
{
    if (threads_ <= partsSizedFor_) return;
    partsSizedFor_ = threads_;
    int parts = std::max(threads_, contactParts());
    cellVisited_.resize(threads_);
    for (auto& visited : cellVisited_) visited.resize(kMaxGrid * kMaxGrid * kMaxGrid);
    for (auto* lists : {&foundPairs_, &foundContacts_}) {
        lists->resize(threads_);
        for (FoundLists& found : *lists) {
            found.start.resize(kMaxAtoms + 1);
            found.perRow.resize(kMaxAtoms);
        }
    }
    buildBounds_.resize(threads_ + 1);
    forceBounds_.resize(threads_ + 1);
    contactBounds_.resize(parts + 1);
    contactFound_.resize(parts);
    crossOwner_.resize(threads_);
    crossPartner_.resize(threads_);
    markedOwner_.resize(threads_);
    markedPartner_.resize(threads_);
    marked_.resize(threads_);
    forceScratch_.resize(threads_);
    while (static_cast<int>(forceSides_.size()) < threads_) forceSides_.push_back(std::make_unique<ForceSide>());
}

bool CFastEngine::rebuildOn(int threads)
{
    int atoms = 0;
    for (int t = 0; t < kTypes; t++) atoms += step_.number[t];
    int most = std::min(threads, cores);
    if (atomsPerThread > 0) most = std::min(most, atoms / atomsPerThread);
    threads_ = std::max(1, most);
    return rebuild();
}

bool CFastEngine::rebuild()
{
    const CStepView& s = step_;
    listUsable_ = false;
    prepareConstants();
    nActive_ = 0;
    bool finite = std::isfinite(skin_) && std::isfinite(s.halfWidth) && s.halfWidth > 0;
    for (int t = 0; t < kTypes; t++) {
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
    sizeParts();
    readListInputs(builtFrom_);
    rebuilds_++;
    sortIntoCells();

    chooseBuildBounds();
    runParts<&CFastEngine::scanPart>(threads_);
    countFound(foundPairs_.data(), forceStart_, forceRank_);
    countFound(foundContacts_.data(), contactStart_, contactRank_);
    runParts<&CFastEngine::fillPart>(threads_);
    indexRanks();
    indexContacts();

    // The contact search's parts share the contact list's pairs evenly.
    int parts = contactParts(), total = contactStart_[nActive_];
    for (int p = 0; p <= parts; p++) contactBounds_[p] = static_cast<int>(static_cast<long long>(total) * p / parts);
    listUsable_ = true;
    return true;
}

// Parts of as much work each: with crowded cells a row scans the atoms
// before it in the cells around it, so its work grows with its rank and the
// work of the first n rows as n squared; sparse cells are scanned whole.
void CFastEngine::chooseBuildBounds()
{
    for (int p = 0; p <= threads_; p++) {
        double share = static_cast<double>(p) / threads_;
        buildBounds_[p] = static_cast<int>(nActive_ * (crowdedCells_ ? std::sqrt(share) : share));
    }
    buildBounds_[threads_] = nActive_;
}

// Cells at least as wide as the longest list reach of pairs listed by
// distance (pairs of two charged types may be listed whatever their
// distance), searched one cell out. Within a cell the atoms ascend.
void CFastEngine::sortIntoCells()
{
    const CStepView& s = step_;
    double reach = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int u = t; u < kTypes; u++) {
            if (s.number[t] == 0 || s.number[u] == 0) continue;
            const PairConstants& pc = pc_[t][u];
            reach = std::max(reach, std::sqrt(std::max(pc.charged && pairsCharged_ ? 0.0 : pc.forceList2, pc.contactList2)));
        }
    double width = 2.0 * s.halfWidth;
    double cells = reach > 0 ? std::floor(width / (reach * kCellWiden)) : 1.0;
    grid_ = static_cast<int>(std::clamp(cells, 1.0, static_cast<double>(kMaxGrid)));
    cellScale_ = grid_ / width;
    int cellCount = grid_ * grid_ * grid_;
    crowdedCells_ = nActive_ >= kCrowdedCell * cellCount;
    std::fill(cellStart_.begin(), cellStart_.begin() + cellCount + 1, 0);
    chargedRanks_.clear();
    for (int n = 0; n < nActive_; n++) {
        int slot = active_[n];
        const double* x = built_[slot];
        int* cell = cellCoordinates_[n];
        // In a periodic box an atom a contact left just outside it belongs
        // to the cell it will be wrapped into.
        cell[0] = cellIndex(x[0]);
        cell[1] = cellIndex(x[1]);
        cell[2] = cellIndex(x[2]);
        cellOf_[n] = (cell[2] * grid_ + cell[1]) * grid_ + cell[0];
        cellStart_[cellOf_[n] + 1]++;
        if (s.charge[typeOf(slot)] != 0.0) chargedRanks_.push_back(n);
    }
    for (int c = 0; c < cellCount; c++) cellStart_[c + 1] += cellStart_[c];
    std::copy(cellStart_.begin(), cellStart_.begin() + cellCount, cellFill_.begin());
    // The minimum image in cells moves a difference by the grid's width.
    largestCellCoordinate_ = box_.periodic ? grid_ : 0.0;
    for (int n = 0; n < nActive_; n++) {
        int q = cellFill_[cellOf_[n]]++;
        int slot = active_[n];
        cellRank_[q] = n;
        cellX_[q] = built_[slot][0];
        cellY_[q] = built_[slot][1];
        cellZ_[q] = built_[slot][2];
        cellType_[q] = typeOf(slot);
        double inCells[3];
        for (int axis = 0; axis < 3; axis++) {
            inCells[axis] = inCellUnits(intoBox(built_[slot][axis]));
            largestCellCoordinate_ = std::max(largestCellCoordinate_, std::fabs(inCells[axis]));
        }
        cellXf_[q] = static_cast<float>(inCells[0]);
        cellYf_[q] = static_cast<float>(inCells[1]);
        cellZf_[q] = static_cast<float>(inCells[2]);
        cellTypef_[q] = static_cast<float>(typeOf(slot));
    }
}

// Each coordinate in single precision is off by at most half a unit in its
// last place, 2^-24 of the largest coordinate M; a difference of two by at
// most M 2^-22, a distance by under M 2^-21, and the squared distance's own
// roundings add a few parts in 2^24. The reach is widened by twice that and
// rounded up.
float CFastEngine::reach2InCells(double reach2) const
{
    if (!(reach2 >= 0.0)) return -1.0f;
    double reach = std::sqrt(reach2) * cellScale_ + std::ldexp(largestCellCoordinate_, -20);
    double widened = reach * reach * (1.0 + std::ldexp(1.0, -20));
    float inCells = static_cast<float>(widened);
    return inCells < widened ? std::nextafter(inCells, HUGE_VALF) : inCells;
}

// The rows by rank, for the passes that work on positions by rank.
void CFastEngine::indexRanks()
{
    int forceTotal = forceStart_[nActive_];
    if (static_cast<int>(near_.ranks.size()) < forceTotal + 8) near_.ranks.resize(forceRank_.capacity() + 8);
    inReachValid_ = false;
    std::fill(forceBounds_.begin(), forceBounds_.begin() + threads_ + 1, nActive_);
    forceBounds_[0] = 0;
    // Threads split the flat kernel's pairs by rank; the rows they split by position (chooseSides).
    if (threads_ == 1 || !step_.potentialUsed() || !flatChosen()) return;

    // Transposed: row n holds the atoms that list n, in row order, hence ascending.
    earlierStart_.assign(nActive_ + 1, 0);
    for (int q = 0; q < forceTotal; q++) earlierStart_[forceRank_[q] + 1]++;
    for (int n = 0; n < nActive_; n++) earlierStart_[n + 1] += earlierStart_[n];
    earlierRank_.resize(forceTotal + 7);
    earlierFill_.assign(earlierStart_.begin(), earlierStart_.begin() + nActive_);
    for (int n = 0; n < nActive_; n++)
        for (int q = forceStart_[n]; q < forceStart_[n + 1]; q++) earlierRank_[earlierFill_[forceRank_[q]]++] = n;
    for (int pad = 0; pad < 7; pad++) earlierRank_[forceTotal + pad] = 0;
    chooseForceBounds();
}

// The contact list's atoms by position and its reaches by pair type, for the contact search.
void CFastEngine::indexContacts()
{
    int total = contactStart_[nActive_];
    contactOwner_.resize(total + 8);
    for (int n = 0; n < nActive_; n++)
        std::fill(contactOwner_.begin() + contactStart_[n], contactOwner_.begin() + contactStart_[n + 1], n);
    std::fill(contactOwner_.begin() + total, contactOwner_.end(), 0);
    for (int t = 0; t < kTypes; t++)
        for (int u = 0; u < kTypes; u++) contactReach2_[4 * t + u] = contact2_[t][u];
}

// The flat kernel's parts, each of as many pairs: its rows' and, again,
// those that cross its lower bound (for its atoms' sums, which begin with
// them). Each bound is the first rank where the part's pairs reach the
// target; the target is sought so that the last part's pairs meet it too.
void CFastEngine::chooseForceBounds()
{
    int total = forceStart_[nActive_];
    auto crossing = [&](int n, int bound) {
        const int* row = earlierRank_.data() + earlierStart_[n];
        return static_cast<long long>(std::lower_bound(row, row + (earlierStart_[n + 1] - earlierStart_[n]), bound) - row);
    };
    // The bounds for a target; returns the last part's pairs.
    auto place = [&](long long target) {
        int n = 0;
        for (int p = 1; p < threads_; p++) {
            int bound = forceBounds_[p - 1];
            long long pairs = 0;
            for (n = bound; n < nActive_ && pairs < target; n++)
                pairs += forceStart_[n + 1] - forceStart_[n] + crossing(n, bound);
            forceBounds_[p] = n;
        }
        forceBounds_[threads_] = nActive_;
        long long last = 0;
        for (int m = forceBounds_[threads_ - 1]; m < nActive_; m++)
            last += forceStart_[m + 1] - forceStart_[m] + crossing(m, forceBounds_[threads_ - 1]);
        return last;
    };
    long long low = total / threads_, high = total;
    for (int step = 0; step < 16 && low < high; step++) {
        long long mid = (low + high) / 2;
        if (place(mid) > mid) low = mid + 1;
        else high = mid;
    }
    place(high);
}

double CFastEngine::inCellUnits(double x) const { return (x + step_.halfWidth) * cellScale_; }

// One wrap is enough: atoms lie in the box, or a contact's move outside it.
double CFastEngine::intoBox(double x) const
{
    if (!box_.periodic) return x;
    return x >= box_.halfWidth ? x - box_.width : x < -box_.halfWidth ? x + box_.width : x;
}

// Clamped, for atoms just outside the box.
int CFastEngine::cellIndex(double x) const
{
    double f = std::floor(inCellUnits(intoBox(x)));
    if (!(f >= 0.0)) f = 0.0;
    if (f > grid_ - 1) f = grid_ - 1;
    return static_cast<int>(f);
}

void CFastEngine::partRange(int part, int& first, int& last) const
{
    first = buildBounds_[part];
    last = buildBounds_[part + 1];
}

// Invariants of the rows built here: the pair row of an atom holds every
// later atom (higher rank) within the pair list's reach plus the skin, the
// contact row every later atom within contact reach plus the skin; pairs of
// two charged types are in the pair list whatever their distance (while it
// is in use); each pair is stored once, in the row of its first atom, and
// every row ascends. A pair left out is therefore farther apart than its
// reach as long as no atom has moved more than half the skin since the build.
//
// Each atom of the part is scanned for its earlier partners; the runs found
// are then counted by partner, which gives every row its place.
void CFastEngine::scanPart(int part, int thread)
{
    const CStepView& s = step_;
    int first, last;
    partRange(part, first, last);
    FoundLists& pairs = foundPairs_[part];
    FoundLists& contacts = foundContacts_[part];
    int pairsUsed = 0, contactsUsed = 0;
    RowScan row;
    // Crowded cells are scanned for the atoms visited so far (those of every
    // earlier rank) cell by cell; sparse ones line by line, every atom tested
    // for its rank, which visits fewer runs. Each way is the cheaper one
    // where it is used: by cells in the liquid, line by line in the gases.
    row.filterRanks = !crowdedCells_;
    int* visited = cellVisited_[thread].data();
    if (!row.filterRanks) {
        std::fill(visited, visited + grid_ * grid_ * grid_, 0);
        for (int n = 0; n < first; n++) visited[cellOf_[n]]++;
    }
    // The reaches by partner type of each type's rows.
    struct TypeReaches {
        double pair[4], contact[4];
        float pairCells[4], contactCells[4];
        bool same, charged;
    } reaches[kTypes];
    for (int t = 0; t < kTypes; t++) {
        TypeReaches& r = reaches[t];
        r.charged = pairsCharged_ && s.charge[t] != 0.0;
        // Pairs of two charged types come from the charged ranks below.
        for (int u = 0; u < 4; u++) {
            const PairConstants& pc = pc_[std::min(t, u)][std::max(t, u)];
            r.pair[u] = pc.charged && r.charged ? -1.0 : pc.forceList2;
            r.contact[u] = pc.contactList2;
            r.pairCells[u] = reach2InCells(r.pair[u]);
            r.contactCells[u] = reach2InCells(r.contact[u]);
        }
        r.same = true;
        for (int u = 1; u < 4; u++) r.same = r.same && r.pair[u] == r.pair[0] && r.contact[u] == r.contact[0];
    }
    for (int n = first; n < last; n++) {
        // Room for every earlier atom in both runs, and the lanes' overshoot.
        if (static_cast<int>(pairs.partners.size()) < pairsUsed + n + kLanePad)
            pairs.partners.resize(2 * (pairsUsed + nActive_ + kLanePad));
        if (static_cast<int>(contacts.partners.size()) < contactsUsed + n + kLanePad)
            contacts.partners.resize(2 * (contactsUsed + nActive_ + kLanePad));
        pairs.start[n - first] = pairsUsed;
        contacts.start[n - first] = contactsUsed;
        int k = active_[n];
        int t = typeOf(k);
        const double x = built_[k][0], y = built_[k][1], z = built_[k][2];
        row.x = x;
        row.y = y;
        row.z = z;
        row.cellX = static_cast<float>(inCellUnits(intoBox(x)));
        row.cellY = static_cast<float>(inCellUnits(intoBox(y)));
        row.cellZ = static_cast<float>(inCellUnits(intoBox(z)));
        row.rank = n;
        row.pairCount = row.contactCount = 0;
        row.pairFound = pairs.partners.data() + pairsUsed;
        row.contactFound = contacts.partners.data() + contactsUsed;
        const TypeReaches& r = reaches[t];
        bool chargedRow = r.charged;
        std::memcpy(row.pairReach2, r.pair, sizeof r.pair);
        std::memcpy(row.contactReach2, r.contact, sizeof r.contact);
        std::memcpy(row.pairReach2Cells, r.pairCells, sizeof r.pairCells);
        std::memcpy(row.contactReach2Cells, r.contactCells, sizeof r.contactCells);
        row.sameReaches = r.same;
        // The cells one out on every side (in a periodic box round its
        // faces, each cell once), as runs of neighbouring cells along x.
        int cx = cellCoordinates_[n][0], cy = cellCoordinates_[n][1], cz = cellCoordinates_[n][2];
        CellRange ys[2], zs[2], xs[2];
        int nz = neighbourCells(cz, zs), ny = neighbourCells(cy, ys), nx = neighbourCells(cx, xs);
        row.runs = 0;
        for (int a = 0; a < nz; a++)
            for (int gz = zs[a].first; gz <= zs[a].last; gz++)
                for (int b = 0; b < ny; b++)
                    for (int gy = ys[b].first; gy <= ys[b].last; gy++) {
                        int line = (gz * grid_ + gy) * grid_;
                        for (int c = 0; c < nx; c++) {
                            int cFirst = line + xs[c].first, cLast = line + xs[c].last;
                            if (row.filterRanks) {
                                // The cells of one line along x follow each other in the
                                // cell order: one run, filtered by rank.
                                row.runBegin[row.runs] = cellStart_[cFirst];
                                row.runEnd[row.runs++] = cellStart_[cLast + 1];
                                continue;
                            }
                            // Each cell's atoms ascend, so its earlier atoms are those already visited.
                            for (int cell = cFirst; cell <= cLast; cell++)
                                if (visited[cell] > 0) {
                                    row.runBegin[row.runs] = cellStart_[cell];
                                    row.runEnd[row.runs++] = cellStart_[cell] + visited[cell];
                                }
                        }
                    }
        scanRuns(row);
        if (!row.filterRanks) visited[cellOf_[n]]++;
        if (chargedRow)
            for (int r : chargedRanks_) {
                if (r >= n) break;
                row.pairFound[row.pairCount++] = r;
            }
        pairsUsed += row.pairCount;
        contactsUsed += row.contactCount;
    }
    pairs.start[last - first] = pairsUsed;
    contacts.start[last - first] = contactsUsed;
    for (FoundLists* found : {&pairs, &contacts}) {
        // Partners of the part's atoms are earlier than its last atom.
        std::fill(found->perRow.begin(), found->perRow.begin() + last, 0);
        const int* partner = found->partners.data();
        for (int q = 0, end = found->start[last - first]; q < end; q++) found->perRow[partner[q]]++;
    }
}

// The cells within one of cell c along an axis, as one or two ranges of
// ascending cells; in a periodic box round the faces, each cell once (with
// fewer than three cells, every cell).
int CFastEngine::neighbourCells(int c, CellRange* ranges) const
{
    if (!box_.periodic || grid_ < 3) {
        ranges[0] = box_.periodic ? CellRange{0, grid_ - 1} : CellRange{std::max(c - 1, 0), std::min(c + 1, grid_ - 1)};
        return 1;
    }
    if (c == 0) {
        ranges[0] = {0, 1};
        ranges[1] = {grid_ - 1, grid_ - 1};
        return 2;
    }
    if (c == grid_ - 1) {
        ranges[0] = {0, 0};
        ranges[1] = {grid_ - 2, grid_ - 1};
        return 2;
    }
    ranges[0] = {c - 1, c + 1};
    return 1;
}

void CFastEngine::scanRuns(RowScan& row) const
{
    if (useAvx2) {
        // Eight lanes in single precision, also where AVX-512 has eight in double.
        scanRunsAvx2(row, {cellXf_.data(), cellYf_.data(), cellZf_.data(), cellTypef_.data(), cellRank_.data(),
                           box_.periodic, static_cast<float>(grid_), static_cast<float>(grid_) / 2.0f});
        return;
    }
    auto image = [this](double d) {
        if (!box_.periodic) return d;
        return d > box_.halfWidth ? d - box_.width : d < -box_.halfWidth ? d + box_.width : d;
    };
    for (int run = 0; run < row.runs; run++)
        for (int q = row.runBegin[run]; q < row.runEnd[run]; q++) {
            int r = cellRank_[q];
            if (row.filterRanks && r >= row.rank) continue;
            int u = static_cast<int>(cellType_[q]);
            double dx = image(row.x - cellX_[q]), dy = image(row.y - cellY_[q]), dz = image(row.z - cellZ_[q]);
            double r2 = dx * dx + dy * dy + dz * dz;
            if (r2 <= row.pairReach2[u]) row.pairFound[row.pairCount++] = r;
            if (r2 <= row.contactReach2[u]) row.contactFound[row.contactCount++] = r;
        }
}

// Every row's start, from the partners found by every part: a row holds
// the atoms of the parts that list it, part after part (a part's atoms list
// rows before its last atom only). perRow becomes each part's write
// position in the row.
void CFastEngine::countFound(FoundLists* found, std::vector<int>& start, std::vector<int>& rows)
{
    int total = 0;
    int firstPart = 0;
    for (int n = 0; n < nActive_; n++) {
        start[n] = total;
        while (buildBounds_[firstPart + 1] <= n) firstPart++;
        for (int p = firstPart; p < threads_; p++) {
            int count = found[p].perRow[n];
            found[p].perRow[n] = total;
            total += count;
        }
    }
    start[nActive_] = total;
    // Eight lanes at a time may read past a row's end, and past the last row.
    rows.resize(total + 7);
    std::fill(rows.begin() + total, rows.end(), 0);
}

// Each atom of the part, in ascending order, into the rows of its earlier partners.
void CFastEngine::fillPart(int part, int)
{
    int first, last;
    partRange(part, first, last);
    fillFound(foundPairs_[part], first, last, forceRank_);
    fillFound(foundContacts_[part], first, last, contactRank_);
}

void CFastEngine::fillFound(FoundLists& found, int first, int last, std::vector<int>& rows)
{
    int* out = rows.data();
    int* at = found.perRow.data();
    const int* partner = found.partners.data();
    for (int n = first; n < last; n++)
        for (int q = found.start[n - first], end = found.start[n - first + 1]; q < end; q++) out[at[partner[q]]++] = n;
}

// By the minimum image: a wrap into the periodic box is no move.
bool CFastEngine::movedTooFar(int slot) const
{
    const double* x = step_.loc[typeOf(slot)][indexOf(slot)].v;
    double d[3];
    for (int axis = 0; axis < 3; axis++) {
        d[axis] = x[axis] - built_[slot][axis];
        if (box_.periodic) d[axis] = d[axis] > box_.halfWidth ? d[axis] - box_.width
                                     : d[axis] < -box_.halfWidth ? d[axis] + box_.width
                                                                 : d[axis];
    }
    return !(d[0] * d[0] + d[1] * d[1] + d[2] * d[2] <= moveLimit2_);
}

namespace {
// Whether any atom moved further than the limit, in the test of movedTooFar,
// without a branch per atom.
QUORVEL_WIDEST unsigned movedBeyond(const double* __restrict now, const double* __restrict then, int count,
                                    double limit2)
{
    unsigned beyond = 0;
    for (int k = 0; k < count; k++) {
        double dx = now[3 * k] - then[3 * k], dy = now[3 * k + 1] - then[3 * k + 1], dz = now[3 * k + 2] - then[3 * k + 2];
        beyond |= !(dx * dx + dy * dy + dz * dz <= limit2);
    }
    return beyond;
}

// The same by the minimum image in a periodic box.
QUORVEL_WIDEST unsigned movedBeyondPeriodic(const double* __restrict now, const double* __restrict then, int count,
                                            double limit2, double half, double width)
{
    auto image = [half, width](double d) { return d > half ? d - width : d < -half ? d + width : d; };
    unsigned beyond = 0;
    for (int k = 0; k < count; k++) {
        double dx = image(now[3 * k] - then[3 * k]), dy = image(now[3 * k + 1] - then[3 * k + 1]);
        double dz = image(now[3 * k + 2] - then[3 * k + 2]);
        beyond |= !(dx * dx + dy * dy + dz * dz <= limit2);
    }
    return beyond;
}
}  // namespace

// The active atoms are every type's atoms, one type after the other.
bool CFastEngine::anyMovedTooFar() const
{
    unsigned beyond = 0;
    for (int t = 0; t < kTypes; t++)
        beyond |= box_.periodic ? movedBeyondPeriodic(flatVectors(step_.loc[t]), built_[t * kPerType], step_.number[t],
                                                      moveLimit2_, box_.halfWidth, box_.width)
                                : movedBeyond(flatVectors(step_.loc[t]), built_[t * kPerType], step_.number[t], moveLimit2_);
    return beyond != 0;
}

std::vector<int> CFastEngine::rowSlots(const std::vector<int>& start, const std::vector<int>& ranks, int slot) const
{
    std::vector<int> slots;
    if (!listUsable_) return slots;
    int n = rank_[slot];
    for (int q = start[n]; q < start[n + 1]; q++) slots.push_back(active_[ranks[q]]);
    return slots;
}

std::vector<int> CFastEngine::pairRowSlots(int slot) const { return rowSlots(forceStart_, forceRank_, slot); }

std::vector<int> CFastEngine::contactRowSlots(int slot) const { return rowSlots(contactStart_, contactRank_, slot); }
