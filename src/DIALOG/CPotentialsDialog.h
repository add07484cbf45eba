// SPDX-License-Identifier: GPL-3.0-or-later
// Lennard-Jones well depths of every pair of types, and the charges.
#pragma once

#include "CParameterDialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class CPotentialsDialog : public CParameterDialog {
    Q_OBJECT
public:
    CPotentialsDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QCheckBox* use;
    QLabel* name[4];
    QLineEdit* LJ[4][4] = {};  // the upper triangle, i <= j
    QLineEdit* charge[4];

public slots:
    void accept() override;

private:
    QLabel* columnName[4];
    QLabel* colour[4];
};
