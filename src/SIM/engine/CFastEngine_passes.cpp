// SPDX-License-Identifier: GPL-3.0-or-later
// CFastEngine: the three pair passes (contacts, forces, energy pairing) over
// the neighbour lists, each in the reference's pair order.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "SIM/engine/CFastEngine.h"
#include "SIM/engine/CFastEngine_energy.h"
#include "SIM/engine/CFastEngine_kernel.h"
#include "SIM/model/CForceConstants.h"
#include "SIM/model/CWidestLoops.h"

using namespace quorvel;

namespace {

inline int typeOf(int slot) { return slot / CFastEngine::kPerType; }
inline int indexOf(int slot) { return slot % CFastEngine::kPerType; }

// A separation component by the minimum image where the box is periodic.
inline double image(double d, const BoxShape& box)
{
    if (!box.periodic) return d;
    return d > box.halfWidth ? d - box.width : d < -box.halfWidth ? d + box.width : d;
}
}  // namespace

bool CFastEngine::loadStepPositions()
{
    if (!listUsable_ || loadPositionsSeeingMoves()) {
        if (!rebuild()) return false;
        loadPositions();
    }
    return true;
}

// ---------------------------------------------------------------- contacts

void CFastEngine::contacts()
{
    CStepView& s = step_;
    if (pace_.allowed > 1 && paceThreads) paceStep();
    // The atoms have drifted since the positions were last loaded.
    positionsLoaded_ = false;
    inReachValid_ = false;
    // Without contacts there is no contact pass (the force pass loads the positions).
    if (!s.contactsUsed()) return;
    if (!loadStepPositions()) {
        collidePairsFrom(0, 1);
        return;
    }
    // Until the first contact in pair order nothing moves, so it can be
    // searched for on every thread; from there on, contacts are resolved one
    // after the other, each seeing the moves of those before it.
    int total = contactStart_[nActive_];
    int q;
    if (threads_ > 1) {
        int parts = contactParts();
        runParts<&CFastEngine::contactPart>(parts);
        // The first part that found one holds the first in pair order.
        q = total;
        for (int p = 0; p < parts && q == total; p++)
            if (contactFound_[p] < contactBounds_[p + 1]) q = contactFound_[p];
    } else {
        q = nextContact(0, total);
    }
    for (; q < total; q = nextContact(q + 1, total)) {
        int n = contactOwner_[q], r = contactRank_[q];
        int k = active_[n], l = active_[r];
        int t = typeOf(k), i = indexOf(k), u = typeOf(l), j = indexOf(l);
        s.collideAtomPair(t, i, u, j);
        // A contact moves both atoms, so the pairs after it are tested from
        // the new positions.
        for (int axis = 0; axis < 3; axis++) {
            pos4_[n][axis] = s.loc[t][i].v[axis];
            pos4_[r][axis] = s.loc[u][j].v[axis];
        }
        if (movedTooFar(k) || movedTooFar(l)) {
            // The list no longer covers every pair this contact may have
            // brought within reach: finish the pass over all pairs.
            collidePairsFrom(n, rank_[l] + 1);
            positionsLoaded_ = false;
            rebuild();
            return;
        }
    }
}

// All pairs from (active n, active partnerRank) onwards, in pair order.
void CFastEngine::collidePairsFrom(int n, int partnerRank)
{
    CStepView& s = step_;
    for (; n < nActive_; n++, partnerRank = n + 1) {
        int k = active_[n];
        for (int b = partnerRank; b < nActive_; b++) {
            int l = active_[b];
            s.collideAtomPair(typeOf(k), indexOf(k), typeOf(l), indexOf(l));
        }
    }
}

void CFastEngine::contactPart(int part, int)
{
    contactFound_[part] = nextContact(contactBounds_[part], contactBounds_[part + 1]);
}

// Positions by rank (pos4_) are the current ones.
int CFastEngine::nextContact(int q, int end) const
{
    if (useAvx2 && useAvx512)
        return nextContactAvx512(q, end, contactOwner_.data(), contactRank_.data(), pos4_, contactReach2_, box_);
    if (useAvx2) return nextContactAvx2(q, end, contactOwner_.data(), contactRank_.data(), pos4_, contactReach2_, box_);
    for (; q < end; q++) {
        const double* a = pos4_[contactOwner_[q]];
        const double* b = pos4_[contactRank_[q]];
        double dx = image(a[0] - b[0], box_), dy = image(a[1] - b[1], box_), dz = image(a[2] - b[2], box_);
        if (dx * dx + dy * dy + dz * dz < contactReach2_[4 * static_cast<int>(a[3]) + static_cast<int>(b[3])]) return q;
    }
    return end;
}

