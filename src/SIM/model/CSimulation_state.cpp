// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: start-up defaults, energy baselines and the parameter setters.
#include "SIM/model/CSimulation.h"

#include <atomic>

#include "BASE/CTextNumbers.h"
#include "SIM/model/CSimulationDefaults.h"
#include "SIM/model/CValueRules.h"

unsigned long long CSimulation::newOrigin()
{
    static std::atomic<unsigned long long> last{0};
    return ++last;
}

CSimulation& CSimulation::initWithDefaults()
{
    namespace start = simulationDefaults;
    origin = newOrigin();
    // Fresh parts hold every default. The count of the averages' starts goes
    // on, so that a chart following them sees this as one more start; the
    // ledger starts again below, counting its restarts the same way.
    const unsigned averagesStarts = outputs.averagesStarts;
    types = CAtomTypes();
    atoms = CAtoms();
    box = CBoxAndPiston();
    forces = CForceField();
    clock = CRunClock();
    outputs = CMeasuredOutputs();
    outputs.averagesStarts = averagesStarts;
    conservation = CEnergyConservation();
    display = CDisplaySettings();
    display.View.initWithDefaults();
    openPath.clear();
    savePath.clear();

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
        for (int i = 0; i < atoms.number[t]; i++) atoms.paTEnergy[t][i] = atoms.aTEnergy[t][i];
}

// ---------------------------------------------------------------- setters

COutcome CSimulation::setNumber(int t, int n, bool maximumAccepted)
{
    COutcome outcome = changeNumber(t, n, maximumAccepted);
    if (outcome.workKept()) {
        partialWorkRevision = stateRevision;
        partialWorkIterations = clock.iterations;
    }
    return outcome;
}

COutcome CSimulation::changeNumber(int t, int n, bool maximumAccepted)
{
    int old = atoms.number[t];
    if (n == old) return {};
    UserChange change(*this);
    if (n < 0) return COutcome::refused("Alert.", "The number of atoms can not be negative.");
    if (n > old && isPeriodic())
        if (COutcome allowed = periodicBoxRefusalWith(t, n, forces.charge[t], types.diam[t], box.halfWidth); !allowed)
            return allowed;
    int total = atoms.totalAtoms;
    int k = n - old;
    if (k < 0) {
        atoms.number[t] = n;
        atoms.totalAtoms = total + k;
    }
    if (n > kMaxPerType) {
        std::string message = formatC("Can not exceed the maximum allowable number of atoms for each type which is %i?. "
                                      "Reset number to this maximum?",
                                      kMaxPerType);
        if (!maximumAccepted) return COutcome::question("Alert.", message, {"Accept", "Cancel"});
        k = kMaxPerType - atoms.number[t];
    }
    while (k > 0 && addOneAtom(t)) k--;
    COutcome outcome;
    if (k > 0) {
        // Taken back, the atoms drawn are gone again and nothing else has
        // changed yet: the state as it stands, with the type's old count.
        partialWorkStart = std::make_unique<CSimulationState>(state());
        partialWorkStart->atoms.number[t] = old;
        partialWorkStart->atoms.totalAtoms = total;
        std::string message = formatC("Unable to add all of the requested atoms for type: %s. %i atoms were added.",
                                      types.name[t].c_str(), atoms.number[t] - old);
        outcome = COutcome::questionAfterWork("Operation Incomplete.", message, {"Accept", "Revert"});
    }
    restartEnergiesAndAverages();
    return outcome;
}

// The operation, had it been taken back before it ended, would have booked
// the energy of the state it went back to less that of the state it began
// with, which are the same: the ledger books that change, as it did.
bool CSimulation::takeBackPartialWork()
{
    if (!partialWorkStart || partialWorkRevision != stateRevision || partialWorkIterations != clock.iterations) return false;
    static_cast<CSimulationState&>(*this) = *partialWorkStart;
    partialWorkStart.reset();
    UserChange change(*this);
    return true;
}

