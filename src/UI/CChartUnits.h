// SPDX-License-Identifier: GPL-3.0-or-later
// The units the charts draw in. The measurements are kept in SI base units,
// where an energy is about 1e-19 J and a volume about 1e-25 m³; Qt Charts
// takes ranges that small for empty ones (it compares them fuzzily, to about
// 1e-12), so such quantities are drawn scaled to units that keep the numbers
// ordinary. The CSV exports keep SI, as quorvel-batch writes them.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "SIM/CTimeSeries.h"

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

// The axis spans [low, high] with enough digits that neighbouring ticks
// read differently: a total energy that varies in its sixth digit needs
// eight. Moderate values get a fixed number of decimals from the tick
// spacing, so that a tick near zero reads 1 rather than 1.0416 on an axis
// of tens of thousands; very large or small ones keep significant digits.
inline void setRangeAndDigits(QValueAxis* axis, double low, double high)
{
    axis->setRange(low, high);
    const double size = std::max(std::fabs(low), std::fabs(high));
    const double spacing = axis->tickCount() > 1 ? (high - low) / (axis->tickCount() - 1) : high - low;
    QString format;
    if (size >= 1e-3 && size < 1e6 && spacing > 0.0 && std::isfinite(spacing)) {
        const double decimals = std::ceil(-std::log10(spacing)) + 1.0;
        format = QStringLiteral("%.%1f").arg(std::clamp(static_cast<int>(decimals), 0, 12));
    } else {
        double digits = high > low && size > 0.0 ? std::ceil(std::log10(size / (high - low))) + 2.0 : 3.0;
        format = QStringLiteral("%.%1g").arg(std::clamp(static_cast<int>(digits), 3, 12));
    }
    if (axis->labelFormat() != format) axis->setLabelFormat(format);
}
