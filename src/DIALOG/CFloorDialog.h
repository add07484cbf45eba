// SPDX-License-Identifier: GPL-3.0-or-later
// The floor's heat bath and the floor potential's well depth per type; a
// periodic box has no floor, and its controls are then not available.
#pragma once

#include "CParameterDialog.h"
#include "SIM/model/CModelLimits.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class CFloorDialog : public CParameterDialog {
    Q_OBJECT
public:
    CFloorDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QCheckBox* floorTempUsed;
    QLineEdit* floorTempField;
    QCheckBox* floorPotentialUsed;
    QLineEdit* LJ[modelLimits::kTypes];
    QLabel* periodicNote;

public slots:
    void accept() override;

private:
    QLabel* name[modelLimits::kTypes];
    QLabel* colour[modelLimits::kTypes];
    QWidget *bathGroup, *potentialGroup;
};
