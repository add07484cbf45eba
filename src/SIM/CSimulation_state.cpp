// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: start-up defaults, energy baselines and the parameter setters.
#include "CSimulation.h"

#include "BASE/CTextNumbers.h"
#include "CValueRules.h"

int CSimulation::showAlert(const char* title, const std::vector<std::string>& buttons)
{
    return platform->alert(title, msg, buttons);
}

CSimulation& CSimulation::initWithDefaults()
{
    View.initWithDefaults();
    version = 56;
    totalAtoms = 0;
    const float startRed[kTypes] = {1, 0, 0, 1}, startGreen[kTypes] = {0, 1, 0, 1}, startBlue[kTypes] = {0, 0, 1, 1};
    for (int t = 0; t < kTypes; t++) {
        number[t] = 0;
        diam[t] = mass[t] = invm[t] = 1.0;
        name[t].clear();
        name[t].reserve(100);
        red[t] = startRed[t];
        green[t] = startGreen[t];
        blue[t] = startBlue[t];
        for (int i = 0; i < kMaxPerType; i++) {
            loc[t][i].init();
            vel[t][i].init();
            acc[t][i].init();
            tempv[t][i].init();
            aKEnergy[t][i] = aPEnergy[t][i] = aTEnergy[t][i] = paTEnergy[t][i] = 0.0;
            nvel[t][i] = dE[t][i] = 0.0;
            sel[t][i] = 0;
        }
    }

    runFlag = 0;
    runTimerFrequency = 0.001f;
    timeStep = 1.0;
    iterationsPerDisplay = 100;
    iterations = 0;
    elapsedTime = 0.0;
    timeUnit = 1;

    potentialUsed = floorPotentialUsed = floorTempUsed = 0;
    floorTemp = 0.0;
    for (int i = 0; i < kTypes; i++) {
        charge[i] = LJepsFloor[i] = 0.0;
        for (int j = 0; j < kTypes; j++) LJeps[i][j] = 0.0;
    }
    area = volume = TCVolume = 0.0;
    for (int s = 0; s < kSlots; s++) {
        dptot[s] = pressure[s] = temperature[s] = KEnergy[s] = PEnergy[s] = TEnergy[s] = 0.0;
        vsq[s] = avgvsq[s] = TCPressure[s] = TCTemperature[s] = TCKEnergy[s] = TCPEnergy[s] = 0.0;
        TCTEnergy[s] = TCavgvsq[s] = sqrtTCavgvsq[s] = 0.0;
        for (int b = 0; b < kBins; b++) histogram[s][b] = TCHistogram[s][b] = 0.0;
    }

    displayType = 4;
    displayTC = 10000.0;
    recordType = 0;
    record = 0;
    oldPart = newPart = 0.0;
    conserve = 1;
    tdE = tdEPercent = tdENotConserved = 0.0;

    stateDisplayFlag = energyDiffDisplayFlag = numericDisplayFlag = graphDisplayFlag = axesShowFlag = 1;
    displayTextSize = 0;
    xmin = 0.0; xmax = 2.0; ymin = 0.0; ymax = 1.0;
    histogramWidth = 200;
    histogramHeight = 110;

    st = sn = -1;
    oldt = newt = oldi = newi = ips = 0.0;
    aspectRatioIndex = 0;
    windowWidth = 400.0f;
    windowHeight = 250.0f;
    halfWidth = 1.0;
    boxShowFlag = boxShowShadowFlag = boxFloorShowFlag = 1;

    pistonUsed = 1;
    pistonZ = halfWidth;
    pistonV = 0.0;
    pistonA = 0.0;
    pistonM = 1.0;
    setAppliedPressure(1e-6);

    openPath.clear();
    openPath.reserve(256);
    savePath.clear();
    savePath.reserve(256);
    msg.clear();
    msg.reserve(200);
    for (CVector* v : {&tv1, &tv2, &tv3, &dir, &corr, &rjkmn, &vjkmn, &rjkmnp, &rcm, &vcm, &move, &dpv}) v->init();

    moreInitializations();
    restartLedger();
    return *this;
}

