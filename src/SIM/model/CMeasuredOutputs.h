// SPDX-License-Identifier: GPL-3.0-or-later
// What the steps measure, per slot (each type, then all atoms): energies,
// temperature, pressure, speeds and their histogram, instant and averaged
// (the TC values) as the record kind says.
#pragma once

#include "SIM/model/CModelLimits.h"
#include "SIM/model/CSimulationDefaults.h"
#include "SIM/model/CSimulationModes.h"

struct CMeasuredOutputs {
    static constexpr int kSlots = modelLimits::kSlots;
    static constexpr int kBins = modelLimits::kBins;

    double area = 0.0, volume = 0.0;  // m^2, m^3
    // Momentum given to the walls and the floor in the last step.
    double dptot[kSlots] = {};
    // In a periodic box: the step's virial, the sum of r.F over the pairs
    // that act (J), by type and for all atoms; the pressure is measured from
    // it where no wall takes momentum.
    double virial[kSlots] = {};
    double pressure[kSlots] = {}, temperature[kSlots] = {};
    double KEnergy[kSlots] = {}, PEnergy[kSlots] = {}, TEnergy[kSlots] = {};
    // Mean speed squared, instant and over the record.
    double vsq[kSlots] = {}, avgvsq[kSlots] = {};
    double TCVolume = 0.0;
    double TCPressure[kSlots] = {}, TCTemperature[kSlots] = {};
    double TCKEnergy[kSlots] = {}, TCPEnergy[kSlots] = {}, TCTEnergy[kSlots] = {};
    double TCavgvsq[kSlots] = {}, sqrtTCavgvsq[kSlots] = {};
    double histogram[kSlots][kBins] = {}, TCHistogram[kSlots][kBins] = {};

    // The slot the readouts show.
    int displayType = modelLimits::kAllAtoms;
    double displayTC = simulationDefaults::kDisplayTimeConstant;  // s
    CRecordKind recordType = simulationDefaults::kRecordKind;
    // Displays in the record so far, and the weights of the old average and
    // the new sample.
    unsigned record = 0;
    // The first sample of the averages replaces whatever they held.
    double oldPart = 0.0, newPart = 1.0;
    // Counts the times the averages started afresh (a reset, the first step
    // of an accumulation, a file read), so records that follow the displayed
    // values know when to start again. Not stored in files.
    unsigned averagesStarts = 0;
};