std::uint64_t CFastEngine::closerMask(const double* xi, const int* nbr, int count, const double* limit2) const
{
    if (useAvx2) return closerMaskAvx2(xi, nbr, count, limit2, pos4_, box_);
    std::uint64_t bits = 0;
    for (int p = 0; p < count; p++) {
        const double* b = pos4_[nbr[p]];
        double dx = image(xi[0] - b[0], box_), dy = image(xi[1] - b[1], box_), dz = image(xi[2] - b[2], box_);
        bits |= std::uint64_t(dx * dx + dy * dy + dz * dz < limit2[static_cast<int>(b[3])]) << p;
    }
    return bits;
}

// ---------------------------------------------------------------- forces

void CFastEngine::forces()
{
    CStepView& s = step_;
    if (!s.contactsUsed()) {
        // No contact pass has loaded the step's positions.
        positionsLoaded_ = false;
        inReachValid_ = false;
        loadStepPositions();
    }
    if (!s.potentialUsed() || !listUsable_) {
        s.referenceForcePass();
        return;
    }
    forcesOnRows();
}

// The portable kernel: the generic row loop on one lane.
int CFastEngine::forceRowPortable(int n, const RowConstants& rc, const int* nbr, int count, const double (*pos4)[4],
                                  double (*acc4)[4], int* near, bool scatter, double* virial)
{
    return fastkernel::forceRow<fastkernel::Lanes1>(n, rc, nbr, count, pos4, acc4, near, scatter, virial);
}

// Atom by atom in rank order: its sums (kept by rank in acc4_ while the pass
// runs) already hold the terms of its earlier partners when its turn comes;
// then its floor term, then its later partners, as in the reference. On several
// threads the atoms are shared between them by position (forceSide), or for
// the flat kernel by rank (forcePart).

void CFastEngine::forcesOnRows()
{
    CStepView& s = step_;
    if (!positionsLoaded_) loadPositions();
    if (streamIndexedFor_ != rebuilds_) {
        flat_ = flatChosen();
        if (flat_) indexForceStream();
        streamIndexedFor_ = rebuilds_;
    }
    for (MarkedPairs& m : marked_) m.count = 0;  // a part that does not run keeps none
    bySides_ = threads_ > 1 && !flat_;
    if (bySides_) {
        if (sidesFor_ != rebuilds_) chooseSides();
        runParts<&CFastEngine::forceSide>(threads_);
    } else if (threads_ > 1) {
        runParts<&CFastEngine::forcePart>(threads_);
    } else if (flat_) {
        forceAtoms(0, nActive_, nActive_, 0);
    } else {
        forceRows();
    }
    inReachValid_ = true;
    sumVirial();
    // The totals receive the floor terms in atom order, as in the reference.
    s.PEnergy[CStepView::kAllAtoms] = 0.0;
    for (int t = 0; t < kTypes; t++) s.PEnergy[t] = 0.0;
    for (int n = 0; n < nActive_; n++) {
        ForceOut out = forceOut(n);
        if (!out.floorActs) continue;
        int t = typeOf(active_[n]);
        s.PEnergy[t] += out.floorEnergy;
        s.PEnergy[CStepView::kAllAtoms] += out.floorEnergy;
        s.dptot[t] += s.timeStep * out.floorForce;
        s.dptot[CStepView::kAllAtoms] += s.timeStep * out.floorForce;
    }
    // The active atoms are every type's atoms, one type after the other.
    for (int t = 0, first = 0; t < kTypes; first += s.number[t], t++)
        for (int i = 0; i < s.number[t]; i++) {
            const double* acc = bySides_ ? forceOut(first + i).acc4 : acc4_[first + i];
            s.acc[t][i].setXYZ(acc[0], acc[1], acc[2]);
            s.aPEnergy[t][i] = acc[3];
            s.aTEnergy[t][i] = acc[3];
        }
}

// The rows' virials in pair order, into the totals by type and for all
// atoms; a closed box has none.
void CFastEngine::sumVirial()
{
    CStepView& s = step_;
    if (!box_.periodic) return;
    for (double& w : s.virial) w = 0.0;
    for (int n = 0; n < nActive_; n++) {
        s.virial[typeOf(active_[n])] += rowVirial_[n];
        s.virial[CStepView::kAllAtoms] += rowVirial_[n];
    }
}

