// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: box and piston geometry and settings, and the depth buffer
// that orders the atoms for drawing and hit testing.
#include "CSimulation.h"

#include <algorithm>
#include <cmath>

#include "CValueRules.h"

bool CSimulation::setHalfWidth(double n)
{
    if (!valueRules::isBoxHalfWidth(n)) return false;
    double o = halfWidth;
    if (n == o) return true;
    UserChange change(*this);
    if (n > o) {
        halfWidth = n;
        establishBox();
        establishPiston();
        if (floorPotentialUsed) {
            restartEnergiesAndAverages();
        }
        return true;
    }
    halfWidth = n;
    double rememberedPistonZ = pistonZ;
    if (pistonUsed) pistonZ = n;
    if (!shiftAtomsToFit(100)) {
        halfWidth = o;
        if (pistonUsed) pistonZ = rememberedPistonZ;
        msg = "Can not fit the atoms into the smaller box.";
        showAlert("Operation Incomplete.", {"OK"});
        return false;
    }
    establishBox();
    establishPiston();
    if (floorPotentialUsed || potentialUsed) {
        restartEnergiesAndAverages();
    }
    return true;
}

void CSimulation::establishBox()
{
    double h = halfWidth;
    boxVertex[0].setXYZ(h, h, h);
    boxVertex[1].setXYZ(h, h, -h);
    boxVertex[2].setXYZ(h, -h, -h);
    boxVertex[3].setXYZ(h, -h, h);
    boxVertex[4].setXYZ(-h, h, h);
    boxVertex[5].setXYZ(-h, h, -h);
    boxVertex[6].setXYZ(-h, -h, -h);
    boxVertex[7].setXYZ(-h, -h, h);
    boxPlaneCenter[0].setXYZ(h, 0, 0);
    boxPlaneCenter[1].setXYZ(0, h, 0);
    boxPlaneCenter[2].setXYZ(0, 0, h);
    boxPlaneCenter[3].setXYZ(-h, 0, 0);
    boxPlaneCenter[4].setXYZ(0, -h, 0);
    boxPlaneCenter[5].setXYZ(0, 0, -h);
}

void CSimulation::projectBox()
{
    if (!boxShowFlag && !boxFloorShowFlag) return;
    for (int k = 0; k < 8; k++) boxPixel[k] = View.project(boxVertex[k]);
    for (int face = 0; face < 6; face++) {
        tv1.equalsSub(View.getEye(), boxPlaneCenter[face]);
        boxLayer[face] = tv1.dot(boxPlaneCenter[face]) > 1e-50 ? 1 : 0;
    }
}

double CSimulation::getBoxShade(double distance) const
{
    double w = 1.2 * halfWidth;
    return (-0.3 / w) * (w + (distance - View.getEyeR())) + 1.0;
}

void CSimulation::setPistonUsed(char f)
{
    if (f == pistonUsed) return;
    UserChange change(*this);
    pistonUsed = f;
    pistonZ = halfWidth;
    pistonV = 0.0;
}

bool CSimulation::setAppliedPressure(double p)
{
    if (!valueRules::isAppliedPressure(p)) return false;
    appliedPressure = p;
    double h = halfWidth;
    pistonA = p * (-4.0 * h * h) / pistonM;
    return true;
}

// A piston mass of zero or below would give an infinite or reversed
// acceleration; it is refused, like one outside its range.
bool CSimulation::setPistonMass(double m)
{
    if (!valueRules::isPistonMass(m)) {
        msg = valueRules::rangeMessage("The piston mass", valueRules::kPistonMass);
        showAlert("Alert.", {"OK"});
        return false;
    }
    UserChange change(*this);
    pistonM = m;
    double h = halfWidth;
    pistonA = (-4.0 * h * h) * appliedPressure / m;
    return true;
}

void CSimulation::establishPiston()
{
    double h = halfWidth;
    pistonVertex[0].setX(h); pistonVertex[0].setY(h);
    pistonVertex[1].setX(h); pistonVertex[1].setY(-h);
    pistonVertex[2].setX(-h); pistonVertex[2].setY(-h);
    pistonVertex[3].setX(-h); pistonVertex[3].setY(h);
}

void CSimulation::projectPiston()
{
    if (!pistonUsed) return;
    for (int k = 0; k < 4; k++) {
        pistonVertex[k].setZ(pistonZ);
        pistonPixel[k] = View.project(pistonVertex[k]);
    }
    pistonPlaneCenter.setZ(pistonZ);
    tv1.equalsSub(View.getEye(), pistonPlaneCenter);
    pistonLayer = tv1.dot(pistonDown) <= 1e-50 ? 1 : 0;
}

// ---------------------------------------------------------------- depth buffer

void CSimulation::updateZBuffer()
{
    initZBuffer();
    sortZBuffer();
}

void CSimulation::initZBuffer()
{
    int k = 0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++, k++) {
            zType[k] = t;
            zNumber[k] = i;
        }
}

// Farthest first; equal distances keep the type-major order, as an exchange
// sort that never swaps equal keys would leave them.
void CSimulation::sortZBuffer()
{
    int n = totalAtoms;
    const CVector& eye = View.getEye();
    for (int k = 0; k < n; k++) {
        zObj[k].equalsSub(eye, loc[zType[k]][zNumber[k]]);
        zLen[k] = zObj[k].length();
        // An atom without a place (NaN after a blown-up run) would break the
        // sort's ordering and let it run off the array; it sorts as nearest.
        // zLen is computed again below in drawing order.
        if (std::isnan(zLen[k])) zLen[k] = -HUGE_VAL;
        zOrder[k] = k;
    }
    std::sort(zOrder, zOrder + n, [this](int a, int b) {
        if (zLen[a] != zLen[b]) return zLen[a] > zLen[b];
        return a < b;
    });
    int sortedType[kMaxAtoms], sortedNumber[kMaxAtoms];
    for (int k = 0; k < n; k++) {
        sortedType[k] = zType[zOrder[k]];
        sortedNumber[k] = zNumber[zOrder[k]];
    }
    tv2.equalsNormalized(eye);
    for (int k = 0; k < n; k++) {
        int t = sortedType[k], i = sortedNumber[k];
        zType[k] = t;
        zNumber[k] = i;
        zObj[k].equalsSub(eye, loc[t][i]);
        zLen[k] = zObj[k].length();
        zShade[k] = getShade(zLen[k]);
        zPix[k] = View.project(loc[t][i]);
        double a = zObj[k].dot(tv2);
        double projected = std::floor(View.getEyePlaneR() / a * diam[t] * View.getScale() + 0.5);
        // A degenerate view (an atom at the eye, absurd sizes) draws nothing rather than overflow.
        zDiam[k] = (projected >= 0.0 && projected < 1e9) ? static_cast<int>(projected) : 0;
    }
}

double CSimulation::getShade(double distance) const
{
    double w = 1.2 * halfWidth;
    const double k = 0.6 - 0.9;
    return (k / w) * (w + (distance - View.getEyeR())) + 0.9;
}

float CSimulation::getSelectColorFactor(int entry) const
{
    int t = zType[entry];
    double s = zShade[entry];
    float fb = static_cast<float>(1.0 / (s * blue[t]));
    float fr = static_cast<float>(1.0 / (s * red[t]));
    float fg = static_cast<float>(1.0 / (s * green[t]));
    return std::min(fb, std::min(fr, fg));
}
