// SPDX-License-Identifier: GPL-3.0-or-later
// Names, diameters, masses and colours of the four atom types.
#pragma once

#include "CParameterDialog.h"
#include "SIM/model/CModelLimits.h"

class CColorButton;
class QLineEdit;

class CAtomPropertiesDialog : public CParameterDialog {
    Q_OBJECT
public:
    CAtomPropertiesDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* nameField[modelLimits::kTypes];
    QLineEdit* diamField[modelLimits::kTypes];
    QLineEdit* massField[modelLimits::kTypes];
    CColorButton* colorField[modelLimits::kTypes];

public slots:
    void accept() override;
};