CFastEngine::ForceOut CFastEngine::forceOut(int n) const
{
    if (!bySides_) return {acc4_[n], floorActs_[n] != 0, floorForce_[n], floorEnergy_[n]};
    const ForceSide& side = *forceSides_[sideOf_[n]];
    return {side.acc4[n], side.floorActs[n] != 0, side.floorForce[n], side.floorEnergy[n]};
}

// The flat kernel's rows are short, so the pair constants, not the rows' own
// sums, are what a lane set holds.
bool CFastEngine::flatChosen() const { return forceStart_[nActive_] < flatBelowRowLength * nActive_; }

void CFastEngine::forcePart(int part, int)
{
    forceAtoms(forceBounds_[part], forceBounds_[part + 1], forceBounds_[part + 1], part);
}

// Atom n's floor term, where the floor acts on it.
bool CFastEngine::floorTerm(int n, double& accel, double& force, double& energy) const
{
    const CStepView& s = step_;
    if (box_.periodic) return false;  // no floor in a periodic box
    int t = typeOf(active_[n]);
    double d = s.diam[t];
    double h = pos4_[n][2] + s.halfWidth + kFloorOffset * d;
    if (!(h <= kFloorRange * d)) return false;
    CStepView::potential(1.0 / h, d, s.LJepsFloor[t], 0.0, 0.0, force, energy);
    accel = s.invm[t] * force;
    return true;
}

void CFastEngine::forceRows()
{
    near_.fill = 0;
    for (int n = 0; n < nActive_; n++) acc4_[n][0] = acc4_[n][1] = acc4_[n][2] = acc4_[n][3] = 0.0;
    for (int n = 0; n < nActive_; n++) {
        double accel;
        floorActs_[n] = floorTerm(n, accel, floorForce_[n], floorEnergy_[n]);
        if (floorActs_[n]) {
            acc4_[n][2] += accel;
            acc4_[n][3] += floorEnergy_[n];
        }
        int count = forceStart_[n + 1] - forceStart_[n];
        // The kernels may store up to eight entries past the row's kept
        // partners: into the next rows' room, written after.
        int* near = near_.openRow(n);
        rowVirial_[n] = 0.0;
        near_.closeRow(n, count > 0 ? forceRow(n, rowConstants_[typeOf(active_[n])], forceRank_.data() + forceStart_[n],
                                               count, near, true, acc4_, &rowVirial_[n])
                                    : 0);
    }
}

// ---- the flat kernel

// The stream's atoms by list position, each part's pairs across its lower
// bound, and the pair constants by pair type, for the lists just built.
void CFastEngine::indexForceStream()
{
    int total = forceStart_[nActive_];
    forceOwner_.reserve(forceRank_.capacity() + 8);
    forceOwner_.resize(total + 8);
    for (int n = 0; n < nActive_; n++) std::fill(forceOwner_.begin() + forceStart_[n], forceOwner_.begin() + forceStart_[n + 1], n);
    std::fill(forceOwner_.begin() + total, forceOwner_.end(), 0);
    for (int part = 0; part < threads_; part++) {
        // Lanes store whole vectors past the pairs kept: room for every
        // listed pair, so that the next lists seldom need more.
        int room = forceRank_.capacity() + 8;
        if (static_cast<int>(markedOwner_[part].size()) < total + 8) markedOwner_[part].resize(room);
        if (static_cast<int>(markedPartner_[part].size()) < total + 8) markedPartner_[part].resize(room);
        std::vector<int>& owner = crossOwner_[part];
        std::vector<int>& partner = crossPartner_[part];
        owner.clear();
        partner.clear();
        if (threads_ > 1 && part > 0) {
            int bound = forceBounds_[part];
            for (int n = bound; n < forceBounds_[part + 1]; n++)
                for (int q = earlierStart_[n]; q < earlierStart_[n + 1] && earlierRank_[q] < bound; q++) {
                    owner.push_back(n);
                    partner.push_back(earlierRank_[q]);
                }
        }
        int crossing = static_cast<int>(owner.size());
        owner.resize(crossing + 8, 0);
        partner.resize(crossing + 8, 0);
    }

    PairTable& pt = pairTable_;
    for (int t = 0; t < kTypes; t++) {
        const RowConstants& rc = rowConstants_[t];
        for (int u = 0; u < kTypes; u++) {
            int e = 4 * t + u;
            pt.m[e] = rc.m[u];
            pt.m2[e] = rc.m2[u];
            pt.cut2[e] = rc.cut2[u];
            pt.eps4[e] = rc.eps4[u];
            pt.eps24[e] = rc.eps24[u];
            pt.c[e] = rc.c[u];
            pt.b[e] = rc.b[u];
            pt.invmJ[e] = rc.invmJ[u];
            pt.reach2[e] = rc.reach2[u];
            pt.invmI[e] = rc.invmI;
        }
    }
    pt.periodic = box_.periodic;
    pt.halfWidth = box_.halfWidth;
    pt.width = box_.width;
    // Bit for bit, so that a NaN or a signed zero never passes for another value.
    pt.same = true;
    for (const double* column : {pt.m, pt.m2, pt.cut2, pt.eps4, pt.eps24, pt.c, pt.b, pt.invmJ, pt.reach2, pt.invmI})
        for (int e = 1; e < 16; e++) pt.same = pt.same && std::memcmp(&column[e], &column[0], sizeof(double)) == 0;
    pt.uncharged = true;
    for (int t = 0; t < kTypes; t++) pt.uncharged = pt.uncharged && rowConstants_[t].uncharged;
}

