// SPDX-License-Identifier: GPL-3.0-or-later
// The box's width, its kind (closed, or periodic for a bulk without walls)
// and the piston that an applied pressure pushes down in a closed box.
#pragma once

#include "CParameterDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class CBoxDialog : public CParameterDialog {
    Q_OBJECT
public:
    CBoxDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* boxWidthField;
    QComboBox* kindOfBox;  // closed, periodic: the index is the CBoundaries
    QGroupBox* pistonGroup;
    QLabel* periodicNote;
    QCheckBox* appliedPressureBox;
    QLineEdit *appliedPressureField, *pistonMassField;

public slots:
    void accept() override;

private:
    // The piston's controls are not available in a periodic box; the note says why.
    void showKindOfBox();
};
