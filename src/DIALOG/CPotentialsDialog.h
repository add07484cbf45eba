// SPDX-License-Identifier: GPL-3.0-or-later
// Lennard-Jones well depths of every pair of types, the charges, and whether
// atoms meet as hard cores at their mean diameter (the contacts).
#pragma once

#include "CParameterDialog.h"
#include "SIM/model/CModelLimits.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class CPotentialsDialog : public CParameterDialog {
    Q_OBJECT
public:
    CPotentialsDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QCheckBox* use;
    QCheckBox* contacts;
    QLabel* name[modelLimits::kTypes];
    QLineEdit* LJ[modelLimits::kTypes][modelLimits::kTypes] = {};  // the upper triangle, i <= j
    QLineEdit* charge[modelLimits::kTypes];

public slots:
    void accept() override;

private:
    QLabel* columnName[modelLimits::kTypes];
    QLabel* colour[modelLimits::kTypes];
};
