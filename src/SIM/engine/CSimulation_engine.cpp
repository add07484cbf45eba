// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: running displays with a net under them, and the passes of a
// step that are the model's own: the heat bath, the piston, the contact of
// one pair. The step itself is the integrator's (CIntegrator.h), with the
// reference or the fast pair engine.
#include "SIM/engine/CFastEngine.h"
#include "SIM/engine/CIntegrator.h"
#include "SIM/engine/CReferencePairs.h"
#include "SIM/model/CForceConstants.h"
#include "SIM/model/CMinimumImage.h"
#include "SIM/model/CSimulation.h"

#include "BASE/CTextNumbers.h"

#include <algorithm>
#include <thread>
#include <cmath>
#include <cstdlib>

using namespace quorvel;

CStepView CSimulation::stepView() { return CStepView(*this, *this); }

CFastEngine& CSimulation::getFastEngine()
{
    if (!fastEngine) fastEngine = std::make_unique<CFastEngine>(stepView());
    return static_cast<CFastEngine&>(*fastEngine);
}

bool CSimulation::stateIsFinite() const
{
    // x * 0 is 0 for every finite x and NaN otherwise.
    double zero = (outputs.KEnergy[kAllAtoms] + outputs.PEnergy[kAllAtoms] + outputs.TEnergy[kAllAtoms] + box.pistonZ + box.pistonV) * 0.0;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++)
            for (int axis = 0; axis < 3; axis++) zero += (atoms.loc[t][i].v[axis] + atoms.vel[t][i].v[axis]) * 0.0;
    return zero == 0.0;
}

bool CSimulation::runDisplay()
{
    displayUnderway = false;
    return runDisplaySteps(clock.iterationsPerDisplay);
}

bool CSimulation::runDisplaySteps(unsigned maxSteps)
{
    runStopReason.clear();
    if (!displayUnderway) {
        displayUnderway = true;
        stepsDoneInDisplay = 0;
    }
    const unsigned left = clock.iterationsPerDisplay > stepsDoneInDisplay ? clock.iterationsPerDisplay - stepsDoneInDisplay : 0;
    if (left == 0) {
        // Steps per display lowered below the steps already run.
        endDisplayEarly();
        return true;
    }
    const unsigned steps = std::min(maxSteps, left);
    // The net goes back to the start of these steps: any change made to the
    // model before them (between two parts of a display) is kept.
    if (!displayStart) displayStart = std::make_unique<CDisplayStart>();
    CDisplayStart& start = *displayStart;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            start.loc[t][i] = atoms.loc[t][i];
            start.vel[t][i] = atoms.vel[t][i];
        }
    start.pistonZ = box.pistonZ;
    start.pistonV = box.pistonV;
    start.elapsedTime = clock.elapsedTime;
    start.iterations = clock.iterations;
    iterateSteps(steps, steps == left);
    stepsDoneInDisplay += steps;
    if (steps == left) displayUnderway = false;
    if (stateIsFinite()) return true;
    displayUnderway = false;
    for (int t = 0; t < kTypes; t++)
        for (int i = 0; i < atoms.number[t]; i++) {
            atoms.loc[t][i] = start.loc[t][i];
            atoms.vel[t][i] = start.vel[t][i];
        }
    box.pistonZ = start.pistonZ;
    box.pistonV = start.pistonV;
    clock.elapsedTime = start.elapsedTime;
    clock.iterations = start.iterations;
    // Forces, energies, readouts and averages from the restored atoms, as
    // after a setter; the failed step's wall momentum is no measurement.
    restartEnergiesAndAverages();
    for (double& p : outputs.dptot) p = 0.0;
    calculateAllOutputs();
    runStopReason = formatC("The run was stopped: the display after step %u gave positions, velocities or energies "
                            "that are not finite numbers. The atoms are back where they were at its start. A "
                            "smaller time step or less extreme values may run.",
                            clock.iterations);
    return false;
}

void CSimulation::endDisplayEarly()
{
    if (!displayUnderway) return;
    displayUnderway = false;
    // What calculateAllOutputs adds for a display's last step; averaged
    // histograms are already computed at every step.
    if (stepsDoneInDisplay > 0 && outputs.recordType == CRecordKind::instant) calculateHistogram();
}

