// CSimulation: relaxing overlapping or protruding atoms into the box.
#include "CSimulation.h"

namespace {
const double kSeparationFactor = 0.561231024155;  // half the sixth root of 2
const double kParallelLimit = 0.9999;
const int kStepsPerWall = 10;

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
    tv1.equalsSub(atom, partner);
    if (!tv1.normalize()) return;
    if (std::fabs(a.dot(tv1)) > kParallelLimit) {
        if (!tv2.equalsNormalized(first)) return;
    } else {
        tv2.copyFrom(a);
    }
    tv3.equalsCross(tv2, tv1);
    if (!tv3.normalize()) return;
    corr.equalsCross(tv3, tv1);
    corr.muls(0.1 * d);
    atom.add(corr);
}

void CSimulation::wallStepsFor(CVector& atom, const CVector& partner, const CVector& first, double d, bool& fitted)
{
    double limit = halfWidth - d / 2.0;
    for (int wall = 0; wall < 6; wall++) {
        int axis = wall / 2;
        bool positive = (wall % 2) == 0;
        if (axis == 2 && positive && pistonUsed) pistonZ = halfWidth;
        for (int budget = kStepsPerWall; budget > 0; budget--) {
            double c = atom.v[axis];
            bool outside = positive ? (c > 0 && c > limit) : (c < 0 && c < -limit);
            if (!outside) break;
            wallStep(atom, partner, first, kWallNormals[wall], d, fitted);
        }
    }
}

bool CSimulation::shiftAtomsToFit(int passes)
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++) tempv[t][i].copyFrom(loc[t][i]);

    bool fitted = false;
    while (passes > 0 && !fitted) {
        passes--;
        fitted = true;
        for (int t = 0; t < kTypes; t++)
            for (int i = 0; i < number[t]; i++) {
                CVector& p = tempv[t][i];
                double dP = diam[t];
                for (int u = t; u < kTypes; u++)
                    for (int j = (u == t ? i + 1 : 0); j < number[u]; j++) {
                        CVector& q = tempv[u][j];
                        double dQ = diam[u];
                        rjkmn.equalsSub(p, q);
                        double r = rjkmn.length();
                        double g = (dP + dQ) * kSeparationFactor - r;
                        if (g > 0) {
                            // Coincident centres have no axis: they are parted along x.
                            if (r == 0.0) rjkmn.setXYZ(1.0, 0.0, 0.0);
                            else rjkmn.muls(1.0 / r);
                            rjkmn.muls(g / 2.0);
                            p.add(rjkmn);
                            q.sub(rjkmn);
                            fitted = false;
                        }
                        wallStepsFor(p, q, p, dP, fitted);
                        wallStepsFor(q, p, p, dQ, fitted);
                    }
            }
    }
    if (!fitted) return false;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++) loc[t][i].copyFrom(tempv[t][i]);
    return true;
}

bool CSimulation::addOneAtomAtLocationWithShift(int t, double x, double y, double z)
{
    if (number[t] >= kMaxPerType) return false;
    int i = number[t];
    loc[t][i].setXYZ(x, y, z);
    number[t]++;
    totalAtoms++;
    if (!shiftAtomsToFit(100)) {
        number[t]--;
        totalAtoms--;
        msg = "Unable to add the requested atom.";
        showAlert("Operation Incomplete.", {"OK"});
        return false;
    }
    vel[t][i].init();
    acc[t][i].init();
    sel[t][i] = 0;
    initSimulationEnergies();
    resetTCDisplay();
    return true;
}
