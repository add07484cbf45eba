// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: adding atoms, changing the kinetic energy, selecting, moving,
// clumping, editing and deleting atoms.
#include "SIM/model/CSimulation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CMinimumImage.h"
#include "SIM/model/CValueRules.h"

namespace {
// Passes of the refit that parts the atoms a clump left overlapping; it ends
// as soon as they are parted, so a small clump costs no more.
const int kClumpRefitPasses = 1000;
}  // namespace

bool CSimulation::addOneAtom(int t)
{
    if (atoms.number[t] >= kMaxPerType) return false;
    double r = types.diam[t] / 2.0;
    for (int attempt = 0; attempt < 100; attempt++) {
        CVector place;
        place.unitVectorRandomInUnitBox().muls(box.halfWidth - r);
        if (box.pistonUsed && place.getZ() + r > box.pistonZ) place.setZ(box.pistonZ - r);
        bool overlaps = false;
        for (int u = 0; u < kTypes && !overlaps; u++)
            for (int j = 0; j < atoms.number[u]; j++) {
                CVector separation;
                separation.equalsSub(place, atoms.loc[u][j]);
                if (isPeriodic()) quorvel::minimumImage(separation, box.halfWidth);
                if (separation.length() < types.diam[u] / 2.0 + r) {
                    overlaps = true;
                    break;
                }
            }
        if (overlaps) continue;
        int i = atoms.number[t];
        atoms.loc[t][i].copyFrom(place);
        atoms.vel[t][i].init();
        atoms.sel[t][i] = 0;
        std::fill(atoms.image[t][i], atoms.image[t][i] + 3, 0);
        atoms.number[t]++;
        atoms.totalAtoms++;
        bookAddedAtom(t, i);
        return true;
    }
    return false;
}

// A type that already holds its maximum has no free slot: refused instead
// of writing past the type's storage.
COutcome CSimulation::addOneAtomAtLocationWithVelocity(int t, double x, double y, double z, double vx, double vy, double vz)
{
    if (atoms.number[t] >= kMaxPerType)
        return COutcome::refused("Alert.", formatC("Can not exceed the maximum allowable number of atoms for each type which is %i.",
                                                   kMaxPerType));
    if (isPeriodic())
        if (COutcome allowed = periodicBoxRefusalWith(t, atoms.number[t] + 1, forces.charge[t], types.diam[t], box.halfWidth);
            !allowed)
            return allowed;
    int i = atoms.number[t];
    atoms.loc[t][i].setXYZ(x, y, z);
    atoms.vel[t][i].setXYZ(vx, vy, vz);
    atoms.sel[t][i] = 0;  // the slot may still carry the mark of an atom deleted from it
    std::fill(atoms.image[t][i], atoms.image[t][i] + 3, 0);
    atoms.number[t]++;
    atoms.totalAtoms++;
    bookAddedAtom(t, i);
    return {};
}

bool CSimulation::changeKEnergy(double deltaE)
{
    if (!valueRules::isKineticEnergyChange(deltaE)) return false;
    UserChange change(*this);
    int n = atoms.totalAtoms;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            double k = atoms.aKEnergy[t][i];
            if (k > 1e-50)
                atoms.vel[t][i].normalize();
            else
                atoms.vel[t][i].unitVectorRandom();
            double e = k + deltaE / n;
            if (e < 0.0) e = 0.0;
            atoms.vel[t][i].muls(std::sqrt(2.0 * e * types.invm[t]));
        }
    restartEnergiesAndAverages();
    return true;
}

double CSimulation::largestSoundTimeStep(double deltaE) const
{
    double largest = INFINITY;
    for (int t = 0; t < kTypes; t++) {
        if (atoms.number[t] == 0) continue;
        double sum = 0.0;
        for (int i = 0; i < atoms.number[t]; i++) {
            double squared = atoms.vel[t][i].norm();
            if (deltaE != 0.0) squared = 2.0 * std::max(0.0, 0.5 * types.mass[t] * squared + deltaE / atoms.totalAtoms) * types.invm[t];
            sum += squared;
        }
        double rms = std::sqrt(sum / atoms.number[t]);
        if (rms > 0.0) largest = std::min(largest, valueRules::kLargestStepReach * types.diam[t] / rms);
    }
    return largest;
}

// ---------------------------------------------------------------- selection

void CSimulation::selectAll(char flag)
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) atoms.sel[t][i] = flag;
}

void CSimulation::selectType(int t)
{
    selectAll(0);
    for (int i = 0; i < atoms.number[t]; i++) atoms.sel[t][i] = 1;
}

