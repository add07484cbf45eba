// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: start-up defaults, energy baselines and the parameter setters.
#include "CSimulation.h"

#include "BASE/CTextNumbers.h"
#include "CSimulationDefaults.h"
#include "CValueRules.h"

int CSimulation::showAlert(const char* title, const std::string& message, const std::vector<std::string>& buttons)
{
    return platform->alert(title, message, buttons);
}

CSimulation& CSimulation::initWithDefaults()
{
    namespace start = simulationDefaults;
    View.initWithDefaults();
    version = 56;
    totalAtoms = 0;
    for (int t = 0; t < kTypes; t++) {
        number[t] = 0;
        diam[t] = start::kDiameter;
        mass[t] = start::kMass;
        invm[t] = 1.0 / start::kMass;
        name[t].clear();
        name[t].reserve(100);
        red[t] = start::kTypeColours[t].red;
        green[t] = start::kTypeColours[t].green;
        blue[t] = start::kTypeColours[t].blue;
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

    runState = start::kRunState;
    runTimerInterval = start::kRunTimerInterval;
    timeStep = start::kTimeStep;
    iterationsPerDisplay = start::kStepsPerDisplay;
    iterations = 0;
    elapsedTime = 0.0;
    timeUnit = start::kTimeUnit;

    potentialUsed = start::kPotentialUsed;
    floorPotentialUsed = start::kFloorPotentialUsed;
    floorTempUsed = start::kFloorTempUsed;
    floorTemp = 0.0;
    for (int i = 0; i < kTypes; i++) {
        charge[i] = LJepsFloor[i] = 0.0;
        for (int j = 0; j < kTypes; j++) LJeps[i][j] = 0.0;
    }
    for (const auto& pair : start::kPairsWithWell) LJeps[pair[0]][pair[1]] = start::kPairWellDepth;
    area = volume = TCVolume = 0.0;
    for (int s = 0; s < kSlots; s++) {
        dptot[s] = pressure[s] = temperature[s] = KEnergy[s] = PEnergy[s] = TEnergy[s] = 0.0;
        vsq[s] = avgvsq[s] = TCPressure[s] = TCTemperature[s] = TCKEnergy[s] = TCPEnergy[s] = 0.0;
        TCTEnergy[s] = TCavgvsq[s] = sqrtTCavgvsq[s] = 0.0;
        for (int b = 0; b < kBins; b++) histogram[s][b] = TCHistogram[s][b] = 0.0;
    }

    displayType = kAllAtoms;
    displayTC = start::kDisplayTimeConstant;
    recordType = start::kRecordKind;
    record = 0;
    // The first sample of the averages replaces whatever they held.
    oldPart = 0.0;
    newPart = 1.0;
    conserve = start::kConserve;
    tdE = tdEPercent = tdENotConserved = 0.0;

    stateDisplayFlag = start::kStateDisplay;
    energyDiffDisplayFlag = start::kEnergyDiffDisplay;
    numericDisplayFlag = start::kNumericDisplay;
    graphDisplayFlag = start::kGraphDisplay;
    axesShowFlag = start::kAxesShow;
    displayTextSize = 0;
    xmin = 0.0;
    xmax = start::kGraphXmax;
    ymin = 0.0;
    ymax = start::kGraphYmax;
    histogramWidth = start::kHistogramWidth;
    histogramHeight = start::kHistogramHeight;

    st = sn = -1;
    oldt = newt = oldi = newi = ips = 0.0;
    aspectRatioIndex = 0;
    windowWidth = start::kWindowWidth;
    windowHeight = start::kWindowHeight;
    halfWidth = start::kBoxHalfWidth;
    boxShowFlag = start::kBoxShow;
    boxShowShadowFlag = start::kBoxShowShadow;
    boxFloorShowFlag = start::kBoxFloorShow;

    pistonUsed = start::kPistonUsed;
    pistonZ = halfWidth;
    pistonV = 0.0;
    pistonM = start::kPistonMass;
    appliedPressure = start::kAppliedPressure;
    pistonA = start::kPistonAcceleration;

    openPath.clear();
    openPath.reserve(256);
    savePath.clear();
    savePath.reserve(256);
    centroid.init();
    savedCentroid.init();

    setEyePlaneR(start::kEyePlaneDistance);
    setEyeR(start::kEyeDistance);
    setScale(start::kViewScale);
    for (int k = 0; k < start::kStartAtoms; k++) addOneAtom(start::kStartAtomType);
    restartEnergiesAndAverages();
    restartLedger();
    return *this;
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
        showAlert("Alert.", "The number of atoms can not be negative.", {"OK"});
        return false;
    }
    int total = totalAtoms;
    int k = n - old;
    if (k < 0) {
        number[t] = n;
        totalAtoms = total + k;
    }
    if (n > kMaxPerType) {
        std::string message = formatC("Can not exceed the maximum allowable number of atoms for each type which is %i?. "
                                      "Reset number to this maximum?",
                                      kMaxPerType);
        if (showAlert("Alert.", message, {"Accept", "Cancel"}) != 0) return false;
        k = kMaxPerType - number[t];
    }
    while (k > 0) {
        if (addOneAtom(t)) {
            k--;
            continue;
        }
        std::string message = formatC("Unable to add all of the requested atoms for type: %s. %i atoms were added.",
                                      name[t].c_str(), number[t] - old);
        if (showAlert("Operation Incomplete.", message, {"Accept", "Revert"}) == 0) break;
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
        showAlert("Alert.", valueRules::rangeMessage("The diameter of an atom", valueRules::kDiameter), {"OK"});
        return false;
    }
    UserChange change(*this);
    if (d < old) {
        diam[t] = d;
        restartEnergiesAndAverages();
        return true;
    }
    if (d > 2.0 * halfWidth) {
        std::string message = formatC("Atom diameter can not be greater than the width of the box which is %.2e m.",
                                      2.0 * halfWidth);
        showAlert("Alert.", message, {"OK"});
        return false;
    }
    if (!(d > old)) return true;  // NaN
    diam[t] = d;
    if (!shiftAtomsToFit(100)) {
        showAlert("Operation Incomplete.", "Unable to increase the diameter for atoms of type: " + name[t],
                  {"OK"});
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
        showAlert("Alert.", valueRules::rangeMessage("The mass of an atom", valueRules::kMass), {"OK"});
        return false;
    }
    mass[t] = m;
    invm[t] = 1.0 / m;
    restartEnergiesAndAverages();
    return true;
}

