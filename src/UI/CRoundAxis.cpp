// SPDX-License-Identifier: GPL-3.0-or-later
#include "CRoundAxis.h"

#include <algorithm>
#include <cmath>

namespace {
// Labels needing more significant digits than this get an offset instead.
constexpr double kMostLabelDigits = 5.0;
// Values whose spread is within this fraction of their size are flat: what
// sums of doubles leave as rounding, not a change.
constexpr double kFlatFraction = 1e-9;
// Qt Charts places each tick by adding the spacing to the one before, and
// the first from a division, so a tick on zero comes out as -0.0, and one on
// either end of the range falls outside it, as often as not. The ticks are
// moved up by this fraction of their spacing, and the top of the range by
// twice as much: far too little to see, far more than the rounding.
constexpr double kTickNudge = 1e-6;

int powerOfTen(double value) { return static_cast<int>(std::floor(std::log10(value) + 1e-9)); }

// Ticks at multiples of interval in [low, high], allowing for the rounding of the bounds.
double ticksWithin(double low, double high, double interval)
{
    const double slack = 1e-9;
    return std::floor(high / interval + slack) - std::ceil(low / interval - slack) + 1.0;
}

double roundInterval(double low, double high, int maxTicks)
{
    for (int power = powerOfTen((high - low) / maxTicks) - 1;; power++)
        for (double mantissa : {1.0, 2.0, 5.0}) {
            const double interval = mantissa * std::pow(10.0, power);
            if (ticksWithin(low, high, interval) <= maxTicks) return interval;
        }
}

CRoundTicks ticksFor(double low, double high, int maxTicks)
{
    CRoundTicks ticks;
    ticks.low = low;
    ticks.high = high;
    ticks.interval = roundInterval(low, high, maxTicks);
    ticks.decimals = std::max(0, -powerOfTen(ticks.interval));
    return ticks;
}
}  // namespace

CRoundTicks roundTicks(double low, double high, int maxTicks, bool shifted)
{
    if (!std::isfinite(low) || !std::isfinite(high)) low = 0.0, high = 1.0;
    if (!(high > low)) std::tie(low, high) = framedRange(low, high);
    maxTicks = std::max(maxTicks, 2);
    CRoundTicks ticks = ticksFor(low, high, maxTicks);
    if (!shifted) return ticks;
    double offset = 0.0;
    if (std::max(std::fabs(low), std::fabs(high)) / ticks.interval >= std::pow(10.0, kMostLabelDigits)) {
        // The round number nearest the middle at the power of ten of the span:
        // the labels then stay within a few spans of zero.
        const double unit = std::pow(10.0, std::ceil(std::log10(high - low)));
        offset = std::round(0.5 * (low + high) / unit) * unit;
    }
    // Engineering powers, as the SI prefixes go.
    const double largest = std::max(std::fabs(low - offset), std::fabs(high - offset));
    const double scale = largest >= 1e6 || largest < 1e-3 ? std::pow(10.0, 3 * std::floor(powerOfTen(largest) / 3.0)) : 1.0;
    if (offset == 0.0 && scale == 1.0) return ticks;
    ticks = ticksFor((low - offset) / scale, (high - offset) / scale, maxTicks);
    ticks.offset = offset;
    ticks.scale = scale;
    return ticks;
}

std::pair<double, double> framedRange(double lowest, double highest)
{
    const double size = std::max(std::fabs(lowest), std::fabs(highest));
    if (!(highest - lowest > kFlatFraction * size)) {
        const double middle = 0.5 * (lowest + highest);
        const double half = size > 0.0 ? std::pow(10.0, powerOfTen(size) - 2) : 1.0;
        return {middle - half, middle + half};
    }
    const double margin = 0.05 * (highest - lowest);
    return {lowest - margin, highest + margin};
}

QString shiftText(const CRoundTicks& ticks, const QString& unit)
{
    QString text;
    if (ticks.scale != 1.0) text = QStringLiteral("×1e%1").arg(powerOfTen(ticks.scale));
    if (ticks.offset != 0.0) {
        if (!text.isEmpty()) text += QLatin1Char(' ');
        text += QString::asprintf("%+.15g", ticks.offset);
        if (!unit.isEmpty()) text += QLatin1Char(' ') + unit;
    }
    return text;
}

CRoundAxis::CRoundAxis(const QString& title, const QString& unit, QObject* parent)
    : QValueAxis(parent), title_(title), unit_(unit)
{
    setTickType(QValueAxis::TicksDynamic);
    apply(roundTicks(0.0, 1.0, maxTicks(), false));
}

int CRoundAxis::maxTicks() const
{
    if (mostTicks_ > 0) return mostTicks_;
    // Labels side by side need more room than labels one above the other.
    return orientation() == Qt::Horizontal ? 8 : 7;
}

QStringList CRoundAxis::tickLabels() const
{
    QStringList labels;
    const double first = std::ceil(ticks_.low / ticks_.interval - 1e-9);
    for (double k = first; k * ticks_.interval <= ticks_.high + 1e-9 * ticks_.interval; k++)
        labels << QString::asprintf("%.*f", ticks_.decimals, k * ticks_.interval + 0.0);
    return labels;
}

void CRoundAxis::showRange(double low, double high) { apply(roundTicks(low, high, maxTicks(), false)); }

void CRoundAxis::frame(double lowest, double highest)
{
    const auto [low, high] = framedRange(lowest, highest);
    apply(roundTicks(low, high, maxTicks(), true));
}

void CRoundAxis::setQuantityTitle(const QString& title)
{
    title_ = title;
    showTitle();
}

void CRoundAxis::apply(const CRoundTicks& ticks)
{
    ticks_ = ticks;
    const double nudge = kTickNudge * ticks.interval;
    // Qt Charts lays the ticks out at each change: a narrower spacing comes
    // after the narrower range, so no step in between asks for millions of ticks.
    if (ticks.interval >= tickInterval()) setTickInterval(ticks.interval);
    setRange(ticks.low, ticks.high + 2.0 * nudge);
    if (ticks.interval < tickInterval()) setTickInterval(ticks.interval);
    setTickAnchor(nudge);
    const QString format = QStringLiteral("%.%1f").arg(ticks.decimals);
    if (labelFormat() != format) setLabelFormat(format);
    showTitle();
}

void CRoundAxis::showTitle()
{
    const QString shift = shiftText(ticks_, unit_);
    const QString title = shift.isEmpty() ? title_ : QStringLiteral("%1, %2").arg(title_, shift);
    if (titleText() != title) setTitleText(title);
}
