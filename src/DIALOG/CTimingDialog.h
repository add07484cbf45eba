// SPDX-License-Identifier: GPL-3.0-or-later
// Steps per display, the time step, the time between displays and the unit
// in which elapsed time is shown; and the threads the engine steps with, a
// preference of this computer (CEngineThreadsSetting) that no result depends on.
#pragma once

#include "CParameterDialog.h"

class QComboBox;
class QLineEdit;
class QSpinBox;

class CTimingDialog : public CParameterDialog {
    Q_OBJECT
public:
    CTimingDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit *ipdField, *timeStepField, *realTimeBetweenDisplaysField;
    QComboBox* timeUnitButton;  // item 0 seconds, item 1 steps
    QSpinBox* threadsField;     // 0 automatic, else 1 to the cores this computer has

public slots:
    void accept() override;
};