COutcome CSimulation::setDiam(int t, double d)
{
    double old = types.diam[t];
    if (d == old) return {};
    // Atoms of no size have no contact distance for the refit and the clump to reach.
    if (!valueRules::isDiameter(d))
        return COutcome::refused("Alert.", valueRules::rangeMessage("The diameter of an atom", valueRules::kDiameter));
    UserChange change(*this);
    if (d < old) {
        types.diam[t] = d;
        restartEnergiesAndAverages();
        return {};
    }
    if (d > 2.0 * box.halfWidth)
        return COutcome::refused("Alert.", formatC("Atom diameter can not be greater than the width of the box which is %.2e m.",
                                                   2.0 * box.halfWidth));
    if (!(d > old)) return {};  // NaN
    if (isPeriodic())
        if (COutcome allowed = periodicBoxRefusalWith(t, atoms.number[t], forces.charge[t], d, box.halfWidth); !allowed)
            return allowed;
    types.diam[t] = d;
    if (!shiftAtomsToFit(100)) {
        types.diam[t] = old;
        return COutcome::refused("Operation Incomplete.", "Unable to increase the diameter for atoms of type: " + types.name[t]);
    }
    restartEnergiesAndAverages();
    return {};
}

// A mass of zero or below would give an infinite or negative inverse mass,
// and one far outside the atoms' masses overflows the energies; it is
// refused where it is entered.
COutcome CSimulation::setMass(int t, double m)
{
    if (m == types.mass[t]) return {};
    UserChange change(*this);
    if (!valueRules::isMass(m)) return COutcome::refused("Alert.", valueRules::rangeMessage("The mass of an atom", valueRules::kMass));
    types.mass[t] = m;
    types.invm[t] = 1.0 / m;
    restartEnergiesAndAverages();
    return {};
}

void CSimulation::setPotentialUsed(bool f)
{
    if (f == forces.potentialUsed) return;
    UserChange change(*this);
    forces.potentialUsed = f;
    restartEnergiesAndAverages();
}

bool CSimulation::setLJeps(int i, int j, double e)
{
    if (!valueRules::isWellDepth(e)) return false;
    if (e == forces.LJeps[i][j]) return true;
    UserChange change(*this);
    forces.LJeps[i][j] = e;
    restartEnergiesAndAverages();
    return true;
}

COutcome CSimulation::setCharge(int t, double q)
{
    if (!valueRules::isCharge(q)) return COutcome::refused();
    if (q == forces.charge[t]) return {};
    if (isPeriodic())
        if (COutcome allowed = periodicBoxRefusalWith(t, atoms.number[t], q, types.diam[t], box.halfWidth); !allowed)
            return allowed;
    UserChange change(*this);
    forces.charge[t] = q;
    restartEnergiesAndAverages();
    return {};
}

void CSimulation::setFloorPotentialUsed(bool f)
{
    if (f == forces.floorPotentialUsed) return;
    UserChange change(*this);
    forces.floorPotentialUsed = f;
    restartEnergiesAndAverages();
}

bool CSimulation::setLJepsFloor(int t, double e)
{
    if (!valueRules::isWellDepth(e)) return false;
    if (e == forces.LJepsFloor[t]) return true;
    UserChange change(*this);
    forces.LJepsFloor[t] = e;
    restartEnergiesAndAverages();
    return true;
}

void CSimulation::setConserve(bool c)
{
    conservation.conserve = c;
    conservation.tdE = 0.0;
    conservation.tdEPercent = 0.0;
    if (c) {
        restartEnergiesAndAverages();
    }
}

// Choosing another way of taking the averages restarts them, and the ledger
// with them.
bool CSimulation::setRecordType(CRecordKind r)
{
    if (!valueRules::choice(modeIndex(r), valueRules::kRecordTypes)) return false;
    bool changed = r != outputs.recordType;
    outputs.recordType = r;
    if (r != CRecordKind::accumulated) outputs.record = 0;
    if (changed) restartLedger();
    return true;
}