COutcome CSimulation::setEngineThreads(int threads)
{
    if (threads != modelLimits::kAutomaticThreads && (threads < 1 || threads > modelLimits::kMaxEngineThreads))
        return COutcome::refused();
    engineThreads = threads;
    return COutcome::applied();
}

int CSimulation::engineThreadsInUse() const
{
    if (engineThreads != modelLimits::kAutomaticThreads) return engineThreads;
    // hardware_concurrency may not know (0): then one.
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp<unsigned>(cores, 1, modelLimits::kMaxEngineThreads));
}

void CSimulation::MDCALCIterate() { iterateSteps(clock.iterationsPerDisplay, true); }

void CSimulation::iterateSteps(unsigned steps, bool endsDisplay)
{
    CStepView step = stepView();
    if (engineKind == CEngineKind::fast) {
        integrateSteps(step, getFastEngine(), engineThreadsInUse(), steps, endsDisplay);
        return;
    }
    CReferencePairs reference(step);
    integrateSteps(step, reference, 1, steps, endsDisplay);
}

// ---------------------------------------------------------------- collisions

// An exponentially distributed energy with mean kT from one draw of random().
// u = (r + 1) / 2147483647 exceeds 1 for the largest draw, which would give a
// negative energy; u is capped at 1, so that draw gives no energy.
double CSimulation::heatBathEnergy(long draw, double temperature)
{
    double u = (static_cast<double>(draw) + 1.0) / 2147483647.0;
    if (u > 1.0) u = 1.0;
    return -kBoltzmann * temperature * std::log(u);
}

void CSimulation::applyHeatBath(int t, int i)
{
    double m = types.mass[t];
    CVector& v = atoms.vel[t][i];
    double before = m * v.norm() / 2.0;
    atoms.paTEnergy[t][i] -= before;
    double vz = std::fabs(v.v[2]);
    outputs.dptot[t] -= m * vz;
    outputs.dptot[kAllAtoms] -= m * vz;
    double e = heatBathEnergy(random(), forces.floorTemp);
    v.v[2] = std::sqrt(2.0 * e * types.invm[t]);
    double after = m * v.norm() / 2.0;
    atoms.paTEnergy[t][i] += after;
    ledger.heat += after - before;
    outputs.dptot[t] += m * v.v[2];
    outputs.dptot[kAllAtoms] += m * v.v[2];
}

// Velocity Verlet under the applied pressure's constant force. The ledger
// books that force's work, -P dV: the force is M pistonA, which is -P times
// the piston's area except after a change of the box's width (pistonA keeps
// the area of the width it was set with: setHalfWidth leaves it alone, and runs
// saved before rely on that).
void CSimulation::movePiston(double dt, double quad)
{
    double z = box.pistonZ;
    box.pistonZ = box.pistonZ + dt * box.pistonV + quad * box.pistonA;
    box.pistonV = box.pistonV + dt * box.pistonA;
    ledger.work += pistonForce() * (box.pistonZ - z);
}

void CSimulation::collideWithPiston()
{
    double z = box.pistonZ, v = box.pistonV;
    if (box.pistonZ < -box.halfWidth) {
        box.pistonZ = -box.halfWidth;
        box.pistonV = std::fabs(box.pistonV);
    }
    if (box.pistonZ > box.halfWidth) {
        box.pistonZ = box.halfWidth;
        box.pistonV = 0.0;
    }
    if (box.pistonZ != z || box.pistonV != v) {
        // The box's ends move and stop the piston outside the integration:
        // the pressure's work over that move, and what the stop changed of
        // the piston's energy beyond it.
        double work = pistonForce() * (box.pistonZ - z);
        ledger.work += work;
        ledger.pistonStop += 0.5 * box.pistonM * (box.pistonV * box.pistonV - v * v) - work;
    }
    double bigM = box.pistonM;
    for (int t = 0; t < kTypes; t++) {
        double m = types.mass[t];
        double top = box.pistonZ - types.diam[t] / 2.0;
        for (int i = 0; i < atoms.number[t]; i++) {
            CVector& x = atoms.loc[t][i];
            CVector& v = atoms.vel[t][i];
            if (!(x.v[2] > top)) continue;
            atoms.paTEnergy[t][i] -= m * v.norm() / 2.0;
            outputs.dptot[t] += m * v.v[2];
            outputs.dptot[kAllAtoms] += m * v.v[2];
            double w = 2.0 * (m * v.v[2] + bigM * box.pistonV) / (bigM + m);
            v.v[2] = w - v.v[2];
            box.pistonV = w - box.pistonV;
            x.v[2] = 2.0 * (m * x.v[2] + bigM * top) / (bigM + m) - x.v[2];
            atoms.paTEnergy[t][i] += m * v.norm() / 2.0;
            outputs.dptot[t] -= m * v.v[2];
            outputs.dptot[kAllAtoms] -= m * v.v[2];
        }
    }
}

