// SPDX-License-Identifier: GPL-3.0-or-later
// Whether energy is conserved by rescaling speeds after each step.
#pragma once

#include "CParameterDialog.h"

class QCheckBox;

class CEnergyDialog : public CParameterDialog {
    Q_OBJECT
public:
    CEnergyDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QCheckBox* enforceCOE;

public slots:
    void accept() override;
};
