// SPDX-License-Identifier: GPL-3.0-or-later
// How the status values are averaged, and the speed histogram's range and size.
#pragma once

#include "CParameterDialog.h"

class QButtonGroup;
class QLineEdit;
class QRadioButton;

class CDisplaysDialog : public CParameterDialog {
    Q_OBJECT
public:
    CDisplaysDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QButtonGroup* updateTiming;  // rows 0 instantaneous, 1 time-constant average, 2 accumulated
    QRadioButton* timingRow[3];
    QLineEdit *tcField, *xmaxField, *ymaxField, *histogramWidthField, *histogramHeightField;

public slots:
    void accept() override;
};
