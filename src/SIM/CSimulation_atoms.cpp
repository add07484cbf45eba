// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: adding atoms, changing the kinetic energy, selecting, moving,
// clumping, editing and deleting atoms.
#include "CSimulation.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "BASE/CTextNumbers.h"
#include "CValueRules.h"

namespace {
// Passes of the refit that parts the atoms a clump left overlapping; it ends
// as soon as they are parted, so a small clump costs no more.
const int kClumpRefitPasses = 1000;
}  // namespace

bool CSimulation::addOneAtom(int t)
{
    if (number[t] >= kMaxPerType) return false;
    double r = diam[t] / 2.0;
    for (int attempt = 0; attempt < 100; attempt++) {
        CVector place;
        place.unitVectorRandomInUnitBox().muls(halfWidth - r);
        if (pistonUsed && place.getZ() + r > pistonZ) place.setZ(pistonZ - r);
        bool overlaps = false;
        for (int u = 0; u < kTypes && !overlaps; u++)
            for (int j = 0; j < number[u]; j++) {
                CVector separation;
                separation.equalsSub(place, loc[u][j]);
                if (separation.length() < diam[u] / 2.0 + r) {
                    overlaps = true;
                    break;
                }
            }
        if (overlaps) continue;
        int i = number[t];
        loc[t][i].copyFrom(place);
        vel[t][i].init();
        sel[t][i] = 0;
        number[t]++;
        totalAtoms++;
        bookAddedAtom(t, i);
        return true;
    }
    return false;
}

// A type that already holds its maximum has no free slot: refused with an
// alert instead of writing past the type's storage.
bool CSimulation::addOneAtomAtLocationWithVelocity(int t, double x, double y, double z, double vx, double vy, double vz)
{
    if (number[t] >= kMaxPerType) {
        std::string message = formatC("Can not exceed the maximum allowable number of atoms for each type which is %i.", kMaxPerType);
        showAlert("Alert.", message, {"OK"});
        return false;
    }
    int i = number[t];
    loc[t][i].setXYZ(x, y, z);
    vel[t][i].setXYZ(vx, vy, vz);
    sel[t][i] = 0;  // the slot may still carry the mark of an atom deleted from it
    number[t]++;
    totalAtoms++;
    bookAddedAtom(t, i);
    return true;
}

bool CSimulation::changeKEnergy(double deltaE)
{
    if (!valueRules::isKineticEnergyChange(deltaE)) return false;
    UserChange change(*this);
    int n = totalAtoms;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++) {
            double k = aKEnergy[t][i];
            if (k > 1e-50)
                vel[t][i].normalize();
            else
                vel[t][i].unitVectorRandom();
            double e = k + deltaE / n;
            if (e < 0.0) e = 0.0;
            vel[t][i].muls(std::sqrt(2.0 * e * invm[t]));
        }
    restartEnergiesAndAverages();
    return true;
}

double CSimulation::largestSoundTimeStep(double deltaE) const
{
    double largest = INFINITY;
    for (int t = 0; t < kTypes; t++) {
        if (number[t] == 0) continue;
        double sum = 0.0;
        for (int i = 0; i < number[t]; i++) {
            double squared = vel[t][i].norm();
            if (deltaE != 0.0) squared = 2.0 * std::max(0.0, 0.5 * mass[t] * squared + deltaE / totalAtoms) * invm[t];
            sum += squared;
        }
        double rms = std::sqrt(sum / number[t]);
        if (rms > 0.0) largest = std::min(largest, valueRules::kLargestStepReach * diam[t] / rms);
    }
    return largest;
}

// ---------------------------------------------------------------- selection

void CSimulation::selectAll(char flag)
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++) sel[t][i] = flag;
}

void CSimulation::selectType(int t)
{
    selectAll(0);
    for (int i = 0; i < number[t]; i++) sel[t][i] = 1;
}

// Atoms named from an earlier picture may have gone since (deleted, or a
// file read): only slots that hold an atom are marked.
static bool holdsAtom(const int (&number)[CSimulation::kTypes], CAtomRef atom)
{
    return atom.type >= 0 && atom.type < CSimulation::kTypes && atom.index >= 0 && atom.index < number[atom.type];
}

void CSimulation::toggleSelection(CAtomRef atom)
{
    if (!holdsAtom(number, atom)) return;
    char& mark = sel[atom.type][atom.index];
    mark = (mark == 0) ? 1 : 0;
}

void CSimulation::selectAtoms(const std::vector<CAtomRef>& atoms)
{
    for (const CAtomRef& atom : atoms)
        if (holdsAtom(number, atom)) sel[atom.type][atom.index] = 1;
}

int CSimulation::countSelected()
{
    int count = 0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) {
                count++;
                st = t;
                sn = i;
            }
    return count;
}

void CSimulation::saveSelectedLocations()
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) tempv[t][i].copyFrom(loc[t][i]);
}

void CSimulation::revertSelectedLocations()
{
    UserChange change(*this);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) loc[t][i].copyFrom(tempv[t][i]);
}

static int axisIndex(int axis) { return (axis == 0 || axis == 1) ? axis : 2; }

double CSimulation::getSelectedLocation(int axis) const { return loc[st][sn].getIndex(axisIndex(axis)); }

void CSimulation::setSelectedLocation(double x, double y, double z)
{
    UserChange change(*this);
    loc[st][sn].setXYZ(x, y, z);
}

double CSimulation::getSelectedVelocity(int axis) const { return vel[st][sn].getIndex(axisIndex(axis)); }

