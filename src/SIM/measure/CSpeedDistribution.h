// SPDX-License-Identifier: GPL-3.0-or-later
// The speed histogram of one slot against the Maxwell-Boltzmann
// distribution: each bin as a fraction of the slot's atoms, beside the
// fraction the distribution puts in that bin at the measured temperature
// and at the temperature that fits the histogram best.
#pragma once

#include <array>
#include <string>

#include "SIM/model/CPhysicalConstants.h"
#include "SIM/model/CSimulation.h"

// The fraction of atoms of this mass slower than speed (m/s) at temperature (K).
double maxwellSpeedFraction(double speed, double mass, double temperature);

// The atoms of a slot as the distribution sees them: up to four kinds, each
// with its share of the atoms and its mass. A single type has one kind.
struct CSpeedMixture {
    int kinds = 0;
    std::array<double, 4> share{};  // sums to 1
    std::array<double, 4> mass{};   // kg
};

constexpr int kSpeedBins = 40;
using CSpeedBins = std::array<double, kSpeedBins>;

// The fraction of the mixture in each of the 40 bins from 0 to top (m/s) at one temperature.
CSpeedBins maxwellBinFractions(const CSpeedMixture& mixture, double top, double temperature);

// The temperature whose bin fractions come closest to the given ones in
// the least-squares sense; 0 when the histogram holds no atoms.
double fitMaxwellTemperature(const CSpeedMixture& mixture, double top, const CSpeedBins& fractions);

// Half the summed absolute differences over the 40 bins and the share
// beyond the last one: 0 for equal distributions, 1 for disjoint ones.
double totalVariationDistance(const CSpeedBins& a, const CSpeedBins& b);

struct CSpeedDistribution {
    int slot = CSimulation::kAllAtoms;
    int atoms = 0;
    double top = 0.0;  // upper end of the last bin, m/s
    CSpeedBins fraction{}, maxwellMeasured{}, maxwellFitted{};
    double measuredTemperature = 0.0, fittedTemperature = 0.0;  // K
    double totalVariation = 0.0;  // of the histogram from the curve at the measured temperature

    double binLow(int bin) const { return top * bin / kSpeedBins; }
    double binHigh(int bin) const { return top * (bin + 1) / kSpeedBins; }
};

// Gives the displayed histogram a scale that shows the atoms' speeds, for a
// state built or brought in without one: the top speed three times the rms
// speed, the height half as much again as the peak of a Maxwell distribution
// of that rms speed, each rounded up to a round number. Changes nothing when
// every atom is at rest.
void fitHistogramScale(CSimulation& simulation);

// The slot's smoothed histogram (as the display shows it) at its smoothed temperature.
CSpeedDistribution measureSpeedDistribution(const CSimulationState& state, int slot);

// CSV with the header speed_low_m_s,speed_high_m_s,fraction,maxwell_measured,maxwell_fitted.
void appendSpeedDistributionCsv(std::string& csv, const CSpeedDistribution& distribution);