// Atoms named from an earlier picture may have gone since (deleted, or a
// file read): only slots that hold an atom are marked.
static bool holdsAtom(const int (&number)[CSimulation::kTypes], CAtomRef atom)
{
    return atom.type >= 0 && atom.type < CSimulation::kTypes && atom.index >= 0 && atom.index < number[atom.type];
}

void CSimulation::toggleSelection(CAtomRef atom)
{
    if (!holdsAtom(atoms.number, atom)) return;
    char& mark = atoms.sel[atom.type][atom.index];
    mark = (mark == 0) ? 1 : 0;
}

void CSimulation::selectAtoms(const std::vector<CAtomRef>& picked)
{
    for (const CAtomRef& atom : picked)
        if (holdsAtom(atoms.number, atom)) atoms.sel[atom.type][atom.index] = 1;
}

int CSimulation::countSelected()
{
    int count = 0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) {
                count++;
                atoms.firstSelectedType = t;
                atoms.firstSelectedIndex = i;
            }
    return count;
}

void CSimulation::saveSelectedLocations()
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) atoms.heldLoc[t][i].copyFrom(atoms.loc[t][i]);
}

void CSimulation::revertSelectedLocations()
{
    UserChange change(*this);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) atoms.loc[t][i].copyFrom(atoms.heldLoc[t][i]);
}

static int axisIndex(int axis) { return (axis == 0 || axis == 1) ? axis : 2; }

double CSimulation::getSelectedLocation(int axis) const { return atoms.loc[atoms.firstSelectedType][atoms.firstSelectedIndex].getIndex(axisIndex(axis)); }

void CSimulation::setSelectedLocation(double x, double y, double z)
{
    UserChange change(*this);
    atoms.loc[atoms.firstSelectedType][atoms.firstSelectedIndex].setXYZ(x, y, z);
}

double CSimulation::getSelectedVelocity(int axis) const { return atoms.vel[atoms.firstSelectedType][atoms.firstSelectedIndex].getIndex(axisIndex(axis)); }

void CSimulation::setSelectedVelocity(int axis, double value)
{
    UserChange change(*this);
    atoms.vel[atoms.firstSelectedType][atoms.firstSelectedIndex].setIndex(axisIndex(axis), value);
}

void CSimulation::calculateCentroid()
{
    atoms.centroid.init();
    double totalMass = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) {
                CVector moment;
                moment.equalsMuls(atoms.loc[t][i], types.mass[t]);
                atoms.centroid.add(moment);
                totalMass += types.mass[t];
            }
    atoms.centroid.divs(totalMass);
}

double CSimulation::getSelectedCentroid(int axis) const { return atoms.savedCentroid.getIndex(axisIndex(axis)); }

void CSimulation::setSelectedCentroid(double x, double y, double z)
{
    UserChange change(*this);
    CVector shift;
    shift.setXYZ(x, y, z);
    shift.sub(atoms.centroid);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) atoms.loc[t][i].add(shift);
}

void CSimulation::setSelectedCentroidVelocity(int axis, double value)
{
    if (axis < 0 || axis > 2) return;
    UserChange change(*this);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) atoms.vel[t][i].setIndex(axis, value);
}

void CSimulation::moveSelectedBy(float dx, float dy)
{
    UserChange change(*this);
    atoms.firstSelectedType = atoms.firstSelectedIndex = -1;
    double metresPerPoint = display.View.getEyeR() / (display.View.getScale() * display.View.getEyePlaneR());
    CVector shift, upward;
    display.View.getRotationRowTo(0, shift).muls(dx * metresPerPoint);
    display.View.getRotationRowTo(1, upward).muls(-dy * metresPerPoint);
    shift.add(upward);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) atoms.loc[t][i].add(shift);
    clampAllAtomsIntoBox();
    shiftAtomsToFit(100);
    restartEnergiesAndAverages();
}

// Puts every atom's centre back within its wall limits (and below the piston);
// in a periodic box, which has no walls, back in through the opposite face.
void CSimulation::clampAllAtomsIntoBox()
{
    double h = box.halfWidth;
    if (isPeriodic()) {
        const double w = 2.0 * h;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < atoms.number[t]; i++)
                for (double& c : atoms.loc[t][i].v)
                    if (std::isfinite(c)) c -= w * std::floor((c + h) / w);
        return;
    }
    for (int t = 0; t < kTypes; t++) {
        double r = types.diam[t] / 2.0;
        for (int i = 0; i < atoms.number[t]; i++) {
            double* c = atoms.loc[t][i].v;
            for (int axis = 0; axis < 2; axis++) {
                if (c[axis] > 0 && h - c[axis] - r < 0) c[axis] = h - r;
                else if (c[axis] < 0 && h + c[axis] - r < 0) c[axis] = r - h;
            }
            if (box.pistonUsed) {
                if (box.pistonZ - c[2] - r < 0) c[2] = box.pistonZ - r;
                if (c[2] < 0 && h + c[2] - r < 0) c[2] = r - h;
            } else if (c[2] > 0) {
                if (h - c[2] - r < 0) c[2] = h - r;
            } else if (c[2] < 0 && h + c[2] - r < 0) {
                c[2] = r - h;
            }
        }
    }
}

