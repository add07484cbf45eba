// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: measured quantities, their time-constant averages and the
// speed histogram, computed after every step (the histogram, where nothing
// averages it, after a display's last step).
#include "SIM/model/CSimulation.h"

#include <cmath>

#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CValueRules.h"
#include "SIM/model/CWidestLoops.h"

using quorvel::kTemperaturePerEnergy;

namespace {
// Each atom's squared speed, kinetic energy, total energy and change of
// the total since the last conservation.
QUORVEL_WIDEST void kineticTerms(const double* __restrict v, int count, double halfMass, double* __restrict squared,
                                 double* __restrict kinetic, double* __restrict total, double* __restrict change,
                                 const double* __restrict previousTotal)
{
    for (int i = 0; i < count; i++) {
        squared[i] = v[3 * i] * v[3 * i] + v[3 * i + 1] * v[3 * i + 1] + v[3 * i + 2] * v[3 * i + 2];
        kinetic[i] = halfMass * squared[i];
        total[i] = total[i] + kinetic[i];
        change[i] = total[i] - previousTotal[i];
    }
}

}  // namespace

// Each atom's kinetic energy from its velocity, its total energy and its
// change since the last conservation, and their sum (tdE).
void CSimulation::MDCALCTotalEnergy()
{
    double sum = 0.0;
    for (int t = 0; t < kTypes; t++) {
        kineticTerms(flatVectors(atoms.vel[t]), atoms.number[t], types.mass[t] * 0.5, atoms.nvel[t], atoms.aKEnergy[t], atoms.aTEnergy[t], atoms.dE[t], atoms.paTEnergy[t]);
        for (int i = 0; i < atoms.number[t]; i++) sum += atoms.dE[t][i];
    }
    conservation.tdE = sum;
}

void CSimulation::calculateAllOutputs(bool lastStepOfDisplay)
{
    sumOverAtoms<true, true>();
    calculateAreaVolumePressureTemperature();
    calculateTCFractions();
    calculateTCOutputs();
    // Without averaging the histogram shown is the last step's alone (each
    // step's replaces the one before entirely, as its counts are finite):
    // only the last step of a display needs it.
    if (lastStepOfDisplay || outputs.recordType != CRecordKind::instant) calculateHistogram();
}

void CSimulation::calculateTypedEnergies() { sumOverAtoms<true, false>(); }

void CSimulation::calculateVrms() { sumOverAtoms<false, true>(); }

// The sums by type of the atoms' energies and of their squared speeds, and
// of the squared speeds of all atoms, each in atom order. Every sum waits for
// the one before it: in one pass they wait side by side.
template <bool energies, bool speeds>
void CSimulation::sumOverAtoms()
{
    double all = 0.0;
    for (int t = 0; t < kTypes; t++) {
        double k = 0.0, p = 0.0, e = 0.0, squared = 0.0;
        for (int i = 0; i < atoms.number[t]; i++) {
            if (energies) {
                k += atoms.aKEnergy[t][i];
                p += atoms.aPEnergy[t][i];
                e += atoms.aTEnergy[t][i];
            }
            if (speeds) {
                squared += atoms.nvel[t][i];
                all += atoms.nvel[t][i];
            }
        }
        if (energies) {
            outputs.KEnergy[t] = k;
            outputs.PEnergy[t] = p;
            outputs.TEnergy[t] = e;
        }
        if (speeds) {
            outputs.vsq[t] = squared;
            outputs.avgvsq[t] = atoms.number[t] > 0 ? outputs.vsq[t] / atoms.number[t] : 0.0;
        }
    }
    if (energies) {
        outputs.KEnergy[kAllAtoms] = outputs.PEnergy[kAllAtoms] = outputs.TEnergy[kAllAtoms] = 0.0;
        for (int t = 0; t < kTypes; t++) {
            outputs.KEnergy[kAllAtoms] += outputs.KEnergy[t];
            outputs.PEnergy[kAllAtoms] += outputs.PEnergy[t];
            outputs.TEnergy[kAllAtoms] += outputs.TEnergy[t];
        }
        conservation.tdEPercent = std::fabs(conservation.tdE / outputs.TEnergy[kAllAtoms]);
    }
    if (speeds) {
        outputs.vsq[kAllAtoms] = all;
        outputs.avgvsq[kAllAtoms] = atoms.totalAtoms > 0 ? outputs.vsq[kAllAtoms] / atoms.totalAtoms : 0.0;
    }
}

