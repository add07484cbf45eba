// SPDX-License-Identifier: GPL-3.0-or-later
// Sets how many atoms each type has; atoms are added at random free places
// or removed from the end of their type.
#pragma once

#include "CParameterDialog.h"
#include "SIM/model/CModelLimits.h"

class QLabel;
class QLineEdit;

class CAtomNumbersDialog : public CParameterDialog {
    Q_OBJECT
public:
    CAtomNumbersDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLabel* nameField[modelLimits::kTypes];
    QLineEdit* numberField[modelLimits::kTypes];

public slots:
    void accept() override;

private:
    bool setNumber(int t, int n);
    QLabel* colour[modelLimits::kTypes];
};