void CSimulation::moreInitializations()
{
    setTimeStep(1e-14);
    setTimeUnit(1);
    setIPD(100);
    for (int t = 0; t < kTypes; t++) {
        setDiam(t, 3e-10);
        setMass(t, 5e-26);
    }
    const float r[kTypes] = {1, 0, 0, 1}, g[kTypes] = {0, 0, 1, 1}, b[kTypes] = {0, 1, 0, 0};
    for (int t = 0; t < kTypes; t++) {
        setRed(t, r[t]);
        setGreen(t, g[t]);
        setBlue(t, b[t]);
    }
    setHalfWidth(5e-10);
    for (int k = 0; k < 4; k++) addOneAtom(0);
    setEyePlaneR(1e-10);
    setEyeR(2.5e-9);
    setScale(5e12);
    setPotentialUsed(0);
    const int pairs[7][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    for (const auto& p : pairs) setLJeps(p[0], p[1], 1e-21);
    setPistonUsed(0);
    setGraphXmax(200.0);
    setGraphYmax(0.3);
    setAxesShowFlag(0);
    setEnergyDiffDisplayFlag(0);
    setGraphDisplayFlag(0);
}

void CSimulation::initSimulationEnergies()
{
    MDCALCCalcAcc();
    MDCALCTotalEnergy();
    initPreviousEnergies();
    initEnergyDiffDisplay();
}

// After a change of the physics or of the atoms: forces and energies from
// the current positions, and the smoothed outputs start again from what the
// state measures now, so the readouts match it before the next step.
void CSimulation::restartEnergiesAndAverages()
{
    initSimulationEnergies();
    resetTCDisplay();
    measureStateNow();
    startAveragesFromState(false);
}

void CSimulation::initPreviousEnergies()
{
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < number[t]; i++) paTEnergy[t][i] = aTEnergy[t][i];
}

// ---------------------------------------------------------------- setters

bool CSimulation::setNumber(int t, int n)
{
    int old = number[t];
    if (n == old) return true;
    UserChange change(*this);
    if (n < 0) {
        msg = "The number of atoms can not be negative.";
        showAlert("Alert.", {"OK"});
        return false;
    }
    int total = totalAtoms;
    int k = n - old;
    if (k < 0) {
        number[t] = n;
        totalAtoms = total + k;
    }
    if (n > kMaxPerType) {
        msg = formatC("Can not exceed the maximum allowable number of atoms for each type which is %i?. "
                      "Reset number to this maximum?",
                      kMaxPerType);
        if (showAlert("Alert.", {"Accept", "Cancel"}) != 0) return false;
        k = kMaxPerType - number[t];
    }
    while (k > 0) {
        if (addOneAtom(t)) {
            k--;
            continue;
        }
        msg = formatC("Unable to add all of the requested atoms for type: %s. %i atoms were added.",
                      name[t].c_str(), number[t] - old);
        if (showAlert("Operation Incomplete.", {"Accept", "Revert"}) == 0) break;
        number[t] = old;
        totalAtoms = total;
        return false;
    }
    restartEnergiesAndAverages();
    return true;
}

bool CSimulation::setDiam(int t, double d)
{
    double old = diam[t];
    if (d == old) return true;
    // Atoms of no size have no contact distance for the refit and the clump to reach.
    if (!valueRules::isDiameter(d)) {
        msg = valueRules::rangeMessage("The diameter of an atom", valueRules::kDiameter);
        showAlert("Alert.", {"OK"});
        return false;
    }
    UserChange change(*this);
    if (d < old) {
        diam[t] = d;
        restartEnergiesAndAverages();
        return true;
    }
    if (d > 2.0 * halfWidth) {
        msg = formatC("Atom diameter can not be greater than the width of the box which is %.2e m.",
                      2.0 * halfWidth);
        showAlert("Alert.", {"OK"});
        return false;
    }
    if (!(d > old)) return true;  // NaN
    diam[t] = d;
    if (!shiftAtomsToFit(100)) {
        msg = "Unable to increase the diameter for atoms of type: " + name[t];
        showAlert("Operation Incomplete.", {"OK"});
        diam[t] = old;
        return false;
    }
    restartEnergiesAndAverages();
    return true;
}

// A mass of zero or below would give an infinite or negative inverse mass,
// and one far outside the atoms' masses overflows the energies; it is
// refused where it is entered.
bool CSimulation::setMass(int t, double m)
{
    if (m == mass[t]) return true;
    UserChange change(*this);
    if (!valueRules::isMass(m)) {
        msg = valueRules::rangeMessage("The mass of an atom", valueRules::kMass);
        showAlert("Alert.", {"OK"});
        return false;
    }
    mass[t] = m;
    invm[t] = 1.0 / m;
    restartEnergiesAndAverages();
    return true;
}

void CSimulation::setPotentialUsed(char f)
{
    if (f == potentialUsed) return;
    UserChange change(*this);
    potentialUsed = f;
    restartEnergiesAndAverages();
}