void CSimulation::calculateAreaVolumePressureTemperature()
{
    double l = box.halfWidth;
    if (isPeriodic()) {
        // No wall takes momentum: the pressure is the virial's, from the
        // kinetic energy and the pairs' r.F of the last force pass.
        double w = 2.0 * l;
        outputs.volume = w * w * w;
        outputs.area = 6.0 * w * w;
        for (int s = 0; s < kSlots; s++)
            outputs.pressure[s] = getSlotAtoms(s) > 0 ? (2.0 * outputs.KEnergy[s] + outputs.virial[s]) / (3.0 * outputs.volume) : 0.0;
    } else if (box.pistonUsed) {
        double p = box.pistonZ;
        outputs.volume = 4.0 * l * l * (l + p);
        outputs.area = 8.0 * l * (l + p) + 8.0 * l * l;
    } else {
        outputs.volume = 8.0 * l * l * l;
        outputs.area = 24.0 * l * l;
    }
    // A slot with no atoms has no pressure. Its wall momentum is 0 after
    // every step, but measured between steps (after its atoms were deleted)
    // it is still that of the last step taken with them.
    if (!isPeriodic())
        for (int s = 0; s < kSlots; s++)
            outputs.pressure[s] = getSlotAtoms(s) > 0 ? outputs.dptot[s] / (clock.timeStep * outputs.area) : 0.0;
    outputs.temperature[kAllAtoms] = atoms.totalAtoms > 0 ? outputs.KEnergy[kAllAtoms] * kTemperaturePerEnergy / atoms.totalAtoms : 0.0;
    for (int t = 0; t < kTypes; t++)
        outputs.temperature[t] = atoms.number[t] > 0 ? outputs.KEnergy[t] * kTemperaturePerEnergy / atoms.number[t] : 0.0;
}

void CSimulation::calculateTCFractions()
{
    switch (outputs.recordType) {
    case CRecordKind::instant:
        outputs.newPart = 1.0;
        break;
    case CRecordKind::timeConstant:
        if (clock.iterations == 0) {
            outputs.newPart = 1.0;
            outputs.record = 1;
            outputs.averagesStarts++;
        } else {
            outputs.newPart = 1.0 / outputs.displayTC;
        }
        break;
    case CRecordKind::accumulated:
        if (outputs.record < valueRules::kMaxAveragedDisplays) outputs.record++;
        outputs.newPart = 1.0 / outputs.record;
        if (outputs.record == 1) outputs.averagesStarts++;
        break;
    default:
        break;
    }
    outputs.oldPart = 1.0 - outputs.newPart;
}

void CSimulation::calculateTCOutputs()
{
    double o = outputs.oldPart, n = outputs.newPart;
    for (int s = 0; s < kSlots; s++) {
        outputs.TCPEnergy[s] = o * outputs.TCPEnergy[s] + n * outputs.PEnergy[s];
        outputs.TCKEnergy[s] = o * outputs.TCKEnergy[s] + n * outputs.KEnergy[s];
        outputs.TCTEnergy[s] = outputs.TCKEnergy[s] + outputs.TCPEnergy[s];
        outputs.TCTemperature[s] = o * outputs.TCTemperature[s] + n * outputs.temperature[s];
        outputs.TCPressure[s] = o * outputs.TCPressure[s] + n * outputs.pressure[s];
        outputs.TCavgvsq[s] = o * outputs.TCavgvsq[s] + n * outputs.avgvsq[s];
        outputs.sqrtTCavgvsq[s] = std::sqrt(outputs.TCavgvsq[s]);
    }
    outputs.TCVolume = o * outputs.TCVolume + n * outputs.volume;
}