namespace {
// Marks the atoms whose floor term acts: h = z + halfWidth + offset within reach.
QUORVEL_WIDEST void markNearFloor(const double (*__restrict pos4)[4], int first, int last, double halfWidth,
                                  double offset, double reach, unsigned char* __restrict acts)
{
    for (int n = first; n < last; n++) acts[n] = pos4[n][2] + halfWidth + offset <= reach;
}
}  // namespace

// Ranks first..last-1; the active atoms are every type's atoms, one type after the other.
void CFastEngine::measureFloorTerms(int first, int last)
{
    const CStepView& s = step_;
    if (box_.periodic) {  // no floor in a periodic box
        std::fill(floorActs_ + first, floorActs_ + last, 0);
        return;
    }
    for (int t = 0, typeFirst = 0; t < kTypes; typeFirst += s.number[t], t++) {
        int from = std::max(first, typeFirst), to = std::min(last, typeFirst + s.number[t]);
        if (from < to) markNearFloor(pos4_, from, to, s.halfWidth, kFloorOffset * s.diam[t], kFloorRange * s.diam[t], floorActs_);
    }
    for (int n = first; n < last; n++)
        if (floorActs_[n]) floorTerm(n, floorAccel_[n], floorForce_[n], floorEnergy_[n]);
}

// The sums of atoms first..last-1: their terms with partners before first
// (on later parts), then their rows' stream with their floor terms in
// place; partners from scatterEnd on are left to the later parts.
void CFastEngine::forceAtoms(int first, int last, int scatterEnd, int part)
{
    for (int n = first; n < last; n++) acc4_[n][0] = acc4_[n][1] = acc4_[n][2] = acc4_[n][3] = 0.0;
    if (box_.periodic) {
        std::fill(rowVirial_ + first, rowVirial_ + last, 0.0);
        std::fill(virialScratch_ + first, virialScratch_ + last, 0.0);
    }
    measureFloorTerms(first, last);
    int crossing = static_cast<int>(crossOwner_[part].size()) - 8;
    // The pairs across the bound belong to earlier parts' rows, which
    // count their virials.
    if (first > 0 && crossing > 0)
        runForceStream({crossOwner_[part].data(), crossPartner_[part].data(), 0, crossing, 0, nullptr, false, first,
                        last, virialScratch_},
                       part);
    marked_[part] = {markedOwner_[part].data(), markedPartner_[part].data(), 0};
    runForceStream({forceOwner_.data(), forceRank_.data(), forceStart_[first], forceStart_[last], scatterEnd,
                    &marked_[part], true, first, last, rowVirial_},
                   part);
}

void CFastEngine::runForceStream(const ForceStream& fs, int part)
{
    if (useAvx2 && useAvx512) forceStreamAvx512(fs, pairTable_, {floorActs_, floorAccel_, floorEnergy_}, pos4_, acc4_, forceScratch_[part]);
    else if (useAvx2) forceStreamAvx2(fs, pairTable_, {floorActs_, floorAccel_, floorEnergy_}, pos4_, acc4_, forceScratch_[part]);
    else forceStreamPortable(fs, pairTable_, {floorActs_, floorAccel_, floorEnergy_}, pos4_, acc4_, forceScratch_[part]);
}

void CFastEngine::forceStreamPortable(const ForceStream& fs, const PairTable& pt, const FloorTerms& floor,
                                      const double (*pos4)[4], double (*acc4)[4], ForceScratch& sc)
{
    fastkernel::forceStream<fastkernel::Lanes1>(fs, pt, floor, pos4, acc4, sc);
}