void CSimulation::setPotentialUsed(bool f)
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

void CSimulation::setFloorPotentialUsed(bool f)
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

void CSimulation::setConserve(bool c)
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
bool CSimulation::setRecordType(CRecordKind r)
{
    if (!valueRules::choice(modeIndex(r), valueRules::kRecordTypes)) return false;
    bool changed = r != recordType;
    recordType = r;
    if (r != CRecordKind::accumulated) record = 0;
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

bool CSimulation::setRunTimerInterval(double s)
{
    if (!valueRules::isTimerInterval(s)) return false;
    runTimerInterval = static_cast<float>(s);
    return true;
}

bool CSimulation::setTimeStep(double s)
{
    if (!valueRules::isTimeStep(s)) return false;
    timeStep = s;
    return true;
}

bool CSimulation::setTimeUnit(CTimeUnit u)
{
    if (!valueRules::choice(modeIndex(u), valueRules::kTimeUnits)) return false;
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
        std::string message = formatC("Box too close to the projection plane.\nMinimum eye distance is %.2e m.\n",
                                      1.73205080757 * halfWidth + p);
        showAlert("Operation Incomplete.", message, {"OK"});
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

void CSimulation::adoptState(const CSimulation& built)
{
    if (&built == this) return;
    endDisplayEarly();
    static_cast<CSimulationData&>(*this) = built;
    fastEngine.reset();
    displayStart.reset();
    initSimulationEnergies();
    resetIPS();
    restartLedger();
}