namespace {
// Each atom's bin by its speed, -1 for speeds at or beyond top (and
// undefined ones). Within 0 <= x < bins truncation is the floor.
QUORVEL_WIDEST void speedBins(const double* __restrict v, int atoms, int bins, double top, int* __restrict bin)
{
    for (int i = 0; i < atoms; i++) {
        double x = std::sqrt(v[3 * i] * v[3 * i] + v[3 * i + 1] * v[3 * i + 1] + v[3 * i + 2] * v[3 * i + 2]) * bins / top;
        bin[i] = x >= 0.0 && x < bins ? static_cast<int>(x) : -1;
    }
}
}  // namespace

void CSimulation::calculateHistogram()
{
    countSpeeds();
    for (int s = 0; s < kSlots; s++)
        for (int b = 0; b < kBins; b++) outputs.TCHistogram[s][b] = outputs.oldPart * outputs.TCHistogram[s][b] + outputs.newPart * outputs.histogram[s][b];
}

void CSimulation::countSpeeds()
{
    for (auto& slot : outputs.histogram)
        for (double& bin : slot) bin = 0.0;
    int bin[kMaxPerType];
    for (int t = 0; t < kTypes; t++) {
        speedBins(flatVectors(atoms.vel[t]), atoms.number[t], kBins, display.xmax, bin);
        for (int i = 0; i < atoms.number[t]; i++) {
            if (bin[i] < 0) continue;
            outputs.histogram[t][bin[i]] += 1.0;
            outputs.histogram[kAllAtoms][bin[i]] += 1.0;
        }
    }
}

void CSimulation::resetTCDisplay()
{
    for (int s = 0; s < kSlots; s++) {
        outputs.TCKEnergy[s] = outputs.TCPEnergy[s] = outputs.TCTEnergy[s] = outputs.TCTemperature[s] = outputs.TCPressure[s] = 0.0;
        outputs.TCavgvsq[s] = outputs.sqrtTCavgvsq[s] = 0.0;
        for (int b = 0; b < kBins; b++) outputs.histogram[s][b] = outputs.TCHistogram[s][b] = 0.0;
    }
    outputs.TCVolume = 0.0;
    outputs.record = 0;
    outputs.averagesStarts++;
}

void CSimulation::measureStateNow()
{
    sumOverAtoms<true, true>();
    calculateAreaVolumePressureTemperature();
    countSpeeds();
}

void CSimulation::startAveragesFromState(bool keepKnown)
{
    // What a file carries for a slot with no atoms is no measurement of
    // anything there: the slot reads what it measures, 0.
    bool keep = keepKnown;
    auto start = [&keep](double& average, double measured) {
        if (!keep || !std::isfinite(average)) average = measured;
    };
    for (int s = 0; s < kSlots; s++) {
        keep = keepKnown && getSlotAtoms(s) > 0;
        start(outputs.TCKEnergy[s], outputs.KEnergy[s]);
        start(outputs.TCPEnergy[s], outputs.PEnergy[s]);
        start(outputs.TCTEnergy[s], outputs.TEnergy[s]);
        start(outputs.TCTemperature[s], outputs.temperature[s]);
        start(outputs.TCPressure[s], outputs.pressure[s]);
        start(outputs.TCavgvsq[s], outputs.avgvsq[s]);
        start(outputs.sqrtTCavgvsq[s], std::sqrt(outputs.TCavgvsq[s]));
        for (int b = 0; b < kBins; b++) start(outputs.TCHistogram[s][b], outputs.histogram[s][b]);
    }
    keep = keepKnown;
    start(outputs.TCVolume, outputs.volume);
}
