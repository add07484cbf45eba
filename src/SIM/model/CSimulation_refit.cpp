// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: relaxing overlapping or protruding atoms into the box.
#include "SIM/model/CSimulation.h"
#include "SIM/model/CMinimumImage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
const double kSeparationFactor = 0.561231024155;  // half the sixth root of 2
const double kParallelLimit = 0.9999;
const int kStepsPerWall = 10;
// A pair this fraction of its two diameters short of its distance is fitted.
const double kFitTolerance = 1e-12;

const CVector kWallNormals[6] = {CVector(1, 0, 0), CVector(-1, 0, 0), CVector(0, 1, 0),
                                 CVector(0, -1, 0), CVector(0, 0, 1),  CVector(0, 0, -1)};
}  // namespace

// One step of atom A round its partner, away from the wall with outward normal a.
// Where the pair axis or the binormal has no direction, the step moves nothing
// but still counts as an adjustment.
void CSimulation::wallStep(CVector& atom, const CVector& partner, const CVector& first, const CVector& a, double d,
                           bool& fitted)
{
    fitted = false;
    CVector pairAxis, turnFrom, binormal, step;
    pairAxis.equalsSub(atom, partner);
    if (!pairAxis.normalize()) return;
    if (std::fabs(a.dot(pairAxis)) > kParallelLimit) {
        if (!turnFrom.equalsNormalized(first)) return;
    } else {
        turnFrom.copyFrom(a);
    }
    binormal.equalsCross(turnFrom, pairAxis);
    if (!binormal.normalize()) return;
    step.equalsCross(binormal, pairAxis);
    step.muls(0.1 * d);
    atom.add(step);
}

void CSimulation::wallStepsFor(CVector& atom, const CVector& partner, const CVector& first, double d, bool& fitted)
{
    double limit = box.halfWidth - d / 2.0;
    for (int wall = 0; wall < 6; wall++) {
        int axis = wall / 2;
        bool positive = (wall % 2) == 0;
        if (axis == 2 && positive && box.pistonUsed) box.pistonZ = box.halfWidth;
        for (int budget = kStepsPerWall; budget > 0; budget--) {
            double c = atom.v[axis];
            bool outside = positive ? (c > 0 && c > limit) : (c < 0 && c < -limit);
            if (!outside) break;
            wallStep(atom, partner, first, kWallNormals[wall], d, fitted);
        }
    }
}

// One visit of the pair (P, Q) = (t i, u j): the separation step, then the
// wall steps of P and of Q.
void CSimulation::fitPair(int t, int i, int u, int j, bool& fitted)
{
    CVector& p = atoms.heldLoc[t][i];
    CVector& q = atoms.heldLoc[u][j];
    double dP = types.diam[t];
    double dQ = types.diam[u];
    CVector halfGap;
    halfGap.equalsSub(p, q);
    if (isPeriodic()) quorvel::minimumImage(halfGap, box.halfWidth);
    double r = halfGap.length();
    double g = (dP + dQ) * kSeparationFactor - r;
    if (g > 0) {
        // Coincident centres have no axis: they are parted along x.
        if (r == 0.0) halfGap.setXYZ(1.0, 0.0, 0.0);
        else halfGap.muls(1.0 / r);
        halfGap.muls(g / 2.0);
        p.add(halfGap);
        q.sub(halfGap);
        // Pairs pushed apart by others come back a rounding short of their
        // distance, pass after pass: counting such steps as adjustments would
        // keep the refit from ever ending.
        if (g > kFitTolerance * (dP + dQ)) fitted = false;
    }
    // A periodic box has no walls to step away from.
    if (isPeriodic()) return;
    wallStepsFor(p, q, p, dP, fitted);
    wallStepsFor(q, p, p, dQ, fitted);
}

