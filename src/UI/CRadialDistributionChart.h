// SPDX-License-Identifier: GPL-3.0-or-later
// g(r) of a chosen pair of atom types, or of all atoms, accumulated over
// the displays since its reset. While the window is open it counts pairs
// every k-th display, with k chosen so the counting takes about a fiftieth
// of the run's time.
#pragma once

#include <chrono>

#include "CPlotChart.h"
#include "SIM/measure/CRadialDistribution.h"

class CRoundAxis;
class QComboBox;
class QLineSeries;

// Chooses every how many displays a costly measurement runs so that it
// takes about the given share of the time between displays.
class CSamplingPace {
public:
    explicit CSamplingPace(double share = 0.02) : share_(share) {}
    // After each display: true when this one is to be measured.
    bool due();
    // The time between displays and the last measurement's cost, in seconds.
    void noteInterval(double seconds);
    void noteCost(double seconds);
    int every() const { return every_; }

private:
    double share_;
    double interval_ = 0.0, cost_ = 0.0;  // running means
    int every_ = 1, waited_ = 0;
};

class CRadialDistributionChart : public CPlotChart {
    Q_OBJECT
public:
    CRadialDistributionChart(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);

    QString title() const override { return tr("Radial Distribution"); }
    QString fileStem() const override { return QStringLiteral("radial-distribution"); }
    void displayAdvanced() override;
    void refresh() override;
    std::string csvText() const override;

    // Chooser index 0 is all atoms, then AA, AB, AC, AD, BB, ... DD.
    void choosePair(int index);
    void resetDistribution();
    const CRadialDistribution& distribution() const { return distribution_; }
    QLineSeries* curve() const { return curve_; }
    QComboBox* pairChooser() const { return pairs_; }
    const CSamplingPace& pace() const { return pace_; }
    // Counts the pairs of the simulation as it is now, outside the pace.
    void accumulateNow();

private:
    void fillPairNames();

    CRadialDistribution distribution_;
    CSamplingPace pace_;
    std::chrono::steady_clock::time_point lastDisplay_{};
    QComboBox* pairs_;
    QLineSeries *curve_, *independent_;
    CRoundAxis *xAxis_, *yAxis_;
};
