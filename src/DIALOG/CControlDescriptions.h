// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of a control after its name: what it sets, its
// unit and the range it takes ("Floor temperature, in kelvin, from 0 to
// 100,000."). Each window derives them for all its controls at once, from
// what the control already shows: its tool tip, else the label that names
// it (whose "(K)" gives the unit), else its accessible name or text; the
// range and unit a dialog has told it take the place of the label's unit.
// A description set by hand stays as it is.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <utility>

#include "SIM/model/CValueRules.h"

class QWidget;

class CControlDescriptions {
    Q_DECLARE_TR_FUNCTIONS(CControlDescriptions)
public:
    // The values the control takes, in the range's unit ("K", "m/s").
    static void setRange(QWidget* control, double low, double high, const char* unit);
    static void setRange(QWidget* control, const valueRules::CRange& range)
    {
        setRange(control, range.low, range.high, range.unit);
    }
    static void setRanges(std::initializer_list<std::pair<QWidget*, valueRules::CRange>> ranges)
    {
        for (const auto& [control, range] : ranges) setRange(control, range);
    }
    // Describes every control inside top now and each time top is shown
    // (a dialog fills its labels before it shows itself).
    static void describeControls(QWidget* top);
    // The description derived for one control; empty where nothing is known.
    static QString derive(QWidget* control, const QString& label);
    // A unit as a screen reader should say it: "kelvin" for "K".
    static QString unitWords(const QString& unit);
    // A number as the interface's language writes it: "2,000", "1e-30".
    static QString numberWords(double x);
};