namespace {
// Which pairs of the refit can do something. A visit changes nothing when
// the pair is at least its separation target apart and both atoms lie inside
// their walls, so each atom P need only visit the later atoms near it and the
// later atoms outside their walls (P itself outside: every later atom), in
// pair order. Nearness comes from cells over the working positions, valid
// while no atom has moved more than half the skin since they were made.
struct RefitCells {
    static constexpr int kMax = 16;
    static constexpr int kWords = (CSimulation::kMaxAtoms + 63) / 64;
    const CSimulationState& s;
    int grid = 1;
    double scale = 1.0, moveLimit2 = 0.0;
    int cellStart[kMax * kMax * kMax + 1];
    int cellSlots[CSimulation::kMaxAtoms];
    double built[CSimulation::kMaxAtoms][3];
    std::uint64_t outside[kWords];

    explicit RefitCells(const CSimulationState& sim, double reach, double skin) : s(sim)
    {
        double cells = std::floor(2.0 * s.box.halfWidth / ((reach + skin) * 1.001));
        grid = static_cast<int>(std::clamp(cells, 1.0, static_cast<double>(kMax)));
        scale = grid / (2.0 * s.box.halfWidth);
        double limit = 0.5 * skin / 1.001;
        moveLimit2 = limit * limit;
    }
    int cellIndex(double x) const
    {
        double f = std::floor((x + s.box.halfWidth) * scale);
        if (!(f >= 0.0)) f = 0.0;
        if (f > grid - 1) f = grid - 1;
        return static_cast<int>(f);
    }
    int cellOf(const double* x) const { return (cellIndex(x[2]) * grid + cellIndex(x[1])) * grid + cellIndex(x[0]); }
    const CVector& at(int slot) const { return s.atoms.heldLoc[slot / CSimulation::kMaxPerType][slot % CSimulation::kMaxPerType]; }
    bool isOutside(int slot) const
    {
        double limit = s.box.halfWidth - s.types.diam[slot / CSimulation::kMaxPerType] / 2.0;
        const double* c = at(slot).v;
        for (int axis = 0; axis < 3; axis++)
            if ((c[axis] > 0 && c[axis] > limit) || (c[axis] < 0 && c[axis] < -limit)) return true;
        return false;
    }
    void markOutside(int slot)
    {
        std::uint64_t bit = std::uint64_t(1) << (slot & 63);
        if (isOutside(slot)) outside[slot >> 6] |= bit;
        else outside[slot >> 6] &= ~bit;
    }
    void build()
    {
        int cells = grid * grid * grid;
        std::fill(cellStart, cellStart + cells + 1, 0);
        int counts[kMax * kMax * kMax + 1] = {};
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.atoms.number[t]; i++) {
                int slot = t * CSimulation::kMaxPerType + i;
                std::memcpy(built[slot], s.atoms.heldLoc[t][i].v, sizeof built[slot]);
                counts[cellOf(built[slot]) + 1]++;
            }
        for (int c = 0; c < cells; c++) cellStart[c + 1] = cellStart[c] + counts[c + 1];
        std::copy(cellStart, cellStart + cells, counts);
        for (int t = 0; t < CSimulation::kTypes; t++)
            for (int i = 0; i < s.atoms.number[t]; i++) {
                int slot = t * CSimulation::kMaxPerType + i;
                cellSlots[counts[cellOf(built[slot])]++] = slot;
            }
    }
    bool movedTooFar(int slot) const
    {
        const double* x = at(slot).v;
        double dx = x[0] - built[slot][0], dy = x[1] - built[slot][1], dz = x[2] - built[slot][2];
        return !(dx * dx + dy * dy + dz * dz <= moveLimit2);
    }
    // The later atoms (slot > after) that P = slot k may act on: those in the
    // cells around P and those outside their walls.
    void candidates(int k, int after, std::uint64_t* bits) const
    {
        std::copy(outside, outside + kWords, bits);
        const double* x = at(k).v;
        int cx = cellIndex(x[0]), cy = cellIndex(x[1]), cz = cellIndex(x[2]);
        for (int gz = std::max(cz - 1, 0); gz <= std::min(cz + 1, grid - 1); gz++)
            for (int gy = std::max(cy - 1, 0); gy <= std::min(cy + 1, grid - 1); gy++)
                for (int gx = std::max(cx - 1, 0); gx <= std::min(cx + 1, grid - 1); gx++) {
                    int c = (gz * grid + gy) * grid + gx;
                    for (int q = cellStart[c]; q < cellStart[c + 1]; q++)
                        bits[cellSlots[q] >> 6] |= std::uint64_t(1) << (cellSlots[q] & 63);
                }
        for (int w = 0; w < kWords; w++) {
            int low = after + 1 - 64 * w;  // first bit kept in this word
            if (low >= 64) bits[w] = 0;
            else if (low > 0) bits[w] &= ~std::uint64_t(0) << low;
        }
    }
};
}  // namespace

