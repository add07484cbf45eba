// SPDX-License-Identifier: GPL-3.0-or-later
// The displayed outputs over time: one sample per display of every value
// the status display shows (energies, temperature, pressure, rms speed for
// each slot, and the volume), smoothed as the current averaging mode
// smooths them, with the step count and simulated time of the sample.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "SIM/model/CModelLimits.h"

struct CSimulationState;

enum class CSeriesQuantity { kinetic, potential, total, temperature, pressure, volume, rmsSpeed };
constexpr int kSeriesQuantities = 7;

struct CSeriesQuantityInfo {
    const char* title;   // for people: "Kinetic energy"
    const char* unit;    // SI unit as written on an axis: "J"
    const char* column;  // CSV column stem: "kinetic_energy_J"
};
const CSeriesQuantityInfo& seriesQuantityInfo(CSeriesQuantity quantity);

class CTimeSeries {
public:
    static constexpr std::size_t kDefaultCapacity = 100000;
    static constexpr int kSlots = modelLimits::kSlots;

    // capacity: the most samples a series holds (at least 2).
    explicit CTimeSeries(std::size_t capacity = kDefaultCapacity);

    // Called after every display. When the averages started afresh since the
    // last sample (or the step count went back, as after loading a file),
    // the series start again with this sample.
    void sample(const CSimulationState& simulation);
    void clear();

    std::size_t size() const { return steps_.size(); }
    std::size_t capacity() const { return capacity_; }
    // Displays between kept samples: 1 until the series first filled up;
    // each time they fill, every other sample is dropped and this doubles.
    std::size_t stride() const { return stride_; }
    // Incremented whenever the series start again, so views can tell.
    unsigned restarts() const { return restarts_; }

    const std::vector<double>& steps() const { return steps_; }
    const std::vector<double>& seconds() const { return seconds_; }
    // Slot 0 to 3 is one atom type, then CSimulation::kAllAtoms; the volume is one series for every slot.
    const std::vector<double>& values(CSeriesQuantity quantity, int slot) const;

private:
    void restart(const CSimulationState& simulation);
    void append(const CSimulationState& simulation);
    void thin();

    std::size_t capacity_;
    std::size_t stride_ = 1;
    unsigned long long display_ = 0;  // displays since the start, the kept one included
    unsigned restarts_ = 0;
    unsigned seenStarts_ = 0;
    bool started_ = false;

    std::vector<double> steps_, seconds_, volume_;
    // [quantity][slot] for the six per-slot quantities (all but the volume).
    std::array<std::array<std::vector<double>, kSlots>, kSeriesQuantities> perSlot_;
};