// Reflects the velocity along the contact normal in the centre-of-mass
// frame and moves the atom to where the collision would have left it.
void CSimulation::reflectInCentreOfMassFrame(CVector& x, CVector& v, double tc, const CVector& centreOfMassVelocity,
                                             const CVector& contactNormal)
{
    CVector relativeVelocity, velocityChange, positionChange;
    relativeVelocity.equalsSub(v, centreOfMassVelocity);
    velocityChange.equalsMuls(contactNormal, 2.0 * relativeVelocity.dot(contactNormal));
    positionChange.equalsMuls(velocityChange, tc);
    x.add(positionChange);
    v.sub(velocityChange);
}

void CSimulation::collideAtomPair(int t, int i, int u, int j)
{
    double d = (types.diam[t] + types.diam[u]) / 2.0;
    CVector separation;
    separation.equalsSub(atoms.loc[t][i], atoms.loc[u][j]);
    if (isPeriodic()) minimumImage(separation, box.halfWidth);
    if (!forces.potentialUsed) {
        double q = separation.norm() - d * d;
        if (!(q < 0)) return;
        CVector relativeVelocity;
        relativeVelocity.equalsSub(atoms.vel[t][i], atoms.vel[u][j]);
        double b = 2.0 * separation.dot(relativeVelocity);
        double a = relativeVelocity.norm();
        double discriminant = b * b - 4.0 * a * q;
        if (!(discriminant > 0)) return;
        double tc = (b + std::sqrt(discriminant)) / (-2.0 * a);
        double mt = types.mass[t], mu = types.mass[u];
        CVector momentumT, momentumU, centreOfMassVelocity;
        momentumT.equalsMuls(atoms.vel[t][i], mt);
        momentumU.equalsMuls(atoms.vel[u][j], mu);
        centreOfMassVelocity.equalsAdd(momentumT, momentumU);
        centreOfMassVelocity.divs(mt + mu);
        // The separation at contact, which was -tc ago (tc < 0).
        CVector travel, contactNormal;
        travel.equalsMuls(relativeVelocity, tc);
        contactNormal.equalsAdd(separation, travel);
        contactNormal.normalize();
        reflectInCentreOfMassFrame(atoms.loc[t][i], atoms.vel[t][i], tc, centreOfMassVelocity, contactNormal);
        reflectInCentreOfMassFrame(atoms.loc[u][j], atoms.vel[u][j], tc, centreOfMassVelocity, contactNormal);
        return;
    }
    if (!(separation.norm() < d * d)) return;
    double r = separation.length();
    separation.divs(r);
    const CVector& normal = separation;
    CVector halfOverlap;
    halfOverlap.equalsMuls(normal, (d - r) / 2.0);
    atoms.loc[t][i].add(halfOverlap);
    atoms.loc[u][j].sub(halfOverlap);
    CVector relativeVelocity, velocityChange;
    relativeVelocity.equalsSub(atoms.vel[t][i], atoms.vel[u][j]);
    CVector impulse;
    impulse.equalsMuls(normal, relativeVelocity.dot(normal) / (-0.5 * (types.invm[t] + types.invm[u])));
    velocityChange.equalsMuls(impulse, types.invm[t]);
    atoms.vel[t][i].add(velocityChange);
    velocityChange.equalsMuls(impulse, types.invm[u]);
    atoms.vel[u][j].sub(velocityChange);
}

void CSimulation::MDCALCCollAdj()
{
    collideWithBox();
    CReferencePairs(stepView()).contacts();
}

// ---------------------------------------------------------------- energies

void CSimulation::MDCALCEnergyAdj()
{
    CReferencePairs(stepView()).pairEnergies();
    rescaleToConserve();
}