// The straightforward refit of the working positions: every pair in pair
// order, pass after pass. The cells below must give the same bits.
bool CSimulation::fitAllPairs(int passes)
{
    bool fitted = false;
    while (passes > 0 && !fitted) {
        passes--;
        fitted = true;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < atoms.number[t]; i++)
                for (int u = t; u < kTypes; u++)
                    for (int j = (u == t ? i + 1 : 0); j < atoms.number[u]; j++) fitPair(t, i, u, j, fitted);
    }
    return fitted;
}

bool CSimulation::commitFit(bool fitted)
{
    if (!fitted) return false;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) atoms.loc[t][i].copyFrom(atoms.heldLoc[t][i]);
    return true;
}

bool CSimulation::shiftAtomsToFitAllPairs(int passes)
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) atoms.heldLoc[t][i].copyFrom(atoms.loc[t][i]);
    return commitFit(fitAllPairs(passes));
}

namespace {
// True when the atoms cannot all fit, whatever the passes do: a fitted state
// holds every pair at least kSeparationFactor (dP + dQ) apart and every centre
// inside its walls, so balls of radius kSeparationFactor d round the centres
// are disjoint and lie in one cube. More ball volume than that cube holds
// means the refit would spend all its passes and fail (seconds at 1,600 atoms).
bool tooMuchVolumeToFit(const CSimulationState& s)
{
    double ballVolume = 0.0, cubeHalf = 0.0;
    for (int t = 0; t < CSimulation::kTypes; t++) {
        if (s.atoms.number[t] <= 0) continue;
        double radius = kSeparationFactor * s.types.diam[t];
        ballVolume += s.atoms.number[t] * (4.0 / 3.0) * M_PI * radius * radius * radius;
        cubeHalf = std::max(cubeHalf, std::max(s.box.halfWidth - s.types.diam[t] / 2.0, 0.0) + radius);
    }
    double cube = 8.0 * cubeHalf * cubeHalf * cubeHalf;
    return ballVolume > cube * (1.0 + 1e-9);
}
}  // namespace