int CFastEngine::forceRow(int n, const RowConstants& rc, const int* row, int count, int* near, bool scatter,
                          double (*acc4)[4], double* virial)
{
    // Eight lanes only pay where a row fills them (sparse systems have short rows).
    if (useAvx2 && useAvx512 && count > 4) return forceRowAvx512(n, rc, row, count, pos4_, acc4, near, scatter, virial);
    if (useAvx2) return forceRowAvx2(n, rc, row, count, pos4_, acc4, near, scatter, virial);
    return forceRowPortable(n, rc, row, count, pos4_, acc4, near, scatter, virial);
}

// ---------------------------------------------------------------- energies

// Atom n's change paired with its later neighbours within reach, in list
// order, until it is spent; returns what is left of it. The pair list holds
// every pair within reach while energy is conserved.
double CFastEngine::pairRowEnergy(int n, double dEk)
{
    constexpr int kStride = 16;  // rows end early: test a few pairs at a time
    const double* reach2 = reach2_[typeOf(active_[n])];
    for (int q = forceStart_[n], qEnd = forceStart_[n + 1]; q < qEnd; q += kStride) {
        int count = std::min(kStride, qEnd - q);
        for (std::uint64_t bits = closerMask(pos4_[n], forceRank_.data() + q, count, reach2); bits; bits &= bits - 1) {
            fastenergy::pairEnergyChanges(dEk, dE_[forceRank_[q + std::countr_zero(bits)]]);
            if (dEk == 0.0) return dEk;
        }
    }
    return dEk;
}

namespace {
// Of the row's partners within reach only those whose change has the other
// sign pair at all; while the row's change is not spent it keeps its sign,
// and the row meets each partner once, so the partners that will pair can be
// picked before the first pairing, without a branch each.
template <bool kPositive>
double pairNear(double dEk, const int* near, int nearCount, double* dE)
{
    for (int q = 0; q < nearCount; q += 64) {
        int count = std::min(64, nearCount - q);
        std::uint64_t other = 0;
        for (int p = 0; p < count; p++) {
            double b = dE[near[q + p]];
            other |= std::uint64_t(kPositive ? b < 0.0 : b > 0.0) << p;
        }
        for (; other; other &= other - 1)
            if (fastenergy::absorbOtherSign<kPositive>(dEk, dE[near[q + std::countr_zero(other)]])) return dEk;
    }
    return dEk;
}
}  // namespace

// The same from the partners the force pass kept within reach (the force
// list holds every pair within reach, in the same order).
double CFastEngine::pairRowEnergyNear(int n, double dEk)
{
    const NearLists& lists = rowNear(n);
    const int* near = lists.ranks.data() + lists.start[n];
    int nearCount = lists.count[n];
    if (useAvx2 && useAvx512) return pairRowNearAvx512(dEk, near, nearCount, dE_);
    if (useAvx2) return pairRowNearAvx2(dEk, near, nearCount, dE_);
    return dEk > 0.0 ? pairNear<true>(dEk, near, nearCount, dE_) : pairNear<false>(dEk, near, nearCount, dE_);
}

// Row by row, each row's change until it is spent.
void CFastEngine::pairRows()
{
    for (int n = 0; n < nActive_; n++) {
        double dEk = dE_[n];
        // A change of zero pairs with nothing, and pairing leaves one of the
        // two at zero or both as they were: such a row has nothing to do.
        if (dEk < 0.0 || dEk > 0.0) dE_[n] = inReachValid_ ? pairRowEnergyNear(n, dEk) : pairRowEnergy(n, dEk);
    }
}

// Every pair within reach in list order, as the reference pairs them: a
// pair whose change is spent (or zero) leaves both changes as they are, so
// no row needs to stop early, and no pair costs a branch.
void CFastEngine::pairMarkedPairs()
{
    for (const MarkedPairs& m : marked_)
        for (int p = 0; p < m.count; p++) fastenergy::pairEnergyChanges(dE_[m.owner[p]], dE_[m.partner[p]]);
}

void CFastEngine::pairEnergies()
{
    CStepView& s = step_;
    if (!listUsable_) {
        reference_.pairEnergies();
        return;
    }
    // Positions and changes by rank (the active atoms are every type's
    // atoms, one type after the other); positions are those of the force pass.
    if (!positionsLoaded_) loadPositions();
    for (int t = 0, n = 0; t < kTypes; n += s.number[t], t++)
        std::memcpy(dE_ + n, s.dE[t], s.number[t] * sizeof(double));
    if (inReachValid_ && flat_) pairMarkedPairs();
    else pairRows();
    for (int t = 0, n = 0; t < kTypes; n += s.number[t], t++)
        std::memcpy(s.dE[t], dE_ + n, s.number[t] * sizeof(double));
}
