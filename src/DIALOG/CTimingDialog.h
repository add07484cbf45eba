// SPDX-License-Identifier: GPL-3.0-or-later
// Steps per display, the time step, the time between displays and the unit
// in which elapsed time is shown.
#pragma once

#include "CParameterDialog.h"

class QComboBox;
class QLineEdit;

class CTimingDialog : public CParameterDialog {
    Q_OBJECT
public:
    CTimingDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit *ipdField, *timeStepField, *realTimeBetweenDisplaysField;
    QComboBox* timeUnitButton;  // item 0 seconds, item 1 steps

public slots:
    void accept() override;
};
