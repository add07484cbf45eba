// SPDX-License-Identifier: GPL-3.0-or-later
// Asks how many copies of the box along each edge the LAMMPS export lays
// side by side. The answer is offered again next time.
#pragma once

#include "CParameterDialog.h"

class QLabel;
class QLineEdit;

class CReplicateDialog : public CParameterDialog {
    Q_OBJECT
public:
    CReplicateDialog(CSimulation& simulation, CPlatform& platform, QWidget* parent = nullptr);
    void fill() override;

    QLineEdit* copiesField;
    QLabel* atomsLabel;
    int copies = 1;
    bool confirmed = false;  // OK was pressed with a valid number

public slots:
    void accept() override;
    void cancel() override;

private:
    void showAtomCount();
};
