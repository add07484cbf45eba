// SPDX-License-Identifier: GPL-3.0-or-later
// The units the charts draw in. The measurements are kept in SI base units,
// where an energy is about 1e-19 J and a volume about 1e-25 m³; Qt Charts
// takes ranges that small for empty ones (it compares them fuzzily, to about
// 1e-12), so such quantities are drawn scaled to units that keep the numbers
// ordinary. The CSV exports keep SI, as quorvel-batch writes them.
#pragma once

#include <QList>
#include <QPointF>

#include "SIM/measure/CTimeSeries.h"

constexpr double kPicosecondsPerSecond = 1e12;
constexpr double kNanometresPerMetre = 1e9;
constexpr double kZeptojoulesPerJoule = 1e21;
constexpr double kCubicNanometresPerCubicMetre = 1e27;

struct CChartUnit {
    double perSI;      // chart value = SI value * perSI
    const char* name;  // as written in an axis title: "zJ"
};

inline CChartUnit chartUnitOf(CSeriesQuantity quantity)
{
    switch (quantity) {
    case CSeriesQuantity::kinetic:
    case CSeriesQuantity::potential:
    case CSeriesQuantity::total: return {kZeptojoulesPerJoule, "zJ"};
    case CSeriesQuantity::temperature: return {1.0, "K"};
    case CSeriesQuantity::pressure: return {1.0, "Pa"};
    case CSeriesQuantity::volume: return {kCubicNanometresPerCubicMetre, "nm³"};
    case CSeriesQuantity::rmsSpeed: return {1.0, "m/s"};
    }
    return {1.0, ""};
}

// Points decimated from SI samples, brought to the chart's unit.
inline void scaleY(QList<QPointF>& points, double perSI)
{
    if (perSI == 1.0) return;
    for (QPointF& p : points) p.setY(p.y() * perSI);
}
