// SPDX-License-Identifier: GPL-3.0-or-later
// Names, diameters, masses and colours of the four atom types.
#pragma once

#include "CParameterDialog.h"

class CColorButton;
class QLineEdit;

class CAtomPropertiesDialog : public CParameterDialog {
    Q_OBJECT
public:
    CAtomPropertiesDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* nameField[4];
    QLineEdit* diamField[4];
    QLineEdit* massField[4];
    CColorButton* colorField[4];

public slots:
    void accept() override;
};
