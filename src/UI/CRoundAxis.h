// SPDX-License-Identifier: GPL-3.0-or-later
// A value axis whose ticks fall on round numbers, as every plotting tool
// people know labels them: 1, 2 or 5 times a power of ten apart, with the
// fewest decimals that tell neighbours apart. Qt Charts places such ticks
// (TicksDynamic); this chooses their spacing and label format for the range
// shown, and adds what Qt Charts lacks. A quantity that varies by a tiny
// fraction of its size is drawn less a round offset, and a very large or
// small one in a power of ten, both written once in the axis title
// ("Energy (zJ), +2500 zJ"), so its labels stay short. A flat one gets a
// small round span with its line in the middle.
#pragma once

#include <QString>
#include <QStringList>
#include <QValueAxis>

#include <utility>

// The ticks of an axis. Values are drawn as (value - offset) / scale.
struct CRoundTicks {
    double low = 0.0, high = 1.0;  // the range shown, in drawn values
    double interval = 0.2;
    double offset = 0.0, scale = 1.0;
    int decimals = 1;
};

// Round ticks for [low, high], at most maxTicks of them. shifted: labels
// that would need more than five significant digits get an offset, and
// values of 1e6 and more or under 1e-3 a power of ten, instead.
CRoundTicks roundTicks(double low, double high, int maxTicks, bool shifted);
// The range an axis shows for values spanning [lowest, highest]: a twentieth
// of the span beyond each end; a span within rounding of the values is flat,
// and gets a round span of about a hundredth of its size around it.
std::pair<double, double> framedRange(double lowest, double highest);
// The offset and power of ten an axis title shows, "×1e-6 +2500 zJ", or nothing.
QString shiftText(const CRoundTicks& ticks, const QString& unit);

class CRoundAxis : public QValueAxis {
    Q_OBJECT
public:
    // title: the quantity and its unit, "Energy (zJ)"; unit: "zJ", for an offset.
    explicit CRoundAxis(const QString& title, const QString& unit = QString(), QObject* parent = nullptr);

    void setQuantityTitle(const QString& title);
    // Shows exactly [low, high], with round ticks.
    void showRange(double low, double high);
    // Shows values spanning [lowest, highest] with room around them
    // (framedRange), offset and scaled where their labels need it.
    void frame(double lowest, double highest);
    // Where a value is drawn on this axis.
    double drawn(double value) const
    {
        return ticks_.offset == 0.0 && ticks_.scale == 1.0 ? value : (value - ticks_.offset) / ticks_.scale;
    }
    const CRoundTicks& ticks() const { return ticks_; }
    // At most this many ticks from the next range on; 0: as many as an axis
    // of the chart's full height or width takes.
    void setMostTicks(int ticks) { mostTicks_ = ticks; }
    // The labels of the ticks shown, as they read.
    QStringList tickLabels() const;

private:
    void apply(const CRoundTicks& ticks);
    void showTitle();
    int maxTicks() const;

    QString title_, unit_;
    CRoundTicks ticks_;
    int mostTicks_ = 0;
};