// Sweeps the clump may take: every pair closes in by twice its step per
// sweep, so a pair that starts a box diagonal apart meets within diagonal /
// (2 step) sweeps; ten times that covers the pulls between pairs. States no
// sweep count can settle (sizes of 0 or below, which every entrance refuses,
// or positions outside the box) stop at the cap.
int CSimulation::clumpSweepLimit() const
{
    const int kMinSweeps = 1000, kMaxSweeps = 100000;
    double smallest = INFINITY;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            if (atoms.sel[t][i]) smallest = std::min(smallest, types.diam[t]);
    double step = 0.05 * 2.0 * smallest;
    double sweeps = 10.0 * (2.0 * 1.73205080757 * box.halfWidth) / (2.0 * step);
    if (!(sweeps < kMaxSweeps)) return kMaxSweeps;
    return std::max(kMinSweeps, static_cast<int>(sweeps));
}

COutcome CSimulation::shiftSelectedAtomsToClump()
{
    UserChange change(*this);
    // The clump pulls every selected pair to about its contact distance, which
    // many atoms cannot all reach at once: they end inside one another, and
    // the refit that follows may not part them. Then the clump is taken back
    // whole, so nothing is left overlapping that did not overlap before.
    std::vector<CVector> before;
    before.reserve(static_cast<size_t>(atoms.totalAtoms));
    for (int t = 0; t < kTypes; t++) before.insert(before.end(), atoms.loc[t], atoms.loc[t] + atoms.number[t]);
    const double pistonBefore = box.pistonZ;
    bool moved = true;
    for (int sweep = clumpSweepLimit(); moved && sweep > 0; sweep--) {
        moved = false;
        for (int j = 0; j < kTypes; j++)
            for (int k = 0; k < atoms.number[j]; k++) {
                if (!atoms.sel[j][k]) continue;
                for (int l = j; l < kTypes; l++)
                    for (int m = (l == j ? k + 1 : 0); m < atoms.number[l]; m++) {
                        if (!atoms.sel[l][m]) continue;
                        double a = types.diam[j], b = types.diam[l];
                        CVector pull;
                        pull.equalsSub(atoms.loc[j][k], atoms.loc[l][m]);
                        double f = 0.05 * (a + b);
                        if (pull.length() - 0.561231024155 * (a + b) > f) {
                            pull.normalize();
                            pull.muls(f);
                            atoms.loc[j][k].sub(pull);
                            atoms.loc[l][m].add(pull);
                            moved = true;
                        }
                    }
            }
    }
    if (!shiftAtomsToFit(kClumpRefitPasses)) {
        size_t k = 0;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < atoms.number[t]; i++) atoms.loc[t][i].copyFrom(before[k++]);
        box.pistonZ = pistonBefore;
        return COutcome::refused("Operation Incomplete.",
                                 formatC("The %i selected atoms could not be clumped without overlapping one another, so they "
                                         "were left where they were. Clump fewer atoms at a time.",
                                         countSelected()));
    }
    restartEnergiesAndAverages();
    return {};
}

void CSimulation::deleteSelected()
{
    UserChange change(*this);
    bool deleted = false;
    for (int t = 0; t < kTypes; t++) {
        int j = 0;
        while (j < atoms.number[t]) {
            if (!atoms.sel[t][j]) {
                j++;
                continue;
            }
            for (int k = j + 1; k < atoms.number[t]; k++) {
                atoms.loc[t][k - 1].copyFrom(atoms.loc[t][k]);
                atoms.vel[t][k - 1].copyFrom(atoms.vel[t][k]);
                atoms.sel[t][k - 1] = atoms.sel[t][k];
                std::copy(atoms.image[t][k], atoms.image[t][k] + 3, atoms.image[t][k - 1]);
            }
            atoms.sel[t][atoms.number[t] - 1] = 0;  // the freed slot holds no atom to be selected
            atoms.number[t]--;
            atoms.totalAtoms--;
            deleted = true;
        }
    }
    if (deleted) {
        restartEnergiesAndAverages();
    }
}
