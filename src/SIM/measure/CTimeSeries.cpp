// SPDX-License-Identifier: GPL-3.0-or-later
// The displayed outputs over time, thinned to a bounded number of samples.
#include "SIM/measure/CTimeSeries.h"

#include <algorithm>

#include "SIM/model/CSimulation.h"

const CSeriesQuantityInfo& seriesQuantityInfo(CSeriesQuantity quantity)
{
    static const CSeriesQuantityInfo info[kSeriesQuantities] = {
        {"Kinetic energy", "J", "kinetic_energy_J"},
        {"Potential energy", "J", "potential_energy_J"},
        {"Total energy", "J", "total_energy_J"},
        {"Temperature", "K", "temperature_K"},
        {"Pressure", "Pa", "pressure_Pa"},
        {"Volume", "m³", "volume_m3"},
        {"Rms speed", "m/s", "rms_speed_m_s"},
    };
    return info[static_cast<int>(quantity)];
}

CTimeSeries::CTimeSeries(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 2)) {}

void CTimeSeries::clear()
{
    steps_.clear();
    seconds_.clear();
    volume_.clear();
    for (auto& quantity : perSlot_)
        for (auto& series : quantity) series.clear();
    stride_ = 1;
    display_ = 0;
    restarts_++;
}

void CTimeSeries::restart(const CSimulationState& simulation)
{
    clear();
    seenStarts_ = simulation.outputs.averagesStarts;
}

void CTimeSeries::sample(const CSimulationState& s)
{
    const bool wentBack = !steps_.empty() && s.clock.iterations < steps_.back();
    if (!started_ || s.outputs.averagesStarts != seenStarts_ || wentBack) restart(s);
    started_ = true;
    // Only displays at a multiple of the stride are kept, so the samples
    // stay evenly spaced however often the series were thinned.
    if (display_++ % stride_ != 0) return;
    append(s);
    if (size() >= capacity_) thin();
}


void CTimeSeries::append(const CSimulationState& s)
{
    steps_.push_back(static_cast<double>(s.clock.iterations));
    seconds_.push_back(s.clock.elapsedTime);
    volume_.push_back(s.outputs.TCVolume);
    for (int slot = 0; slot < kSlots; slot++) {
        perSlot_[static_cast<int>(CSeriesQuantity::kinetic)][slot].push_back(s.outputs.TCKEnergy[slot]);
        perSlot_[static_cast<int>(CSeriesQuantity::potential)][slot].push_back(s.outputs.TCPEnergy[slot]);
        perSlot_[static_cast<int>(CSeriesQuantity::total)][slot].push_back(s.outputs.TCTEnergy[slot]);
        perSlot_[static_cast<int>(CSeriesQuantity::temperature)][slot].push_back(s.outputs.TCTemperature[slot]);
        perSlot_[static_cast<int>(CSeriesQuantity::pressure)][slot].push_back(s.outputs.TCPressure[slot]);
        perSlot_[static_cast<int>(CSeriesQuantity::rmsSpeed)][slot].push_back(s.outputs.sqrtTCavgvsq[slot]);
    }
}

// Keeps the samples at even positions (displays at multiples of the doubled
// stride): the series still span the whole run, at half the density.
void CTimeSeries::thin()
{
    auto keepEven = [](std::vector<double>& series) {
        std::size_t kept = 0;
        for (std::size_t k = 0; k < series.size(); k += 2) series[kept++] = series[k];
        series.resize(kept);
    };
    keepEven(steps_);
    keepEven(seconds_);
    keepEven(volume_);
    for (auto& quantity : perSlot_)
        for (auto& series : quantity) keepEven(series);
    stride_ *= 2;
}

const std::vector<double>& CTimeSeries::values(CSeriesQuantity quantity, int slot) const
{
    if (quantity == CSeriesQuantity::volume) return volume_;
    return perSlot_[static_cast<int>(quantity)][std::clamp(slot, 0, kSlots - 1)];
}
