// SPDX-License-Identifier: GPL-3.0-or-later
// The box's width and the piston that an applied pressure pushes down.
#pragma once

#include "CParameterDialog.h"

class QCheckBox;
class QLineEdit;

class CBoxDialog : public CParameterDialog {
    Q_OBJECT
public:
    CBoxDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* boxWidthField;
    QCheckBox* appliedPressureBox;
    QLineEdit *appliedPressureField, *pistonMassField;

public slots:
    void accept() override;
};