bool CSimulation::setGraphXmax(double x)
{
    if (!valueRules::isHistogramSpeed(x)) return false;
    if (x == display.xmax) return true;
    display.xmax = x;
    outputs.oldPart = 0.0;
    outputs.newPart = 1.0;
    calculateHistogram();
    outputs.record = 0;
    return true;
}

// ---------------------------------------------------------------- setters with a rule

bool CSimulation::setFloorTemp(double k)
{
    if (!valueRules::isFloorTemperature(k)) return false;
    forces.floorTemp = k;
    return true;
}

bool CSimulation::setRunTimerInterval(double s)
{
    if (!valueRules::isTimerInterval(s)) return false;
    clock.runTimerInterval = static_cast<float>(s);
    return true;
}

bool CSimulation::setTimeStep(double s)
{
    if (!valueRules::isTimeStep(s)) return false;
    clock.timeStep = s;
    return true;
}

bool CSimulation::setTimeUnit(CTimeUnit u)
{
    if (!valueRules::choice(modeIndex(u), valueRules::kTimeUnits)) return false;
    clock.timeUnit = u;
    return true;
}

bool CSimulation::setHistogramWidth(int w)
{
    if (!valueRules::isHistogramWidth(w)) return false;
    display.histogramWidth = w;
    return true;
}

bool CSimulation::setHistogramHeight(int h)
{
    if (!valueRules::isHistogramHeight(h)) return false;
    display.histogramHeight = h;
    return true;
}

bool CSimulation::setIPD(unsigned n)
{
    if (!valueRules::isStepsPerDisplay(n)) return false;
    clock.iterationsPerDisplay = n;
    return true;
}

bool CSimulation::setDisplayType(int s)
{
    if (!valueRules::choice(s, kSlots)) return false;
    outputs.displayType = s;
    return true;
}

bool CSimulation::setDisplayTimeConstant(double tc)
{
    if (!valueRules::isTimeConstant(tc)) return false;
    outputs.displayTC = tc;
    return true;
}

bool CSimulation::setGraphYmax(double y)
{
    if (!valueRules::isHistogramScale(y)) return false;
    display.ymax = y;
    return true;
}

bool CSimulation::setEyePlaneR(double r)
{
    if (!valueRules::isViewDistance(r)) return false;
    display.View.setEyePlaneR(r);
    return true;
}

bool CSimulation::setScale(double s)
{
    if (!valueRules::isViewScale(s)) return false;
    display.View.setScale(s);
    return true;
}

COutcome CSimulation::setEyeR(double r)
{
    if (!valueRules::isViewDistance(r)) return COutcome::refused();
    double p = display.View.getEyePlaneR();
    if (1.73205080757 * box.halfWidth > r - p) {
        std::string message = formatC("Box too close to the projection plane.\nMinimum eye distance is %.2e m.\n",
                                      1.73205080757 * box.halfWidth + p);
        return COutcome::refused("Operation Incomplete.", message);
    }
    display.View.setEyeR(r);
    return {};
}

COutcome CSimulation::setView(double phi, double theta, double eyeR, double eyePlaneR, double scale)
{
    setAngles(phi, theta);
    COutcome eye = setEyeR(eyeR);
    setEyePlaneR(eyePlaneR);
    setScale(scale);
    return eye;
}

void CSimulation::restoreState(const CSimulationState& earlier)
{
    displayUnderway = false;
    stepsDoneInDisplay = 0;
    // The revision tells the fast engine to list the atoms afresh.
    if (&earlier != &state()) static_cast<CSimulationState&>(*this) = earlier;
    stateRevision++;
}

void CSimulation::adoptState(const CSimulation& built)
{
    if (&built == this) return;
    restoreState(built.state());
    initSimulationEnergies();
    resetIPS();
    restartLedger();
}

