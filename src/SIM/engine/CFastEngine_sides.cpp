// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the force pass by rows on several threads, the atoms shared
// between them by position.
//
// Why every sum still receives its terms in the reference order: each thread
// walks every row in ascending rank. An atom of its own side receives the
// -terms of its earlier partners from their rows (whole rows of its own side,
// the partners on its side of the other sides' rows), each when the walk
// reaches that row, hence in ascending order; then its floor term; then the
// +terms of its own row, which the thread computes whole. A pair of atoms on
// different sides is thus computed by both sides, each for its own atom,
// from the same operands in the same order: the same bits. The partners
// within energy-pairing reach are kept from the row's own side only, so each
// row's are written once.
#include <algorithm>
#include <cstring>

#include "SIM/engine/CFastEngine.h"

namespace {
inline int typeOf(int slot) { return slot / CFastEngine::kPerType; }
}  // namespace

// The sides are slabs along x holding as many atoms each, from the
// positions at the build: atoms ordered by x (on a dividing plane, by rank)
// and cut into threads_ runs. Pairs across the sides lie within a list reach
// of a dividing plane; few slabs keep them few, so there are never more
// sides than threads (nor threads than cores).
void CFastEngine::chooseSides()
{
    for (int n = 0; n < nActive_; n++) sideKeys_[n] = {built_[active_[n]][0], n};
    auto before = [](const SideKey& a, const SideKey& b) { return a.x < b.x || (a.x == b.x && a.rank < b.rank); };
    int sides = threads_;
    for (int p = 0; p < sides; p++) forceSides_[p]->atoms.clear();
    for (int p = 0, from = 0; p < sides; p++) {
        int to = static_cast<int>(static_cast<long long>(nActive_) * (p + 1) / sides);
        // Each cut in the rest of the order, which holds the later slabs.
        if (to < nActive_) std::nth_element(sideKeys_ + from, sideKeys_ + to, sideKeys_ + nActive_, before);
        for (int k = from; k < to; k++) sideOf_[sideKeys_[k].rank] = static_cast<unsigned char>(p);
        from = to;
    }
    for (int n = 0; n < nActive_; n++) forceSides_[sideOf_[n]]->atoms.push_back(n);
    for (int p = 0; p < sides; p++) forceSides_[p]->listedFor = -1;
    sidesFor_ = rebuilds_;
}

// The rows the side's thread walks: its own atoms' rows whole (even empty
// ones, which still carry a floor term), and the other side's rows that hold
// partners on its side, with those partners only (still ascending).
void CFastEngine::listSideRows(int part)
{
    ForceSide& side = *forceSides_[part];
    int total = forceStart_[nActive_];
    // Room for every listed pair, the compaction's overshoot and the lanes' padding.
    if (static_cast<int>(side.crossPartners.size()) < total + 8) side.crossPartners.resize(forceRank_.capacity() + 8);
    if (static_cast<int>(side.near.ranks.size()) < total + 8) side.near.ranks.resize(forceRank_.capacity() + 8);
    if (side.scratchNear.size() < kMaxAtoms + 8) side.scratchNear.resize(kMaxAtoms + 8);
    side.rows.reserve(kMaxAtoms);
    side.rows.clear();
    std::memset(side.floorActs, 0, sizeof side.floorActs);
    int* cross = side.crossPartners.data();
    for (int n = 0; n < nActive_; n++) {
        const int* row = forceRank_.data() + forceStart_[n];
        int count = forceStart_[n + 1] - forceStart_[n];
        const RowConstants* constants = &rowConstants_[typeOf(active_[n])];
        if (sideOf_[n] == part) {
            side.rows.push_back({n, count, row, constants, true});
            continue;
        }
        int kept = 0;
        for (int q = 0; q < count; q++) {
            cross[kept] = row[q];
            kept += sideOf_[row[q]] == part;
        }
        if (kept == 0) continue;
        side.rows.push_back({n, kept, cross, constants, false});
        cross += kept;
    }
    std::fill(cross, cross + 8, 0);
    side.listedFor = rebuilds_;
}

// One side's share of the pass: its atoms' sums from zero, each receiving its
// floor term when its own row comes.
void CFastEngine::forceSide(int part, int thread)
{
    ForceSide& side = *forceSides_[part];
    if (side.listedFor != rebuilds_) listSideRows(part);
    if (thread != 0) streamPositions();
    // The other side's sums are scratch: clearing them too keeps them finite.
    std::memset(side.acc4, 0, sizeof(double[4]) * nActive_);
    side.near.fill = 0;
    for (int n : side.atoms) side.floorActs[n] = floorTerm(n, side.floorAccel[n], side.floorForce[n], side.floorEnergy[n]);
    for (const SideRow& row : side.rows) {
        int n = row.n;
        if (side.floorActs[n]) {
            side.acc4[n][2] += side.floorAccel[n];
            side.acc4[n][3] += side.floorEnergy[n];
        }
        if (!row.own) {
            // The row's virial is its own side's.
            double scratchVirial;
            forceRow(n, *row.constants, row.partners, row.count, side.scratchNear.data(), true, side.acc4,
                     &scratchVirial);
            continue;
        }
        int* near = side.near.openRow(n);
        rowVirial_[n] = 0.0;
        side.near.closeRow(n, row.count > 0 ? forceRow(n, *row.constants, row.partners, row.count, near, true,
                                                       side.acc4, &rowVirial_[n])
                                            : 0);
    }
}

// The positions were written on the other core. Read in order first, they
// arrive as one stream; the rows would ask for them one by one, each a wait.
void CFastEngine::streamPositions() const
{
    double sum = 0.0;
    for (int n = 0; n < nActive_; n += 2) sum += pos4_[n][0];  // two atoms per cache line
    positionsSink_ = sum;
}
