// SPDX-License-Identifier: GPL-3.0-or-later
// CSimulation: measured quantities, their time-constant averages and the
// speed histogram, computed after every step (the histogram, where nothing
// averages it, after a display's last step).
#include "CSimulation.h"

#include <cmath>

#include "CPhysicalConstants.h"
#include "CValueRules.h"
#include "CWidestLoops.h"

using quorvel::kTemperaturePerEnergy;

void CSimulation::calculateAllOutputs(bool lastStepOfDisplay)
{
    sumOverAtoms<true, true>();
    calculateAreaVolumePressureTemperature();
    calculateTCFractions();
    calculateTCOutputs();
    // Without averaging the histogram shown is the last step's alone (each
    // step's replaces the one before entirely, as its counts are finite):
    // only the last step of a display needs it.
    if (lastStepOfDisplay || recordType != CRecordKind::instant) calculateHistogram();
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
        for (int i = 0; i < number[t]; i++) {
            if (energies) {
                k += aKEnergy[t][i];
                p += aPEnergy[t][i];
                e += aTEnergy[t][i];
            }
            if (speeds) {
                squared += nvel[t][i];
                all += nvel[t][i];
            }
        }
        if (energies) {
            KEnergy[t] = k;
            PEnergy[t] = p;
            TEnergy[t] = e;
        }
        if (speeds) {
            vsq[t] = squared;
            avgvsq[t] = number[t] > 0 ? vsq[t] / number[t] : 0.0;
        }
    }
    if (energies) {
        KEnergy[kAllAtoms] = PEnergy[kAllAtoms] = TEnergy[kAllAtoms] = 0.0;
        for (int t = 0; t < kTypes; t++) {
            KEnergy[kAllAtoms] += KEnergy[t];
            PEnergy[kAllAtoms] += PEnergy[t];
            TEnergy[kAllAtoms] += TEnergy[t];
        }
        tdEPercent = std::fabs(tdE / TEnergy[kAllAtoms]);
    }
    if (speeds) {
        vsq[kAllAtoms] = all;
        avgvsq[kAllAtoms] = totalAtoms > 0 ? vsq[kAllAtoms] / totalAtoms : 0.0;
    }
}

void CSimulation::calculateAreaVolumePressureTemperature()
{
    double l = halfWidth;
    if (pistonUsed) {
        double p = pistonZ;
        volume = 4.0 * l * l * (l + p);
        area = 8.0 * l * (l + p) + 8.0 * l * l;
    } else {
        volume = 8.0 * l * l * l;
        area = 24.0 * l * l;
    }
    for (int s = 0; s < kSlots; s++) pressure[s] = dptot[s] / (timeStep * area);
    temperature[kAllAtoms] = totalAtoms > 0 ? KEnergy[kAllAtoms] * kTemperaturePerEnergy / totalAtoms : 0.0;
    for (int t = 0; t < kTypes; t++)
        temperature[t] = number[t] > 0 ? KEnergy[t] * kTemperaturePerEnergy / number[t] : 0.0;
}

void CSimulation::calculateTCFractions()
{
    switch (recordType) {
    case CRecordKind::instant:
        newPart = 1.0;
        break;
    case CRecordKind::timeConstant:
        if (iterations == 0) {
            newPart = 1.0;
            record = 1;
            averagesStarts++;
        } else {
            newPart = 1.0 / displayTC;
        }
        break;
    case CRecordKind::accumulated:
        if (record < valueRules::kMaxAveragedDisplays) record++;
        newPart = 1.0 / record;
        if (record == 1) averagesStarts++;
        break;
    default:
        break;
    }
    oldPart = 1.0 - newPart;
}

void CSimulation::calculateTCOutputs()
{
    double o = oldPart, n = newPart;
    for (int s = 0; s < kSlots; s++) {
        TCPEnergy[s] = o * TCPEnergy[s] + n * PEnergy[s];
        TCKEnergy[s] = o * TCKEnergy[s] + n * KEnergy[s];
        TCTEnergy[s] = TCKEnergy[s] + TCPEnergy[s];
        TCTemperature[s] = o * TCTemperature[s] + n * temperature[s];
        TCPressure[s] = o * TCPressure[s] + n * pressure[s];
        TCavgvsq[s] = o * TCavgvsq[s] + n * avgvsq[s];
        sqrtTCavgvsq[s] = std::sqrt(TCavgvsq[s]);
    }
    TCVolume = o * TCVolume + n * volume;
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
        for (int b = 0; b < kBins; b++) TCHistogram[s][b] = oldPart * TCHistogram[s][b] + newPart * histogram[s][b];
}

void CSimulation::countSpeeds()
{
    for (auto& slot : histogram)
        for (double& bin : slot) bin = 0.0;
    int bin[kMaxPerType];
    for (int t = 0; t < kTypes; t++) {
        speedBins(flatVectors(vel[t]), number[t], kBins, xmax, bin);
        for (int i = 0; i < number[t]; i++) {
            if (bin[i] < 0) continue;
            histogram[t][bin[i]] += 1.0;
            histogram[kAllAtoms][bin[i]] += 1.0;
        }
    }
}

void CSimulation::resetTCDisplay()
{
    for (int s = 0; s < kSlots; s++) {
        TCKEnergy[s] = TCPEnergy[s] = TCTEnergy[s] = TCTemperature[s] = TCPressure[s] = 0.0;
        TCavgvsq[s] = sqrtTCavgvsq[s] = 0.0;
        for (int b = 0; b < kBins; b++) histogram[s][b] = TCHistogram[s][b] = 0.0;
    }
    TCVolume = 0.0;
    record = 0;
    averagesStarts++;
}

void CSimulation::measureStateNow()
{
    sumOverAtoms<true, true>();
    calculateAreaVolumePressureTemperature();
    countSpeeds();
}

void CSimulation::startAveragesFromState(bool keepKnown)
{
    auto start = [keepKnown](double& average, double measured) {
        if (!keepKnown || !std::isfinite(average)) average = measured;
    };
    for (int s = 0; s < kSlots; s++) {
        start(TCKEnergy[s], KEnergy[s]);
        start(TCPEnergy[s], PEnergy[s]);
        start(TCTEnergy[s], TEnergy[s]);
        start(TCTemperature[s], temperature[s]);
        start(TCPressure[s], pressure[s]);
        start(TCavgvsq[s], avgvsq[s]);
        start(sqrtTCavgvsq[s], std::sqrt(TCavgvsq[s]));
        for (int b = 0; b < kBins; b++) start(TCHistogram[s][b], histogram[s][b]);
    }
    start(TCVolume, volume);
}
