// SPDX-License-Identifier: GPL-3.0-or-later
// Shares an amount of kinetic energy equally among all atoms (negative
// amounts take it away). The amount is offered again next time.
#pragma once

#include "CParameterDialog.h"

class QLineEdit;

class CChangeKEDialog : public CParameterDialog {
    Q_OBJECT
public:
    CChangeKEDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* changeKEField;
    double change = 0.0;

public slots:
    void accept() override;
};