void CSimulation::setSelectedVelocity(int axis, double value)
{
    UserChange change(*this);
    vel[st][sn].setIndex(axisIndex(axis), value);
}

void CSimulation::calculateCentroid()
{
    centroid.init();
    double totalMass = 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) {
                CVector moment;
                moment.equalsMuls(loc[t][i], mass[t]);
                centroid.add(moment);
                totalMass += mass[t];
            }
    centroid.divs(totalMass);
}

double CSimulation::getSelectedCentroid(int axis) const { return savedCentroid.getIndex(axisIndex(axis)); }

void CSimulation::setSelectedCentroid(double x, double y, double z)
{
    UserChange change(*this);
    CVector shift;
    shift.setXYZ(x, y, z);
    shift.sub(centroid);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) loc[t][i].add(shift);
}

void CSimulation::setSelectedCentroidVelocity(int axis, double value)
{
    if (axis < 0 || axis > 2) return;
    UserChange change(*this);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) vel[t][i].setIndex(axis, value);
}

void CSimulation::moveSelectedBy(float dx, float dy)
{
    UserChange change(*this);
    st = sn = -1;
    double metresPerPoint = View.getEyeR() / (View.getScale() * View.getEyePlaneR());
    CVector shift, upward;
    View.getRotationRowTo(0, shift).muls(dx * metresPerPoint);
    View.getRotationRowTo(1, upward).muls(-dy * metresPerPoint);
    shift.add(upward);
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) loc[t][i].add(shift);
    clampAllAtomsIntoBox();
    shiftAtomsToFit(100);
    restartEnergiesAndAverages();
}

// Puts every atom's centre back within its wall limits (and below the piston).
void CSimulation::clampAllAtomsIntoBox()
{
    double h = halfWidth;
    for (int t = 0; t < kTypes; t++) {
        double r = diam[t] / 2.0;
        for (int i = 0; i < number[t]; i++) {
            double* c = loc[t][i].v;
            for (int axis = 0; axis < 2; axis++) {
                if (c[axis] > 0 && h - c[axis] - r < 0) c[axis] = h - r;
                else if (c[axis] < 0 && h + c[axis] - r < 0) c[axis] = r - h;
            }
            if (pistonUsed) {
                if (pistonZ - c[2] - r < 0) c[2] = pistonZ - r;
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
        for (int i = 0; i < number[t]; i++)
            if (sel[t][i]) smallest = std::min(smallest, diam[t]);
    double step = 0.05 * 2.0 * smallest;
    double sweeps = 10.0 * (2.0 * 1.73205080757 * halfWidth) / (2.0 * step);
    if (!(sweeps < kMaxSweeps)) return kMaxSweeps;
    return std::max(kMinSweeps, static_cast<int>(sweeps));
}

bool CSimulation::shiftSelectedAtomsToClump()
{
    UserChange change(*this);
    // The clump pulls every selected pair to about its contact distance, which
    // many atoms cannot all reach at once: they end inside one another, and
    // the refit that follows may not part them. Then the clump is taken back
    // whole, so nothing is left overlapping that did not overlap before.
    std::vector<CVector> before;
    before.reserve(static_cast<size_t>(totalAtoms));
    for (int t = 0; t < kTypes; t++) before.insert(before.end(), loc[t], loc[t] + number[t]);
    const double pistonBefore = pistonZ;
    bool moved = true;
    for (int sweep = clumpSweepLimit(); moved && sweep > 0; sweep--) {
        moved = false;
        for (int j = 0; j < kTypes; j++)
            for (int k = 0; k < number[j]; k++) {
                if (!sel[j][k]) continue;
                for (int l = j; l < kTypes; l++)
                    for (int m = (l == j ? k + 1 : 0); m < number[l]; m++) {
                        if (!sel[l][m]) continue;
                        double a = diam[j], b = diam[l];
                        CVector pull;
                        pull.equalsSub(loc[j][k], loc[l][m]);
                        double f = 0.05 * (a + b);
                        if (pull.length() - 0.561231024155 * (a + b) > f) {
                            pull.normalize();
                            pull.muls(f);
                            loc[j][k].sub(pull);
                            loc[l][m].add(pull);
                            moved = true;
                        }
                    }
            }
    }
    if (!shiftAtomsToFit(kClumpRefitPasses)) {
        size_t k = 0;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < number[t]; i++) loc[t][i].copyFrom(before[k++]);
        pistonZ = pistonBefore;
        std::string message = formatC("The %i selected atoms could not be clumped without overlapping one another, so they were "
                                      "left where they were. Clump fewer atoms at a time.",
                                      countSelected());
        showAlert("Operation Incomplete.", message, {"OK"});
        return false;
    }
    restartEnergiesAndAverages();
    return true;
}

void CSimulation::deleteSelected()
{
    UserChange change(*this);
    bool deleted = false;
    for (int t = 0; t < kTypes; t++) {
        int j = 0;
        while (j < number[t]) {
            if (!sel[t][j]) {
                j++;
                continue;
            }
            for (int k = j + 1; k < number[t]; k++) {
                loc[t][k - 1].copyFrom(loc[t][k]);
                vel[t][k - 1].copyFrom(vel[t][k]);
                sel[t][k - 1] = sel[t][k];
            }
            sel[t][number[t] - 1] = 0;  // the freed slot holds no atom to be selected
            number[t]--;
            totalAtoms--;
            deleted = true;
        }
    }
    if (deleted) {
        restartEnergiesAndAverages();
    }
}