bool CSimulation::setLJeps(int i, int j, double e)
{
    if (!valueRules::isWellDepth(e)) return false;
    if (e == LJeps[i][j]) return true;
    UserChange change(*this);
    LJeps[i][j] = e;
    restartEnergiesAndAverages();
    return true;
}

bool CSimulation::setCharge(int t, double q)
{
    if (!valueRules::isCharge(q)) return false;
    if (q == charge[t]) return true;
    UserChange change(*this);
    charge[t] = q;
    restartEnergiesAndAverages();
    return true;
}

void CSimulation::setFloorPotentialUsed(char f)
{
    if (f == floorPotentialUsed) return;
    UserChange change(*this);
    floorPotentialUsed = f;
    restartEnergiesAndAverages();
}

bool CSimulation::setLJepsFloor(int t, double e)
{
    if (!valueRules::isWellDepth(e)) return false;
    if (e == LJepsFloor[t]) return true;
    UserChange change(*this);
    LJepsFloor[t] = e;
    restartEnergiesAndAverages();
    return true;
}

void CSimulation::setConserve(char c)
{
    conserve = c;
    tdE = 0.0;
    tdEPercent = 0.0;
    if (c) {
        restartEnergiesAndAverages();
    }
}

// Choosing another way of taking the averages restarts them, and the ledger
// with them.
bool CSimulation::setRecordType(int r)
{
    if (!valueRules::choice(r, valueRules::kRecordTypes)) return false;
    bool changed = r != recordType;
    recordType = r;
    if (r != 2) record = 0;
    if (changed) restartLedger();
    return true;
}

bool CSimulation::setGraphXmax(double x)
{
    if (!valueRules::isHistogramSpeed(x)) return false;
    if (x == xmax) return true;
    xmax = x;
    oldPart = 0.0;
    newPart = 1.0;
    calculateHistogram();
    record = 0;
    return true;
}

// ---------------------------------------------------------------- setters with a rule

bool CSimulation::setFloorTemp(double k)
{
    if (!valueRules::isFloorTemperature(k)) return false;
    floorTemp = k;
    return true;
}

bool CSimulation::setRunTimerFrequency(double s)
{
    if (!valueRules::isTimerInterval(s)) return false;
    runTimerFrequency = static_cast<float>(s);
    return true;
}

bool CSimulation::setTimeStep(double s)
{
    if (!valueRules::isTimeStep(s)) return false;
    timeStep = s;
    return true;
}

bool CSimulation::setTimeUnit(int u)
{
    if (!valueRules::choice(u, valueRules::kTimeUnits)) return false;
    timeUnit = u;
    return true;
}

bool CSimulation::setHistogramWidth(int w)
{
    if (!valueRules::isHistogramWidth(w)) return false;
    histogramWidth = w;
    return true;
}

bool CSimulation::setHistogramHeight(int h)
{
    if (!valueRules::isHistogramHeight(h)) return false;
    histogramHeight = h;
    return true;
}

bool CSimulation::setIPD(unsigned n)
{
    if (!valueRules::isStepsPerDisplay(n)) return false;
    iterationsPerDisplay = n;
    return true;
}

bool CSimulation::setDisplayType(int s)
{
    if (!valueRules::choice(s, kSlots)) return false;
    displayType = s;
    return true;
}

bool CSimulation::setDisplayTimeConstant(double tc)
{
    if (!valueRules::isTimeConstant(tc)) return false;
    displayTC = tc;
    return true;
}

bool CSimulation::setGraphYmax(double y)
{
    if (!valueRules::isHistogramScale(y)) return false;
    ymax = y;
    return true;
}

bool CSimulation::setEyePlaneR(double r)
{
    if (!valueRules::isViewDistance(r)) return false;
    View.setEyePlaneR(r);
    return true;
}

bool CSimulation::setScale(double s)
{
    if (!valueRules::isViewScale(s)) return false;
    View.setScale(s);
    return true;
}

bool CSimulation::setEyeR(double r)
{
    if (!valueRules::isViewDistance(r)) return false;
    double p = View.getEyePlaneR();
    if (1.73205080757 * halfWidth > r - p) {
        msg = formatC("Box too close to the projection plane.\nMinimum eye distance is %.2e m.\n",
                      1.73205080757 * halfWidth + p);
        showAlert("Operation Incomplete.", {"OK"});
        return false;
    }
    View.setEyeR(r);
    return true;
}

void CSimulation::setView(double phi, double theta, double eyeR, double eyePlaneR, double scale)
{
    setAngles(phi, theta);
    setEyeR(eyeR);
    setEyePlaneR(eyePlaneR);
    setScale(scale);
}
