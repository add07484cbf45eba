// SPDX-License-Identifier: GPL-3.0-or-later
// The radial distribution g(r) of one pair of atom types, or of all atoms,
// accumulated over displays since its reset: the pairs found at each
// distance over the pairs centres placed independently would give there,
// spread through the box as the centres were (in a periodic box: spread
// evenly, the bulk's shells). Bins are a twentieth of the pair's mean
// diameter wide and reach half the box width.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "SIM/measure/CUniformDistances.h"

struct CSimulationState;

class CRadialDistribution {
public:
    static constexpr int kAllTypes = -1;
    static constexpr int kMaxBins = 4000;  // a tiny diameter in a wide box is cut off there

    // Two types 0 to 3 (in either order), or kAllTypes for every pair of atoms; resets.
    void setPair(int first, int second = kAllTypes);
    int firstType() const { return first_; }
    int secondType() const { return second_; }
    bool allAtoms() const { return first_ == kAllTypes; }

    void reset();
    // Counts the pairs of this display. A new bin width or bin count (a
    // diameter or the box changed) starts the accumulation again.
    void accumulate(const CSimulationState& simulation);

    unsigned long displays() const { return displays_; }
    int bins() const { return static_cast<int>(observed_.size()); }
    double binWidth() const { return width_; }  // m
    double radius(int bin) const { return (bin + 0.5) * width_; }  // bin centre, m
    // 0 where no pair could be expected (before the first display, or a pair without atoms).
    double g(int bin) const;
    double observedPairs(int bin) const { return observed_[static_cast<std::size_t>(bin)]; }
    // The pairs centres placed uniformly in the regions they reach would give.
    double expectedPairs(int bin) const { return expected_[static_cast<std::size_t>(bin)]; }
    // The pairs independent centres spread through the box as the measured
    // ones were would give: g's reference. A gas piles up against hard walls
    // (its density there is the pressure over kT, above the mean), which
    // leaves the rest of the box thinner than the mean: against uniform
    // centres its g stays below 1 at every distance past the first shells.
    double referencePairs(int bin) const;
    // Bins of the measured spread of the centres along each axis, across the box.
    static constexpr int kSpreadBins = 128;

private:
    struct CReference {
        CCentreRegion a, b;
        double width = 0.0;
        int bins = -1;
        std::vector<double> shares;
    };

    // Where the centres of one type were along each axis, counted in the
    // grid's bins, and where as many uniform ones in the regions they reach would have been.
    struct CSpread {
        std::vector<double> measured[3], uniform[3];
        double atoms = 0.0;  // counted in each axis
    };
    // Per pair of types, the share of the measured spread's pairs over the
    // uniform spread's in each bin, and the displays they are of.
    struct CSpreadFactors {
        std::vector<double> factor;
        unsigned long displays = 0;
    };

    bool includes(int type) const;
    bool pairIncluded(int t, int u) const;
    void prepareBins(const CSimulationState& s);
    void countPairs(const CSimulationState& s);
    void addExpected(const CSimulationState& s);
    void addSpread(const CSimulationState& s);
    const std::vector<double>& referenceFor(const CSimulationState& s, int t, int u);
    const std::vector<double>& periodicShares(const CSimulationState& s);
    const std::vector<double>& spreadFactors(int t, int u) const;

    int first_ = kAllTypes, second_ = kAllTypes;
    double width_ = 0.0;
    unsigned long displays_ = 0;
    std::vector<double> observed_, expected_;
    std::array<std::array<CReference, 4>, 4> references_{};
    std::array<std::array<std::vector<double>, 4>, 4> expectedByPair_{};
    std::array<CSpread, 4> spreads_{};
    double spreadHalfWidth_ = 0.0;
    bool periodic_ = false;  // minimum-image distances, the bulk's shells
    std::vector<double> periodicShares_;
    mutable std::array<std::array<CSpreadFactors, 4>, 4> factors_{};
    // Centres gathered for the pair loop, and the first index of each type in them.
    std::vector<double> x_, y_, z_;
    std::array<int, 5> typeStart_{};
    std::vector<unsigned> counts_;  // this display's pairs by bin, and beyond the last
};

// CSV with the header r_m,g: the bin centres and their g.
void appendRadialDistributionCsv(std::string& csv, const CRadialDistribution& distribution);