bool CSimulation::shiftAtomsToFit(int passes)
{
    UserChange change(*this);
    bool finite = true;
    double reach = 0.0;
    for (int t = 0; t < kTypes; t++) {
        if (atoms.number[t] > 0) reach = std::max(reach, 2.0 * types.diam[t] * kSeparationFactor);
        for (int i = 0; i < atoms.number[t]; i++) {
            atoms.heldLoc[t][i].copyFrom(atoms.loc[t][i]);
            for (double c : atoms.loc[t][i].v) finite = finite && std::isfinite(c);
        }
    }
    finite = finite && std::isfinite(reach) && std::isfinite(box.halfWidth) && box.halfWidth > 0 && reach > 0;

    bool fitted = false;
    if (isPeriodic()) {
        // The cells know walls and no images: every pair, every pass, by the
        // minimum image; what a separation step pushed out of the box comes
        // back in through the opposite face.
        fitted = fitAllPairs(passes);
        const double h = box.halfWidth, w = 2.0 * h;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < atoms.number[t]; i++)
                for (double& c : atoms.heldLoc[t][i].v) {
                    if (c >= h) c -= w;
                    else if (c < -h) c += w;
                }
        return commitFit(fitted);
    }
    if (finite && passes > 0 && atoms.totalAtoms >= 2 && tooMuchVolumeToFit(*this)) {
        // As the first pass would have left it.
        if (box.pistonUsed) box.pistonZ = box.halfWidth;
        return commitFit(false);
    }
    if (!finite) {
        // Positions or sizes the cells cannot hold: every pair, every pass.
        fitted = fitAllPairs(passes);
    } else {
        RefitCells grid(*this, reach, 0.5 * reach);
        RefitCells* cells = &grid;
        std::uint64_t bits[RefitCells::kWords];
        // The atoms after slot `after` that P = slot k visits: all of them
        // while P is outside its walls, else the candidates.
        bool stale = true, rowAll = false;
        auto rowBits = [&](int k, int after) {
            rowAll = k < 0 || cells->isOutside(k);
            if (!rowAll) {
                if (stale) cells->build();
                stale = false;
                cells->candidates(k, after, bits);
                return;
            }
            for (int w = 0; w < RefitCells::kWords; w++) {
                int low = after + 1 - 64 * w;
                bits[w] = low >= 64 ? 0 : (low > 0 ? ~std::uint64_t(0) << low : ~std::uint64_t(0));
            }
        };
        while (passes > 0 && !fitted) {
            passes--;
            fitted = true;
            // What the wall steps of any pair visit do, with two atoms or more.
            if (box.pistonUsed && atoms.totalAtoms >= 2) box.pistonZ = box.halfWidth;
            stale = true;
            std::fill(std::begin(cells->outside), std::end(cells->outside), 0);
            for (int t = 0; t < kTypes; t++)
                for (int i = 0; i < atoms.number[t]; i++) cells->markOutside(t * kMaxPerType + i);
            for (int t = 0; t < kTypes; t++)
                for (int i = 0; i < atoms.number[t]; i++) {
                    int k = t * kMaxPerType + i;
                    rowBits(k, k);
                    int rowMoves = 0;
                    for (int w = 0; w < RefitCells::kWords; w++)
                        while (bits[w]) {
                            int l = 64 * w + std::countr_zero(bits[w]);
                            bits[w] &= bits[w] - 1;
                            int u = l / kMaxPerType, j = l % kMaxPerType;
                            if (j >= atoms.number[u]) continue;
                            CVector p0 = atoms.heldLoc[t][i], q0 = atoms.heldLoc[u][j];
                            fitPair(t, i, u, j, fitted);
                            bool pMoved = std::memcmp(p0.v, atoms.heldLoc[t][i].v, sizeof p0.v) != 0;
                            bool qMoved = std::memcmp(q0.v, atoms.heldLoc[u][j].v, sizeof q0.v) != 0;
                            if (!pMoved && !qMoved) continue;
                            cells->markOutside(k);
                            cells->markOutside(l);
                            if (cells->movedTooFar(k) || cells->movedTooFar(l)) stale = true;
                            // Visiting more pairs than needed is harmless, so a
                            // row that visits every later atom stays so; else P's
                            // later partners are found again from where it is now.
                            // After a few moves of P, its row visits every later atom.
                            if (pMoved && !rowAll) {
                                if (++rowMoves > 4) rowAll = true, rowBits(-1, l);
                                else rowBits(k, l);
                            }
                        }
                }
        }
    }
    return commitFit(fitted);
}

COutcome CSimulation::addOneAtomAtLocationWithShift(int t, double x, double y, double z)
{
    if (atoms.number[t] >= kMaxPerType) return COutcome::refused();
    if (isPeriodic())
        if (COutcome allowed = periodicBoxRefusalWith(t, atoms.number[t] + 1, forces.charge[t], types.diam[t], box.halfWidth);
            !allowed)
            return allowed;
    UserChange change(*this);
    int i = atoms.number[t];
    atoms.loc[t][i].setXYZ(x, y, z);
    atoms.number[t]++;
    atoms.totalAtoms++;
    if (!shiftAtomsToFit(100)) {
        atoms.number[t]--;
        atoms.totalAtoms--;
        return COutcome::refused("Operation Incomplete.", "Unable to add the requested atom.");
    }
    atoms.vel[t][i].init();
    atoms.acc[t][i].init();
    atoms.sel[t][i] = 0;
    restartEnergiesAndAverages();
    return {};
}
